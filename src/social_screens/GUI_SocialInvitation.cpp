#include "GUI_SocialInvitation.h"

#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_HintHelp.h"
#include "GUI_NPC.h"
#include "GUI_NPCPortrait.h"
#include "GUI_Tooltip.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_SIM.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"
#include "StringUtils.h"

GUI_SocialInvitation* GUI_SocialInvitation::PTheWindow = nullptr;
std::list<GUI_SocialInvitation*> GUI_SocialInvitation::All;

// ---- a face in the row

GUI_InvitationPortrait::GUI_InvitationPortrait(SIM_NPC* npc) : m_npc(npc) {
  if (npc && npc->IsIntroduced()) {
    m_portrait = new GUI_NPCPortrait(npc);
    AddChild(m_portrait);
  } else {
    m_blank.SetTexture("blank_person.dds");
  }
  m_tooltip = new GUI_Tooltip(npc ? npc->GetFullName() : std::string(), 20);
}

GUI_InvitationPortrait::~GUI_InvitationPortrait() { delete m_tooltip; }

void GUI_InvitationPortrait::Draw() {
  if (m_portrait) {
    m_portrait->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
    DrawChildren();
  } else {
    m_blank.SetSize(GetWidth(), GetHeight());
    m_blank.PlaceLocal(GetCenterX(), GetCenterY());
    m_blank.Draw();
  }
  if (MouseInside()) m_tooltip->Ping();
  m_tooltip->SetPosition((float)rect.left, (float)rect.bottom);
  m_tooltip->Draw();
}

bool GUI_InvitationPortrait::CheckClick(float x, float y) {
  if (!m_portrait || !PtInside(x, y)) return false;
  GUI_NPC::Create(m_npc);
  return true;
}

// ---- the dialog

std::string GUI_SocialInvitation::ShortTitle(const std::string& title) {
  if (title.size() < kTitleKept) return title;
  return title.substr(0, kTitleKept) + "...";
}

void GUI_SocialInvitation::Create(SIM_SocialInvitation* invitation) {
  SIM_StandInLog::Record("GUI_SocialInvitation::Create");
  Close();
  GAssert(invitation != nullptr, __FILE__, __LINE__);
  if (invitation) new GUI_SocialInvitation(invitation);  // the window manager owns it
}

void GUI_SocialInvitation::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_SocialInvitation::Clear() {
  SIM_StandInLog::Record("GUI_SocialInvitation::Clear");
  while (!All.empty()) delete All.front();
}

void GUI_SocialInvitation::Accept(int) {
  GUI_SocialInvitation* dialog = PTheWindow;
  if (!dialog) return;
  SIM_SocialInvitation* invitation = dialog->m_invitation;
  invitation->Accept();
  delete dialog;
  SIM_SocialiseInstance::Create(invitation);
  Clear();
}

void GUI_SocialInvitation::Reject(int) { Close(); }

void GUI_SocialInvitation::NoCash(int) {
  GUI_SocialInvitation* dialog = PTheWindow;
  if (!dialog) return;
  dialog->m_invitation->PleadPoverty();
  Close();
}

