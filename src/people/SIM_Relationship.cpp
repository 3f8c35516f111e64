#include "SIM_Relationship.h"

#include <algorithm>
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_NPCIcon.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Relationship.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"
#include "SIM_Script.h"
#include "SIM_Vede.h"
#include "SIM_StandInLog.h"

std::list<SIM_Relationship*> SIM_Relationship::All;
bool SIM_Relationship::BPromotionsBlocked = false;

namespace {

float GV(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

// The smallest daily loss of a link that decays at all, so weak links do fade out.
constexpr float kMinDecay = 0.005f;
// A player can keep this many friends at most; promotion stops there.
constexpr int kMaxFriends = 9;
}  // namespace

SIM_Relationship* SIM_Relationship::Create(SIM_Person* a, SIM_Person* b) {
  GAssert(a != nullptr, __FILE__, __LINE__);
  GAssert(b != nullptr, __FILE__, __LINE__);
  if (!a || !b) {
    GError("Nonsense relationship created", __FILE__, __LINE__);
    return nullptr;
  }
  // Someone who has left the player's world (a lost friend's circle goes with them, even in the
  // middle of an evening they attend) takes no new link: it would outlive them.
  for (SIM_Person* person : {a, b}) {
    if (const SIM_NPC* npc = dynamic_cast<SIM_NPC*>(person); npc && npc->IsHidden()) return nullptr;
  }
  return new SIM_Relationship(a, b);
}

SIM_Relationship::SIM_Relationship(SIM_Person* a, SIM_Person* b) : m_pers1(a), m_pers2(b) {
  // Links left at exit (the player's own among them) are freed with the town.
  RegisterExitCleanup(SIM_NPC::Close);
  All.push_back(this);
  a->AddRelationship(this);
  b->AddRelationship(this);
  m_display = GUI_Relationship::Create(this);
  const SIM_Person* vede = SIM_GetVede();
  m_involvesPlayer = a == vede || b == vede;
}

SIM_Relationship::~SIM_Relationship() {
  // A link freed while still alive (it never is in play) leaves its persons first.
  if (m_pers1) m_pers1->RemoveRelationship(this);
  if (m_pers2) m_pers2->RemoveRelationship(this);
  delete m_display;
  All.remove(this);
}

void SIM_Relationship::Delete() {
  ProcessBase::Delete();
  m_pers1 = nullptr;
  m_pers2 = nullptr;
  delete m_display;
  m_display = nullptr;
}

void SIM_Relationship::SetStrength(float strength) {
  m_strength = strength;
  if (GV("GV_FRIEND_LOST_THRESHHOLD") > strength) m_friendship = false;
  if (strength > GV("GV_FRIEND_GAIN_THRESHHOLD")) m_friendship = true;
}

void SIM_Relationship::AdjustStrength(float delta) {
  const bool wasFriendship = m_involvesPlayer && m_friendship;
  m_strength = std::clamp(m_strength + delta, 0.0f, 1.0f);
  if (!m_involvesPlayer || !m_pers1 || !m_pers2) return;

  SIM_Vede* vede = SIM_GetVede();
  SIM_NPC* npc = dynamic_cast<SIM_NPC*>(GetOther(vede));
  if (!npc) return;

  if (wasFriendship) {
    if (!(GV("GV_FRIEND_LOST_THRESHHOLD") > m_strength)) return;
    SIM_Romance* romance = SIM_GetRomance();
    const bool partner = romance->HasPartner() && romance->IsCurrentPartner(npc);
    if (partner) romance->GetDumped();
    m_friendship = false;
    // Hiding deletes this link; the NPC itself stays (hidden) for the message.
    npc->DemoteFromFriend();
    GUI_NPCIcon::PositionAll();
    if (!partner) {
      GUI_PhoneMessage::PrepareNPCMessage(npc, GTranslation::GetRandomString("NPC_FRIEND_LOST_TEXT"));
      SIM_GetScript()->StoreScript("lost_a_friend.txt");
    }
    return;
  }

  if (m_strength > GV("GV_FRIEND_GAIN_THRESHHOLD") && m_meetingCount > 2 && !BPromotionsBlocked &&
      vede->CountFriendships() < kMaxFriends) {
    m_friendship = true;
    npc->PromoteToFriend();
    PreventFurtherPromotions();
  }
}

void SIM_Relationship::Process() {
  if (!Alive()) return;
  float decay = 0.0f;
  if (m_involvesPlayer) {
    decay = m_strength * 0.75f * GV("GV_REL_DEGRADERATE");
  } else if (m_playerCreated && m_strength < GV("GV_MINREL_SELFSUSTAIN")) {
    decay = m_strength * GV("GV_REL_DEGRADERATE");
  }
  if (decay == 0.0f) return;
  if (decay < kMinDecay) decay = kMinDecay;
  AdjustStrength(-decay);
}

void SIM_Relationship::CheckForRomance() {
  SIM_Vede* vede = SIM_GetVede();
  if (!Contains(vede)) return;
  SIM_NPC* npc = dynamic_cast<SIM_NPC*>(GetOther(vede));
  if (!npc) return;
  SIM_Romance* romance = SIM_GetRomance();
  if (romance->IsCurrentPartner(npc)) {
    if (GV("GV_ROMANCE_BUSTUP_THRESHHOLD") > m_strength) romance->GetDumped();
    return;
  }
  const float c = npc->GetRomanticCompatibility();
  if (romance->HasPartner() || !(c > 0.0f) || m_meetingCount <= 4) return;
  float x = 1.0f - c;
  const float grubbiness = 1.0f - vede->GetValue("_cleanliness");
  if (grubbiness > 0.5f) x += GV("GRUBBINESS_ROMANCE_EFFECT") * (grubbiness - 0.5f);
  x = std::clamp(x, 0.0f, 1.0f);
  const float threshold = GV("GV_ROMANCE_BEGIN_THRESHHOLD") + GV("GV_ROMANCE_BEGIN_ATTRACT_SCALAR") * x;
  if (m_strength >= threshold) romance->RomanticOffer(npc);
}

float SIM_Relationship::GetVorlaGenerated() const {
  return m_playerCreated && m_strength > 0.2f ? 4.0f * m_strength : 0.0f;
}

void SIM_Relationship::AllowPromotions() {
  SIM_StandInLog::Record("SIM_Relationship::AllowPromotions");
  BPromotionsBlocked = false;
}
