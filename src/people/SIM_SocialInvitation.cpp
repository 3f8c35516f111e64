#include "SIM_SocialInvitation.h"

#include <algorithm>
#include <vector>

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_PhoneMessage.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

std::list<SIM_SocialInvitation*> SIM_SocialInvitation::All;

namespace {
// Not Clear: the day-turn record it writes to is gone by the time exit handlers run.
void DeleteInvitationsAtExit() {
  while (!SIM_SocialInvitation::All.empty()) delete SIM_SocialInvitation::All.front();
}
}  // namespace

SIM_SocialInvitation* SIM_SocialInvitation::Create(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance) {
  GAssert(inviter != nullptr, __FILE__, __LINE__);
  GAssert(type != nullptr, __FILE__, __LINE__);
  if (!inviter || !type) return nullptr;
  return new SIM_SocialInvitation(inviter, type, importance);
}

SIM_SocialInvitation::SIM_SocialInvitation(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance)
    : m_inviter(inviter), m_type(type), m_importance(importance) {
  // The effective cost: a "VARIABLE" evening never charges its raw marker.
  m_cost = std::max<int32_t>(type->GetEffectiveCostPerHead(), 0);
  All.push_back(this);
  // Invitations still open when the program ends (a game quit in the evening) are freed with it.
  RegisterExitCleanup(DeleteInvitationsAtExit);
}

SIM_SocialInvitation::~SIM_SocialInvitation() { All.remove(this); }

void SIM_SocialInvitation::SetInviterPays(bool pays) {
  m_inviterPays = pays;
  if (pays) m_cost = 0;
}

void SIM_SocialInvitation::ComposeInviteText() {
  SIM_SmallTalk* smallTalk = SIM_GetSmallTalk();
  std::string text = GTranslation::GetString("SOCIAL_INVITATION_INTRO");
  GTranslation::ReplaceToken(text, "<SALUTATION>", smallTalk->GetSalutation(m_inviter));
  GTranslation::ReplaceToken(text, "<RAVEZIRER>", smallTalk->GetRavezIrer(m_inviter));
  GTranslation::ReplaceToken(text, "<SMALLTALK>", smallTalk->GetString(m_inviter));
  GTranslation::ReplaceToken(text, "<INVITE>", m_type->GetInvite());
  const char* signoff = m_importance == IMPORTANCE_IMPORTANT  ? "SIGNOFF_IMPORTANT"
                        : m_importance == IMPORTANCE_BIRTHDAY ? "SIGNOFF_BIRTHDAY"
                                                              : "SIGNOFF_NORMAL";
  GTranslation::ReplaceToken(text, "<SIGNOFF>", GTranslation::GetRandomString(signoff));
  GTranslation::ReplaceToken(text, "<OFFER>", m_inviterPays ? GTranslation::GetString("SOCIAL_PAYOFFER") : "");
  m_inviteText = text;
}

void SIM_SocialInvitation::Accept() {
  if (m_accepted) return;
  m_accepted = true;
  SIM_Relationship* link = m_inviter->GetRelationship(SIM_GetVede());
  if (m_inviterPays) {
    const int32_t share = std::max<int32_t>(m_type->GetEffectiveCostPerHead(), 0);
    m_inviter->SpendMoney((float)share);
    if (link) link->AdjustBalance(-(float)share);
  }
  if (link) {
    if (m_importance == IMPORTANCE_IMPORTANT) {
      link->AdjustStrength(SIM_GetGlobalVariables()->Get("GV_IMPORTANTINVITE_ACCEPT_BOOST"));
    } else if (m_importance == IMPORTANCE_BIRTHDAY) {
      link->AdjustStrength(SIM_GetGlobalVariables()->Get("GV_BIRTHDAYINVITE_ACCEPT_BOOST"));
    }
  }
  SIM_GetStatistics()->ChangeCounter(1, "INVITES_ACCEPTED");
  GUI_PhoneMessage::DeleteInvite(this);
}

void SIM_SocialInvitation::PleadPoverty() {
  // One plea an invitation: the screen allows no second, and a second would snub twice.
  if (m_pleadedPoverty || m_accepted) return;
  m_pleadedPoverty = true;
  if (!((float)m_cost > SIM_GetFinances()->GetCash())) {
    SIM_GetScript()->RunScript("falsely_pleaded_poverty.txt", 1.0f);
  }
  m_inviter->MitigatedSnub(this);
}

void SIM_SocialInvitation::HandleSnub() {
  if (!m_pleadedPoverty) m_inviter->Snub(this);
}

void SIM_SocialInvitation::Reject() {
  HandleSnub();
  // The evening goes ahead without the player.
  const int32_t share = std::max<int32_t>(m_type->GetEffectiveCostPerHead(), 0);
  const int32_t hostCost = m_type->GetHostCost();
  m_inviter->SpendMoney((float)(hostCost > 0 ? hostCost : share));
  for (SIM_NPC* guest : m_attendees) {
    if (guest != m_inviter) guest->SpendMoney((float)share);
  }
  for (SIM_NPC* guest : m_attendees) m_type->ResolveEvent(guest);
  SIM_GetStatistics()->ChangeCounter(1, "INVITES_REJECTED");
}

void SIM_SocialInvitation::SnubOthers() {
  SIM_StandInLog::Record("SIM_SocialInvitation::SnubOthers");
  // A snub may end a friendship, which touches no invitation; still, walk a copy.
  const std::vector<SIM_SocialInvitation*> invitations(All.begin(), All.end());
  for (SIM_SocialInvitation* invitation : invitations) {
    if (!invitation->m_accepted) invitation->Reject();
  }
}

void SIM_SocialInvitation::Clear() {
  SIM_StandInLog::Record("SIM_SocialInvitation::Clear");
  while (!All.empty()) delete All.front();
}