GUI_SocialInvitation::GUI_SocialInvitation(SIM_SocialInvitation* invitation)
    : GUI_Dialog(true), m_invitation(invitation) {
  PTheWindow = this;
  SetSize(kWidth, kHeight);
  SIM_NPC* inviter = invitation->GetInvitee();
  std::string title = GTranslation::GetString("SOCIAL_INVITATION");
  GTranslation::ReplaceToken(title, "<INVITEE>", inviter ? inviter->GetFullName() : std::string());
  SetTitle(ShortTitle(title));
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, R = (float)c.right, B = (float)c.bottom;
  m_accept = new GUI_ButtonText("ACCEPT_INVITE", Accept, 0);
  m_accept->SetTooltip("TOOLTIP_ACCEPT_INVITE", 30);
  m_accept->SetFadeFirst();
  m_accept->SetPosition(R - 140.0f, B - 44.0f, R - 20.0f, B - 20.0f);
  AddButton(m_accept);
  m_acceptLabel = m_accept->GetText();
  m_reject = new GUI_ButtonText("REJECT_INVITE", Reject, 0);
  m_reject->SetTooltip("TOOLTIP_REJECT_INVITE", 30);
  m_reject->SetPosition(L + 20.0f, B - 44.0f, L + 140.0f, B - 20.0f);
  AddButton(m_reject);
  if (invitation->GetCost() > 0) {
    m_noCash = new GUI_ButtonText("INSUFFICIENT_CASH", NoCash, 0);
    m_noCash->SetTooltip("TOOLTIP_REJECT_INVITE_CASH", 30);
    m_noCash->SetPosition(GetCenterX() - 100.0f, B - 44.0f, GetCenterX() + 100.0f, B - 20.0f);
    AddButton(m_noCash);
  }
  AddAttendeeButtons();
  if (inviter) {
    m_portrait = new GUI_NPCPortrait(inviter);
    AddChild(m_portrait);
  }
  All.push_back(this);
  SIM_SocialiseType* type = invitation->GetType();
  m_tooTired = type && type->IsTooTired();
  m_costCaption = GTranslation::GetString("SOCIALISE_COST");
  m_whoIsGoing = GTranslation::GetString("WHO_IS_GOING");
  m_tooTiredLabel = GTranslation::GetString("TOO_TIRED");
  GUI_HintHelp::Launch("invite_dialog");
  GetDebug()->DebugOut(GFormat("Invitation: %s", title.c_str()).c_str());
}

GUI_SocialInvitation::~GUI_SocialInvitation() {
  All.remove(this);
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_SocialInvitation::AddAttendeeButtons() {
  const std::vector<SIM_NPC*>& attendees = m_invitation->GetAttendees();
  const float n = (float)attendees.size();
  const float top = (float)GetClientArea().top + 160.0f;
  float x = GetCenterX() - 32.0f * n + 2.0f;
  for (SIM_NPC* npc : attendees) {
    GUI_InvitationPortrait* face = new GUI_InvitationPortrait(npc);
    face->SetPosition(x, top, x + 60.0f, top + 60.0f);
    AddChild(face);
    m_attendeePortraits.push_back(face);
    x += 64.0f;
  }
}

void GUI_SocialInvitation::UpdateButtons() {
  const float cash = SIM_GetFinances()->GetCash();
  bool acceptable = (float)m_invitation->GetCost() <= cash;
  if (SIM_GetSim()->IsDayFinished()) acceptable = false;
  m_accept->SetText(m_acceptLabel);
  if (m_tooTired) {
    m_accept->SetText(m_tooTiredLabel);
    acceptable = false;
  }
  m_accept->SetEnabled(acceptable);
  if (m_invitation->HasPleadedPoverty()) {
    m_accept->SetEnabled(false);
    m_reject->SetEnabled(false);
    if (m_noCash) m_noCash->SetEnabled(false);
  }
}

bool GUI_SocialInvitation::CheckClick(float x, float y) {
  if (IsVisible() && m_portrait && m_portrait->PtInside(x, y)) {
    GUI_NPC::Create(m_portrait->GetNPC());
    return true;
  }
  return GUI_WindowBase::CheckClick(x, y);
}

void GUI_SocialInvitation::Draw() {
  UpdateButtons();
  const RECT& c = GetClientArea();
  const float L = (float)c.left, T = (float)c.top, R = (float)c.right;
  if (m_portrait) m_portrait->SetPosition(L + 20.0f, T + 20.0f, L + 94.0f, T + 94.0f);
  GUI_Dialog::Draw();
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const uint32_t black = VBColor(0, 0, 0);
  const float portraitRight = L + 94.0f;
  text->AddWrappedString(m_invitation->GetInviteText(), portraitRight + 10.0f, T + 20.0f, R - portraitRight - 30.0f, black);
  std::string cost = GFormat("%s  %s %s", m_costCaption.c_str(), GetGame()->GetCurrency(),
                             NumToDelimitedChar((long)m_invitation->GetCost()).c_str());
  text->AddQueueString(cost, portraitRight + 110.0f, T + 107.0f, black, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_whoIsGoing, L + 20.0f, T + 127.0f, black, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}
