#include "SIM_SocialiseInstance.h"

#include <algorithm>
#include <set>

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_PhoneMessage.h"
#include "GUI_PostMortem.h"
#include "ProcessBase.h"
#include "SIM_Boredom.h"
#include "SIM_Description.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Memory.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_OutingInstances.h"
#include "SIM_PlayerOptions.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Script.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseEffect.h"
#include "SIM_SocialiseType.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Subsidies.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"

std::list<SIM_SocialiseInstance*> SIM_SocialiseInstance::All;

namespace {

float SocialTuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

SIM_NPC* AsNPC(SIM_Person* person) { return dynamic_cast<SIM_NPC*>(person); }

// Renown for one guest's enjoyment, and the most an evening earns that way.
constexpr float kRenownPerHappyGuest = 0.02f;
constexpr float kRenownPerUnhappyGuest = 0.01f;
constexpr float kMaxSocialRenown = 0.16f;

}  // namespace

SIM_SocialiseInstance::SIM_SocialiseInstance() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_SocialiseInstance::~SIM_SocialiseInstance() {
  All.remove(this);
  for (SIM_SocialiseEffect* effect : m_effects) delete effect;
}

void SIM_SocialiseInstance::Open() {
  SIM_StandInLog::Record("SIM_SocialiseInstance::Open");
  Close();
}

void SIM_SocialiseInstance::Close() {
  while (!All.empty()) delete All.front();
}

SIM_SocialiseInstance* SIM_SocialiseInstance::CreateInstanceFromType(SIM_SocialiseType* type) {
  if (!type) {
    GAssert(false, __FILE__, __LINE__);
    return nullptr;
  }
  const std::string& function = type->GetProcessFunction();
  if (function == "RESTAURANT") return new SIM_RestaurantInstance;
  if (function == "MOVIE") return new SIM_MovieInstance;
  if (function == "GAMBLING") return new SIM_GamblingInstance;
  if (function == "BEER") return new SIM_BeerInstance;
  if (function == "NIGHTCLUB") return new SIM_NightclubInstance;
  if (function == "ROMANTIC") return new SIM_RomanceInstance;
  if (function == "BOWLING") return new SIM_BowlingInstance;
  if (function == "GAME") return new SIM_GameInstance;
  return new SIM_SocialiseInstance;
}

SIM_SocialiseInstance* SIM_SocialiseInstance::Create(const std::list<SIM_Person*>& attendees, SIM_SocialiseType* type,
                                                     SIM_Person* host) {
  SIM_SocialiseInstance* instance = CreateInstanceFromType(type);
  if (!instance) return nullptr;
  for (SIM_Person* attendee : attendees) {
    if (!attendee) continue;
    if (SIM_NPC* npc = AsNPC(attendee)) npc->UnSnub();
    instance->m_attendees.push_back(attendee);
  }
  instance->m_type = type;
  instance->m_host = host;
  instance->m_costPerHead = type->GetCostPerHead();
  instance->ProcessChunk();
  return instance;
}

SIM_SocialiseInstance* SIM_SocialiseInstance::Create(SIM_SocialInvitation* invitation) {
  if (!invitation) {
    GAssert(false, __FILE__, __LINE__);
    return nullptr;
  }
  SIM_SocialiseInstance* instance = CreateInstanceFromType(invitation->GetType());
  if (!instance) return nullptr;
  // A guest who has left the player's world since the invitation came (a friendship lost in the
  // meantime) does not come.
  for (SIM_NPC* attendee : invitation->GetAttendees()) {
    if (attendee && !attendee->IsHidden()) instance->m_attendees.push_back(attendee);
  }
  instance->m_type = invitation->GetType();
  instance->m_host = invitation->GetInvitee();
  instance->m_costPerHead = invitation->GetCost();
  instance->ProcessChunk();
  return instance;
}

bool SIM_SocialiseInstance::IsVedeHost() const { return m_host && m_host == SIM_GetVede(); }

