#include "SIM_OutingInstances.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_BeerPostMortem.h"
#include "GUI_Gambling.h"
#include "GUI_MovieChooser.h"
#include "GUI_PostMortem.h"
#include "GUI_Sounds.h"
#include "GUI_TeamInvite.h"
#include "ProcessBase.h"
#include "SIM_AchievementBase.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_Movie.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

namespace {

float OutingTuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

// The most a drunk's temper can come to: even the unhappiest, most stressed drinker walks out
// peacefully one night in five.
constexpr float kMaxBrawlChance = 0.8f;
constexpr float kDrunkEnoughToFight = 0.75f;

}  // namespace

void SIM_MovieInstance::ProcessChunk() {
  if (IsVedeHost()) {
    // Nothing happens until a film is watched; closing the chooser leaves the evening free.
    GUI_MovieChooser::Create(this);
    return;
  }
  SIM_GetStatistics()->ChangeCounter(1, "MOVIES_SEEN");
  SIM_SocialiseInstance::ProcessChunk();
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("stress", -0.05f, 0.1f, "movie");
  vede->ApplyEffect("boredom", -0.25f, 0.1f, "movie");
}

void SIM_MovieInstance::WatchMovie() {
  GAssert(m_chosen != nullptr, __FILE__, __LINE__);
  if (!m_chosen) return;
  m_chosen->Watch();
  SIM_GetStatistics()->ChangeCounter(1, "MOVIES_SEEN");
  SIM_SocialiseInstance::ProcessChunk();
  if (m_atePopcorn) SIM_GetScript()->RunScript("ate_popcorn.txt", 1.0f);
  GUI_GetSounds()->PlaySound("data/sounds/projector.ogg", false);
}

void SIM_MovieInstance::EvaluateEventSuccess() {
  if (IsVedeHost()) {
    GAssert(m_chosen != nullptr, __FILE__, __LINE__);
    m_eventQuality = m_chosen ? m_chosen->GetQuality() : 0.0f;
  } else {
    m_eventQuality = GRandom::RandUnitFloat();
  }
  m_mood = SIM_GetVede()->GetValue("happiness");
}

SIM_RomanceInstance::SIM_RomanceInstance() { SetBackdrop("skyline_romance.jpg"); }

void SIM_RomanceInstance::ProcessChunk() {
  SIM_Vede* vede = SIM_GetVede();
  const float grubbiness = 1.0f - vede->GetValue("_cleanliness");
  if (grubbiness > 0.5f) {
    if (SIM_NPC* partner = SIM_GetRomance()->GetPartner()) {
      SIM_Relationship* link = partner->GetRelationship(vede);
      GAssert(link != nullptr, __FILE__, __LINE__);
      // Half the penalty, however grubby.
      if (link) link->AdjustStrength(SIM_GetGlobalVariables()->Get("GRUBBINESS_ROMANTIC_PENALTY") * 0.5f);
    }
  }
  SIM_SocialiseInstance::ProcessChunk();
}


// ---- The pub ---------------------------------------------------------------------------------

void SIM_BeerInstance::ProcessChunk() {
  if (!m_type || !GotViolentlyDrunk()) {
    SIM_SocialiseInstance::ProcessChunk();
    return;
  }
  ProcessBrawl();
}

bool SIM_BeerInstance::GotViolentlyDrunk() {
  if (!SIM_NamedValueList::Globals.IsTrue("alcoholic")) return false;
  SIM_Vede* vede = SIM_GetVede();
  if (vede->GetValue("alcohol") < kDrunkEnoughToFight) return false;
  const float chance = std::min(vede->GetValue("stress") + (1.0f - vede->GetValue("happiness")), kMaxBrawlChance);
  return GRandom::IsChance(chance);
}

void SIM_BeerInstance::ProcessBrawl() {
  if (SIM_Date::PPresentDay) m_date = *SIM_Date::PPresentDay;
  SIM_GetScript()->RunScript("bar_brawl.txt", 1.0f);
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Person* attendee : m_attendees) {
    const float loss = OutingTuning("GV_BRAWL_RELATION_LOSS");
    SIM_Relationship* link = attendee->GetRelationship(vede);
    if (!link) link = SIM_Relationship::Create(vede, attendee);
    if (link) link->AdjustStrength(loss);
  }
  ProcessBase::Cleanup();
  SIM_TimeChunk::ProcessChunk();
  // The "VARIABLE" marker is a price to be reckoned, never an amount: it would pay the player.
  int32_t bill = IsVedeHost() ? m_type->GetHostCost() : m_type->GetCostPerHead();
  if (bill == SIM_SocialiseType::kVariableCost) bill = m_type->GetEffectiveCostPerHead();
  if (bill > 0) SIM_GetFinances()->SpendCash((float)bill);
  ReduceLoneliness();
  BorePeople();
  SetSeenVede();
  AffectVede();
  GUI_BeerPostMortem::Create(this);
  SIM_AchievementBase::AddAchievement("ACH_PUB_DRUNKFIGHT");
}

// ---- Gambling --------------------------------------------------------------------------------

void SIM_GamblingInstance::ProcessChunk() {
  if (!m_type) {
    SIM_SocialiseInstance::ProcessChunk();  // reports the fault and uses the slot
    return;
  }
  SpendMoney();
  GUI_Gambling::Create(this);
}

