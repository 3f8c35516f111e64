#include "GUI_PhoneMessage.h"

#include <algorithm>

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_JobOffer.h"
#include "GUI_Message.h"
#include "GUI_NPCMessage.h"
#include "GUI_RoyaltyReport.h"
#include "GUI_SocialInvitation.h"
#include "GUI_EventTicket.h"
#include "SIM_NPC.h"
#include "SIM_SocialInvitation.h"
#include "SIM_StandInLog.h"

std::list<GUI_PhoneMessage*> GUI_PhoneMessage::All;
std::list<GUI_PhoneMessage*> GUI_PhoneMessage::Unread;
std::list<GUI_PhoneMessage*> GUI_PhoneMessage::Pending;
int GUI_PhoneMessage::NextId = 1;

namespace {
// Messages still in the phone or held back for the evening when the program ends.
void ReleasePhoneMessagesAtExit() { GUI_PhoneMessage::ClearAll(); }
}  // namespace

GUI_PhoneMessage::GUI_PhoneMessage(void* subject, PHONE_MESSAGE_TYPE type)
    : m_subject(subject), m_type(type), m_sender("Unknown"), m_id(NextId++) {
  RegisterExitCleanup(ReleasePhoneMessagesAtExit);
  All.push_back(this);
  Unread.push_back(this);
}

GUI_PhoneMessage::~GUI_PhoneMessage() {
  All.remove(this);
  Unread.remove(this);
}

void GUI_PhoneMessage::HoldBack() {
  All.remove(this);
  Unread.remove(this);
  Pending.push_back(this);
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateJobUnlock(SIM_NPC* npc, SIM_JobBase* job) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(npc, PHONE_JOBUNLOCK);
  if (npc) message->m_sender = npc->GetFullName();
  message->m_extraJob = job;
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateJobOffer(SIM_JobOffer* offer) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(offer, PHONE_JOBOFFER);
  message->m_sender = GTranslation::GetString("JOBOFFER_SENDER");
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateSocialInvite(SIM_SocialInvitation* invitation) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(invitation, PHONE_SOCIALINVITE);
  if (SIM_NPC* organiser = invitation ? invitation->GetInvitee() : nullptr) message->m_sender = organiser->GetFullName();
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateRumour(SIM_NPC* npc) { return new GUI_PhoneMessage(npc, PHONE_RUMOUR); }

GUI_PhoneMessage* GUI_PhoneMessage::NewNPCMessage(SIM_NPC* npc, const std::string& text) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(npc, PHONE_NPCMESSAGE);
  if (npc) message->m_sender = npc->GetFullName();
  message->m_text = text;
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateNPCMessage(SIM_NPC* npc, const std::string& text) {
  SIM_StandInLog::Record("GUI_PhoneMessage::CreateNPCMessage");
  return NewNPCMessage(npc, text);
}

GUI_PhoneMessage* GUI_PhoneMessage::PrepareNPCMessage(SIM_NPC* npc, const std::string& text) {
  SIM_StandInLog::Record("GUI_PhoneMessage::PrepareNPCMessage");
  GUI_PhoneMessage* message = NewNPCMessage(npc, text);
  message->HoldBack();
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateRoyaltyReport() {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(nullptr, PHONE_ROYALTIES);
  message->m_sender = GTranslation::GetString("ROYALTY_SENDER");
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateTextureMessage(const std::string& texture, const std::string& text,
                                                         const std::string& title, const std::string& sender) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(nullptr, PHONE_TEXTUREMESSAGE);
  message->m_texture = texture;
  message->m_text = text;
  message->m_title = title;
  message->m_sender = sender;
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateSpecialEvent(SIM_SpecialEvent* event) {
  SIM_StandInLog::Record("GUI_PhoneMessage::CreateSpecialEvent");
  return new GUI_PhoneMessage(event, PHONE_SPECIALEVENT);
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateMessage(const std::string& title, const std::string& text) {
  GUI_PhoneMessage* message = new GUI_PhoneMessage(nullptr, PHONE_MESSAGE);
  message->m_title = title;
  message->m_text = text;
  message->m_sender = title;
  return message;
}

GUI_PhoneMessage* GUI_PhoneMessage::CreateNewFriend(SIM_NPC* npc) {
  SIM_StandInLog::Record("GUI_PhoneMessage::CreateNewFriend");
  GUI_PhoneMessage* message = new GUI_PhoneMessage(npc, PHONE_NEWFRIEND);
  if (npc) message->m_sender = npc->GetFullName();
  message->HoldBack();
  return message;
}

void GUI_PhoneMessage::Open() {
  // A run without a screen can still be followed.
  GetDebug()->DebugOut(GFormat("Phone message opened: type %d from %s", (int)m_type, m_sender.c_str()).c_str());
  // Marked read first: the window opened below may delete this message (an accepted job offer).
  m_read = true;
  Unread.remove(this);
  void* subject = m_subject;
  switch (m_type) {
    case PHONE_JOBUNLOCK:
      GUI_JobUnlock::Create(static_cast<SIM_NPC*>(subject), this, m_extraJob);
      break;
    case PHONE_JOBOFFER:
      GUI_JobOffer::Create(static_cast<SIM_JobOffer*>(subject), this);
      break;
    case PHONE_SOCIALINVITE:
      GUI_SocialInvitation::Create(static_cast<SIM_SocialInvitation*>(subject));
      break;
    case PHONE_RUMOUR:
      GUI_NPCMessage::ShowNextRumour(static_cast<SIM_NPC*>(subject));
      break;
    case PHONE_NPCMESSAGE:
      GUI_NPCMessage::Create(static_cast<SIM_NPC*>(subject), m_text);
      break;
    case PHONE_ROYALTIES:
      GUI_RoyaltyReport::Create();
      break;
    case PHONE_TEXTUREMESSAGE:
      GUI_TextureMessage::Create(m_texture, m_text, m_title);
      break;
    case PHONE_SPECIALEVENT:
      GUI_SpecialEvent::Create(static_cast<SIM_SpecialEvent*>(subject));
      break;
    case PHONE_MESSAGE:
      GUI_Message::Create(m_text, m_title);
      break;
    case PHONE_NEWFRIEND:
      GUI_NPCMessage::Create(static_cast<SIM_NPC*>(subject), GTranslation::GetString("EMAIL_NEWFRIEND"));
      break;
  }
}

void GUI_PhoneMessage::InputPending() {
  SIM_StandInLog::Record("GUI_PhoneMessage::InputPending");
  for (GUI_PhoneMessage* message : Pending) {
    All.push_back(message);
    Unread.push_back(message);
  }
  Pending.clear();
}

void GUI_PhoneMessage::Clear() {
  SIM_StandInLog::Record("GUI_PhoneMessage::Clear");
  while (!All.empty()) delete All.front();
}

void GUI_PhoneMessage::ClearAll() {
  Clear();
  for (GUI_PhoneMessage* message : Pending) delete message;
  Pending.clear();
}

void GUI_PhoneMessage::DeleteInvite(SIM_SocialInvitation* invitation) {
  auto it = std::find_if(All.begin(), All.end(), [invitation](GUI_PhoneMessage* message) {
    return message->m_type == PHONE_SOCIALINVITE && message->m_subject == invitation;
  });
  if (it != All.end()) delete *it;
}

GUI_PhoneMessage* GUI_PhoneMessage::Find(int id) {
  for (GUI_PhoneMessage* message : All) {
    if (message->m_id == id) return message;
  }
  return nullptr;
}