void SIM_SocialiseInstance::ProcessChunk() {
  if (!m_type) {
    GError("A social evening without a type", __FILE__, __LINE__);
    SIM_TimeChunk::ProcessChunk();
    return;
  }
  if (SIM_Date::PPresentDay) m_date = *SIM_Date::PPresentDay;
  GUI_ChangeNotifier::CloseAll();
  SIM_Script* script = SIM_GetScript();
  script->RunScript(m_type->GetAttendScript(), 1.0f);
  if (IsVedeHost()) script->RunScript(m_type->GetHostScript(), 1.0f);
  m_type->ApplyModifiers(1.0f);
  EvaluateEventSuccess();
  for (SIM_Person* attendee : m_attendees) EvaluateSocialImpact(attendee);
  ProcessBase::Cleanup();
  SIM_TimeChunk::ProcessChunk();
  SpendMoney();
  ReduceLoneliness();
  BorePeople();
  SetSeenVede();
  AffectVede();
  CreateMemories();
  BoostMeetingCounts();
  DiscoverPeoplesInterests();
  CalculateVorla();
  AffectPartner();
  ImproveSocialSkills();
  if (IsVedeHost()) SIM_GetVorla()->AddEarnedVorla(m_socialVorla + m_uniqueActivityVorla);
  DisplayPostMortem();
  SIM_GetDescription()->AddNounCandidate(m_type->GetOrganiserDescription(), SocialTuning("SOCIALISE_DESC_NOUN_VALUE"));
  SIM_Statistics* statistics = SIM_GetStatistics();
  statistics->ChangeCounter(1, "DAYS_SOCIAL");
  statistics->IncrementActivity(m_type->GetName(), m_type->GetGUIName());
}

void SIM_SocialiseInstance::EvaluateEventSuccess() {
  m_eventQuality = m_type ? m_type->GetEventQuality() : 0.0f;
  // A friend's evening is never a disaster for the guest: the friend made it worth going.
  if (!IsVedeHost() && m_eventQuality < 0.5f) m_eventQuality = 0.5f;
  m_mood = std::clamp(SIM_GetVede()->GetValue("happiness") + 0.1f, 0.0f, 1.0f);
}

void SIM_SocialiseInstance::EvaluateSocialImpact(SIM_Person* attendee) {
  const int n = (int)m_attendees.size();
  if (!attendee || n == 0) return;
  auto* effect = new SIM_SocialiseEffect(attendee, this, 1.0f / (float)n);
  effect->SetHost(m_host);
  effect->SetAttendence(n);
  effect->SetFactor(SOCIAL_EFFECT_MOOD, m_mood);
  effect->SetFactor(SOCIAL_EFFECT_EVENTQUALITY, m_eventQuality);
  float attraction = attendee->GetActivityAttractiveness(m_type);
  if (attendee == m_host) attraction = std::max(attraction, 0.5f);
  effect->SetFactor(SOCIAL_EFFECT_ACTIVITYATTRACTIVENESS, attraction);

  float chemistry = -1.0f;
  SIM_Person* best = nullptr;
  for (SIM_Person* other : m_attendees) {
    if (other == attendee) continue;
    float c = SIM_Person::GetChemistry(attendee, other);
    if (c > chemistry) {
      chemistry = c;
      best = other;
    }
  }
  if (n > 1) {
    if (GetFirstPersonality("charismatic", attendee)) chemistry *= 2.0f;
    if (GetFirstPersonality("irritating", attendee)) chemistry *= 0.5f;
  } else {
    chemistry = 0.5f;
  }
  chemistry = std::clamp(chemistry, 0.0f, 1.0f);
  effect->SetBestChemistry(best);
  effect->SetFactor(SOCIAL_EFFECT_BESTCHEMISTRY, chemistry);

  float average = (m_mood + m_eventQuality + attraction + chemistry) / 4.0f;
  effect->SetEnjoyment(average);
  float change = (average - 0.5f) / (float)n;
  if (change >= 0.0f) {
    change = std::clamp(change * SocialTuning("GV_SOCIALISE_BOOST_SCALAR"), 0.0f, 1.0f);
  } else {
    change *= 0.5f;
  }
  SIM_Vede* vede = SIM_GetVede();
  SIM_Relationship* link = attendee->GetRelationship(vede);
  if (!link) link = SIM_Relationship::Create(vede, attendee);
  if (link) link->AdjustStrength(change);
  effect->SetRelationChangeWithVede(change);
  effect->Calculate();
  m_effects.push_back(effect);
}

void SIM_SocialiseInstance::SpendMoney() {
  // "VARIABLE" is the kinds' own marker: a plain evening charges what the type is reckoned at,
  // and nobody is ever paid for going out.
  int32_t perHead = m_costPerHead == SIM_SocialiseType::kVariableCost ? m_type->GetEffectiveCostPerHead() : m_costPerHead;
  perHead = std::max(perHead, 0);
  int32_t amount;
  if (!IsVedeHost()) {
    amount = m_type->GetProcessFunction() == "RESTAURANT" ? 0 : perHead;
  } else if (m_type->GetHostCost() == 0) {
    amount = perHead;
    if (m_type->GetName() == "golf" && SIM_NamedValueList::Globals.IsTrue("golfclubs")) amount /= 2;
  } else {
    amount = m_type->GetHostCost();
  }
  if (amount > 0 && !m_entryPaid) SIM_GetFinances()->SpendCash((float)amount);
  for (SIM_Person* attendee : m_attendees) {
    if (SIM_NPC* npc = AsNPC(attendee)) npc->SpendMoney((float)perHead);
  }
  SIM_Subsidies::Pay(m_type, perHead);
  SIM_Subsidies::Clear();
}

