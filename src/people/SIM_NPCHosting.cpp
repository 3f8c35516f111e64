// The NPC's side of invitations: deciding to invite the player, organising the evening with its
// own friends, and taking offence when the player does not come.
#include <algorithm>
#include <cstdlib>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_NPCIcon.h"
#include "GUI_NPCIconParts.h"
#include "GUI_PhoneMessage.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

namespace {
float InviteGV(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

// Snubs count more, and sulk longer, the more the evening mattered.
struct SnubSeverity {
  float multiplier;
  int weight;
};
SnubSeverity SeverityOf(SIM_SocialInvitation::IMPORTANCE importance) {
  switch (importance) {
    case SIM_SocialInvitation::IMPORTANCE_IMPORTANT:
      return {2.0f, 2};
    case SIM_SocialInvitation::IMPORTANCE_BIRTHDAY:
      return {2.5f, 3};
    default:
      return {1.0f, 1};
  }
}

constexpr int kSnubsToLoseAFriend = 4;
constexpr int kMaxHostedHeads = 6;  // the NPC and the player included
}  // namespace

float SIM_NPC::GetInviteChance() {
  const float p = std::clamp((float)m_daysSinceSeen * InviteGV("GV_NPC_INVITEPROB"), 0.0f, 1.0f);
  SIM_Vede* vede = SIM_GetVede();
  const SIM_Relationship* link = GetRelationship(vede);
  if (!link) return 0.0f;
  const float strength = std::max(link->GetStrength(), 0.25f);
  const int divisor = std::max(vede->CountFriendships() - 2, 1);
  return p * strength / (float)divisor;
}

void SIM_NPC::ConsiderInvitingVede() {
  if (SIM_GetSim()->GetTurnCount() == 0 || !DirectFriendOfVede() || !SIM_GetHealth()->IsHealthy()) return;
  if (IsBirthdayToday()) {
    OrganiseEvent();
    return;
  }
  const SIM_Relationship* link = GetRelationship(SIM_GetVede());
  GAssert(link != nullptr, __FILE__, __LINE__);
  if (!link) return;
  if (GRandom::IsChance(GetInviteChance())) OrganiseEvent();
}

int SIM_NPC::GetInviterPaysCost(SIM_SocialiseType* type) {
  const int32_t perHead = type->GetEffectiveCostPerHead();
  const int32_t host = type->GetHostCost();
  return host + perHead + (host == 0 ? perHead : 0);
}

void SIM_NPC::OrganiseEvent() {
  if (SIM_SocialiseType* type = SIM_SocialiseType::ChooseForNPC(this)) HostEvent(type);
}

void SIM_NPC::HostEvent(SIM_SocialiseType* type) {
  if (!type) return;

  SIM_SocialInvitation::IMPORTANCE importance = SIM_SocialInvitation::IMPORTANCE_NORMAL;
  if ((float)m_daysSinceImportantInvite > InviteGV("GV_IMPORTANT_INVITE_DELAY") && GRandom::IsChance(0.125f)) {
    importance = SIM_SocialInvitation::IMPORTANCE_IMPORTANT;
    m_daysSinceImportantInvite = 0;
  }
  if (IsBirthdayToday()) importance = SIM_SocialInvitation::IMPORTANCE_BIRTHDAY;

  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(this, type, importance);
  GAssert(invitation != nullptr, __FILE__, __LINE__);
  if (!invitation) return;
  invitation->AddAttendee(this);
  m_busy = true;

  const int cap = std::min((int)type->GetMaxAttendees(), kMaxHostedHeads);
  int heads = 2;
  SIM_Vede* vede = SIM_GetVede();
  // A copy: an answer may change the NPC's links.
  const std::list<SIM_Relationship*> links = m_relationships;
  for (SIM_Relationship* link : links) {
    if (heads >= cap) break;
    if (!link->Alive()) continue;
    SIM_Person* other = link->GetOther(this);
    if (!other || other == vede) continue;
    if (link->IsPlayerCreated() && !link->IsFriendship()) continue;
    SIM_NPC* guest = dynamic_cast<SIM_NPC*>(other);
    if (!guest || guest->IsHidden()) continue;
    if (guest->AcceptInvite(type, this)) {
      invitation->AddAttendee(guest);
      guest->SetBusy(true);
      ++heads;
    }
  }

  const SIM_Relationship* withVede = GetRelationship(vede);
  if (withVede && withVede->GetBalance() > 0.0f && withVede->GetStrength() > 0.5f) {
    const int cost = GetInviterPaysCost(type);
    if (cost > 0 && m_cash >= (float)cost) invitation->SetInviterPays(true);
  }

  invitation->ComposeInviteText();
  GUI_PhoneMessage::CreateSocialInvite(invitation);
  std::string line = GFormat("Event %s organised by %s", type->GetName().c_str(), m_fullName.c_str());
  if (line.size() > 255) line.resize(255);
  GetDebug()->DebugOut(line.c_str());
}

void SIM_NPC::Snub(SIM_SocialInvitation* invitation) {
  if (!invitation) return;
  const SIM_SocialInvitation::IMPORTANCE importance = invitation->GetImportance();
  if (importance == SIM_SocialInvitation::IMPORTANCE_NORMAL && HasAttribute("understanding")) {
    GUI_PhoneMessage::PrepareNPCMessage(this, GTranslation::GetString("NPC_UNDERSTANDING_NOTSNUBBED"));
    return;
  }
  const SnubSeverity severity = SeverityOf(importance);
  m_snubDelay = (int)((float)(5 + std::rand() % 3) * severity.multiplier);

  m_snubCause = invitation->GetType() ? invitation->GetType()->GetGUIName() : std::string();
  if (m_icon && m_icon->GetSnubIcon()) m_icon->GetSnubIcon()->Refresh(m_forename, m_snubCause);

  SIM_Vede* vede = SIM_GetVede();
  SIM_Relationship* link = GetRelationship(vede);
  if (link) {
    link->AdjustStrength(InviteGV("GV_SNUBRELEFFECT") * severity.multiplier);
    // The link may have ended the friendship by itself just now.
    if (!link->IsFriendship()) return;
  }

  m_snubCount += severity.weight;
  SIM_Romance* romance = SIM_GetRomance();
  const bool partner = romance->IsCurrentPartner(this);
  if (m_snubCount >= kSnubsToLoseAFriend) {
    if (link) {
      link->SetStrength(0.0f);
      link->SetFriendship(false);
      DemoteFromFriend();
    }
    if (partner) {
      romance->GetDumped();
    } else {
      GUI_PhoneMessage::PrepareNPCMessage(this, GTranslation::GetString("NPC_TOOMANYSNUBS"));
    }
    GUI_NPCIcon::PositionAll();
    SIM_GetScript()->StoreScript("lost_a_friend.txt");
    return;
  }

  switch (importance) {
    case SIM_SocialInvitation::IMPORTANCE_IMPORTANT:
      if (partner) {
        std::string text = GTranslation::GetString("SNUBBED_IMPORTANT_PARTNER");
        GTranslation::ReplaceToken(text, "<RAVEZIRER>", vede->GetForeName());
        GUI_PhoneMessage::PrepareNPCMessage(this, text);
      } else {
        GUI_PhoneMessage::PrepareNPCMessage(this, GTranslation::GetRandomString("SNUBBED_IMPORTANT"));
      }
      break;
    case SIM_SocialInvitation::IMPORTANCE_BIRTHDAY:
      GUI_PhoneMessage::PrepareNPCMessage(this, GTranslation::GetRandomString("SNUBBED_BIRTHDAY"));
      break;
    default:
      if (HasAttribute("neurotic")) {
        GUI_PhoneMessage::PrepareNPCMessage(this, GTranslation::GetString("NPC_SNUBBED_NEUROTIC"));
      }
      break;
  }
}

void SIM_NPC::MitigatedSnub(SIM_SocialInvitation* invitation) {
  ++m_snubCount;
  if (m_snubCount > 2) Snub(invitation);
}
