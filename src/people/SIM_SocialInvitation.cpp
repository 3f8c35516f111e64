#include "SIM_SocialInvitation.h"

#include <algorithm>

#include "GDebug.h"
#include "SIM_StandInLog.h"

std::list<SIM_SocialInvitation*> SIM_SocialInvitation::All;

SIM_SocialInvitation* SIM_SocialInvitation::Create(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance) {
  GAssert(inviter != nullptr, __FILE__, __LINE__);
  GAssert(type != nullptr, __FILE__, __LINE__);
  if (!inviter || !type) return nullptr;
  return new SIM_SocialInvitation(inviter, type, importance);
}

SIM_SocialInvitation::SIM_SocialInvitation(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance)
    : m_inviter(inviter), m_type(type), m_importance(importance) {
  All.push_back(this);
}

SIM_SocialInvitation::~SIM_SocialInvitation() { All.remove(this); }

void SIM_SocialInvitation::SetInviterPays(bool pays) {
  m_inviterPays = pays;
  if (pays) m_cost = 0;
}

void SIM_SocialInvitation::ComposeInviteText() {}
void SIM_SocialInvitation::Accept() { m_accepted = true; }
void SIM_SocialInvitation::PleadPoverty() { m_pleadedPoverty = true; }
void SIM_SocialInvitation::Reject() {}
void SIM_SocialInvitation::HandleSnub() {}

void SIM_SocialInvitation::SnubOthers() {
  SIM_StandInLog::Record("SIM_SocialInvitation::SnubOthers");
}

void SIM_SocialInvitation::Clear() {
  SIM_StandInLog::Record("SIM_SocialInvitation::Clear");
  while (!All.empty()) delete All.front();
}