void SIM_SocialiseInstance::ReduceLoneliness() {
  float amount = 0.0f;
  float term = 0.15f;
  for (size_t i = 0; i < m_attendees.size(); ++i, term *= 0.5f) amount += term;
  SIM_GetVede()->ApplyEffect("loneliness", -amount, 0.5f, m_type->GetGUIName());
}

void SIM_SocialiseInstance::BorePeople() {
  SIM_Vede* vede = SIM_GetVede();
  if (vede->IsBored(m_type)) SIM_GetScript()->RunScript("bored_by_social_choice.txt", 1.0f);
  for (SIM_Person* attendee : m_attendees) {
    if (SIM_Boredom* boredom = attendee->GetBoredom()) boredom->AddEffect(m_type->GetName(), 1.0f);
  }
  if (m_host && m_host->GetBoredom()) m_host->GetBoredom()->AddEffect(m_type->GetName(), 0.8f);
}

void SIM_SocialiseInstance::SetSeenVede() {
  for (SIM_Person* attendee : m_attendees) {
    if (SIM_NPC* npc = AsNPC(attendee)) {
      npc->ResetDaysSinceSeen();
      npc->SetIntroduced(true);
    }
  }
}

void SIM_SocialiseInstance::AffectVede() {
  for (SIM_SocialiseEffect* effect : m_effects) effect->AffectVede();
  SIM_GetScript()->RunScript(IsVedeHost() ? "arranged_social_event.txt" : "attended_social_event.txt", 1.0f);
  if (m_attendees.size() > 2) {
    int steps = std::min((int)m_attendees.size() - 2, 5);
    SIM_GetVede()->ApplyEffect("extravert", (float)steps * SocialTuning("SOCIALISE_EXTRAVERT_BOOST"),
                               SocialTuning("_EXTRAVERT_DEGRADE"), "large social event");
  }
}

void SIM_SocialiseInstance::CreateMemories() {
  auto effect = m_effects.begin();
  for (SIM_Person* attendee : m_attendees) {
    if (effect == m_effects.end()) break;
    SIM_NPC* npc = AsNPC(attendee);
    if (npc && npc->GetMemory()) npc->GetMemory()->AddEventMemory(m_type, (*effect)->GetEnjoyment());
    ++effect;
  }
}

void SIM_SocialiseInstance::BoostMeetingCounts() {
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Person* attendee : m_attendees) {
    SIM_NPC* npc = AsNPC(attendee);
    if (!npc || npc->IsHidden()) continue;
    SIM_Relationship* link = npc->GetRelationship(vede);
    GAssert(link != nullptr, __FILE__, __LINE__);
    if (link) link->IncreaseMeetingCount();
  }
  // The pair (A, B) and the pair (B, A) share one link: it is boosted once.
  std::set<SIM_Relationship*> boosted;
  const float gain = SocialTuning("GV_NPCREL_GAIN");
  for (SIM_Person* a : m_attendees) {
    for (SIM_Person* b : m_attendees) {
      if (a == b || a == vede || b == vede) continue;
      SIM_NPC* npcA = AsNPC(a);
      SIM_NPC* npcB = AsNPC(b);
      if ((npcA && npcA->IsHidden()) || (npcB && npcB->IsHidden())) {
        GWarnOnce("boostmeeting-hidden", "skipping hidden npc in boostmeeting", __FILE__, __LINE__);
        continue;
      }
      SIM_Relationship* link = a->GetRelationship(b);
      if (!link) {
        link = SIM_Relationship::Create(a, b);
        if (link && IsVedeHost()) link->SetPlayerCreated(true);
      }
      if (!link || !boosted.insert(link).second) continue;
      link->IncreaseMeetingCount();
      link->AdjustStrength(gain * SIM_Person::GetChemistry(a, b));
    }
  }
}

void SIM_SocialiseInstance::DiscoverPeoplesInterests() {
  const int count = (int)SocialTuning("GV_INTERESTS_DISCOVERED_PER_MEET");
  for (SIM_Person* attendee : m_attendees) {
    for (int i = 0; i < count; ++i) attendee->GetInterests().UnhideNextInterest();
  }
}