void SIM_GamblingInstance::AddWinnings(int amount) {
  if (!MoreSpinsLeft()) {
    GWarnOnce("gambling-sixth-spin", "A sixth spin of one gambling evening was not recorded", __FILE__, __LINE__);
    return;
  }
  m_results[(size_t)m_spinsPlayed] = amount;
  ++m_spinsPlayed;
  SIM_GetStatistics()->ChangeCounter(amount, "ROULETTE_WINNINGS");
  // Measured against a day's pay; with no pay any real win or loss is felt in full, and nothing
  // won or lost is felt not at all.
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  const float earnings = job ? job->GetTodaysEarnings() : 0.0f;
  float ratio;
  if (amount == 0) {
    ratio = 0.0f;
  } else if (earnings <= 0.0f) {
    ratio = 1.0f;
  } else {
    ratio = std::clamp((float)std::abs(amount) / earnings, 0.0f, 1.0f);
  }
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("boredom", -0.2f * ratio, 0.5f, "gambling");
  vede->ApplyEffect("happiness", (amount >= 0 ? 0.2f : -0.2f) * ratio, 0.5f, "gambling");
  GUI_GetSounds()->PlaySound(amount >= 1 ? "data/sounds/ooh.ogg" : "data/sounds/ahh.ogg", false);
}

int SIM_GamblingInstance::GetWinnings(int index) const {
  return index >= 0 && index < kMaxSpins ? m_results[(size_t)index] : 0;
}

int SIM_GamblingInstance::GetTotalWinnings() const {
  int total = 0;
  for (int32_t result : m_results) total += result;
  return total;
}

void SIM_GamblingInstance::EvaluateEventSuccess() {
  m_eventQuality = std::clamp(0.5f + 0.01f * (float)GetTotalWinnings(), 0.0f, 1.0f);
  m_mood = SIM_GetVede()->GetValue("happiness");
}

void SIM_GamblingInstance::FinishGaming() {
  // The entry, a host's included, was paid when the evening started.
  const int32_t costPerHead = m_costPerHead;
  m_costPerHead = 0;
  m_entryPaid = true;
  SIM_SocialiseInstance::ProcessChunk();
  m_entryPaid = false;
  m_costPerHead = costPerHead;
}

// ---- Games -----------------------------------------------------------------------------------

void SIM_GameInstance::DisplayPostMortem() {
  CalculateVictory();
  ImproveSkill();
  ApplyGameEffects();
  GUI_PostMortem* report = GUI_PostMortem::Create(this);
  if (report) report->AddExtraText(GTranslation::GetString(m_victory > 0.5f ? "POSTMORTEM_GAME_WON" : "POSTMORTEM_GAME_LOST"));
}

void SIM_GameInstance::CalculateVictory() {
  m_victory = 0.5f;
  if (!m_type) return;
  const std::string& skill = m_type->GetName();
  SIM_Vede* vede = SIM_GetVede();
  const float mine = vede->GetValue(skill);
  float sum = 0.0f;
  int count = 0;
  for (SIM_Person* attendee : m_attendees) {
    if (attendee == vede) continue;
    if (auto* npc = dynamic_cast<SIM_NPC*>(attendee)) {
      sum += npc->GetValue(skill);
      ++count;
    }
  }
  // Alone at the board the player is their own match: an even game, decided by luck.
  const float mean = count > 0 ? sum / (float)count : mine;
  m_victory = std::clamp(mine - mean + 0.5f + GRandom::RandReal(-0.1f, 0.1f), 0.0f, 1.0f);
}

void SIM_GameInstance::ImproveSkill() {
  if (!m_type) return;
  SIM_Vede* vede = SIM_GetVede();
  if (m_victory >= 0.5f) {
    const float gain = OutingTuning("GV_GAMESKILL_GAIN") * GRandom::RandReal(0.9f, 1.1f);
    vede->ApplyEffect(m_type->GetName(), gain, OutingTuning("GAMESKILL_DEGRADE"), m_type->GetName());
  }
  for (SIM_Person* attendee : m_attendees) {
    if (attendee == vede) continue;
    if (auto* npc = dynamic_cast<SIM_NPC*>(attendee)) m_type->ResolveEvent(npc);
  }
}

void SIM_GameInstance::ApplyGameEffects() {
  if (!m_type) return;
  const float change = m_victory >= 0.5f ? (2.0f * m_victory - 1.0f) * OutingTuning("GV_WINGAME_CONFIDENCE")
                                         : (1.0f - 2.0f * m_victory) * OutingTuning("GV_LOSEGAME_CONFIDENCE");
  SIM_GetVede()->ApplyEffect("confidence", change, 0.75f, m_type->GetName());
}

// ---- Bowling and the nightclub ---------------------------------------------------------------

void SIM_BowlingInstance::ProcessChunk() { SIM_SocialiseInstance::ProcessChunk(); }

void SIM_BowlingInstance::AfterPostMortem() {
  SIM_BowlingTeam* team = SIM_GetBowlingTeam();
  if (!team->IsOnTeam() && !team->HasBeenOnTeam() && SIM_GetVede()->GetValue("bowling") > 0.5f) GUI_TeamInvite::Create();
  SIM_SocialiseInstance::AfterPostMortem();
}

SIM_NightclubInstance::SIM_NightclubInstance() { SetBackdrop("nightclub.jpg"); }