void SIM_SocialiseInstance::CalculateVorla() {
  m_socialVorla = 0.0f;
  m_uniqueActivityVorla = 0.0f;
  for (SIM_SocialiseEffect* effect : m_effects) {
    if (effect->GetEnjoyment() > 0.6f) {
      m_socialVorla += kRenownPerHappyGuest;
    } else if (effect->GetEnjoyment() < 0.5f) {
      m_socialVorla -= kRenownPerUnhappyGuest;
    }
  }
  m_socialVorla = std::min(m_socialVorla, kMaxSocialRenown);
  if (SIM_GetVorla()->AddUniqueActivity(m_type->GetName())) m_uniqueActivityVorla = 0.01f;
}

void SIM_SocialiseInstance::AffectPartner() {
  SIM_Romance* romance = SIM_GetRomance();
  SIM_NPC* partner = romance->GetPartner();
  if (!partner || partner->IsHidden()) return;
  if (partner == m_host || std::find(m_attendees.begin(), m_attendees.end(), partner) != m_attendees.end()) {
    romance->ResetDaysApart();
    return;
  }
  SIM_Relationship* link = partner->GetRelationship(SIM_GetVede());
  if (!link) {
    GError("No partner relationship", __FILE__, __LINE__);
    return;
  }
  SIM_Person* other = nullptr;
  if (WasAloneWithOppositeSex(other)) {
    link->AdjustStrength(SocialTuning("GV_SOCIALISE_ALONE_WITHOUT_PARTNER"));
    if (SIM_NPC* stillPartner = romance->GetPartner()) {
      std::string text = GTranslation::GetRandomString("ROMANCE_DATE_WITHOUT_ME");
      GTranslation::ReplaceToken(text, "<NPCNAME>", other ? other->GetForeName() : std::string());
      GUI_PhoneMessage::PrepareNPCMessage(stillPartner, text);
    }
    return;
  }
  float change = partner->IsInterested(m_type) ? SocialTuning("GV_SOCIALISE_SNUB_PARTNER_INTERESTED")
                                               : SocialTuning("GV_SOCIALISE_SNUB_PARTNER");
  change += SocialTuning("GV_SOCIALISE_SNUB_PARTNER_PER_INVITEE") * (float)m_attendees.size();
  link->AdjustStrength(change);
}

void SIM_SocialiseInstance::ImproveSocialSkills() {
  if (m_attendees.size() < 4 || !IsVedeHost()) return;
  for (SIM_SocialiseEffect* effect : m_effects) {
    if (effect->GetEnjoyment() < 0.5f) return;
  }
  SIM_GetScript()->RunScript("organised_big_positive_event.txt", 1.0f);
}

void SIM_SocialiseInstance::DisplayPostMortem() { GUI_PostMortem::Create(this); }

void SIM_SocialiseInstance::AfterPostMortem() {
  if (IsVedeHost()) SIM_TimeChunkType::UnlockPoints += (float)m_attendees.size();
  SIM_SoloActivityType::CheckUnlocks();
  SIM_SocialiseType::CheckUnlocks();
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Person* attendee : m_attendees) {
    if (SIM_Relationship* link = attendee->GetRelationship(vede)) link->CheckForRomance();
  }
}

int SIM_SocialiseInstance::CountPersonalities(const char* characterType, const SIM_Person* person) const {
  int count = 0;
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Person* attendee : m_attendees) {
    if (attendee == person || attendee == vede) continue;
    SIM_NPC* npc = AsNPC(attendee);
    if (npc && npc->HasCharacterType(characterType)) ++count;
  }
  if (m_host && m_host != vede && m_host != person) {
    SIM_NPC* npc = AsNPC(m_host);
    if (npc && npc->HasCharacterType(characterType)) ++count;
  }
  return count;
}

SIM_Person* SIM_SocialiseInstance::GetFirstPersonality(const char* characterType, const SIM_Person* person) const {
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Person* attendee : m_attendees) {
    if (attendee == person || attendee == vede) continue;
    SIM_NPC* npc = AsNPC(attendee);
    if (npc && npc->HasCharacterType(characterType)) return attendee;
  }
  if (m_host && m_host != vede && m_host != person) {
    SIM_NPC* npc = AsNPC(m_host);
    if (npc && npc->HasCharacterType(characterType)) return m_host;
  }
  return nullptr;
}

bool SIM_SocialiseInstance::WasAloneWithOppositeSex(SIM_Person*& other) const {
  if (m_attendees.size() != 1) return false;
  SIM_Vede* vede = SIM_GetVede();
  SIM_Person* candidate = IsVedeHost() ? m_attendees.front() : m_host;
  if (!candidate) return false;
  bool counts = candidate->GetGender() != vede->GetGender() || SIM_GetPlayerOptions()->GetToggle(2);
  if (counts) other = candidate;
  return counts;
}
