#include "SIM_BowlingTeam.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_MatchReport.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Postit.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "SIM_AchievementBase.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

SIM_BowlingTeam* SIM_GetBowlingTeam() {
  static SIM_BowlingTeam team;
  return &team;
}

void SIM_BowlingTeam::Reset() {
  SIM_StandInLog::Record("SIM_BowlingTeam::Reset");
  m_onTeam = false;
  m_hasBeenOnTeam = false;
}

void SIM_BowlingTeam::JoinTeam() {
  m_onTeam = true;
  SIM_NamedValueList::ForceGlobal("bowlingteam", 1.0f);
  m_hasBeenOnTeam = true;
  SIM_AchievementBase::AddAchievement("ACH_JOIN_BOWL");
  ArrangeNextMatch();
  GetDebug()->DebugOut("Bowling team: joined");
}

void SIM_BowlingTeam::ArrangeNextMatch() {
  const int days = 10 + std::rand() % 4;
  m_nextMatch.Set(SIM_Date::PPresentDay);
  m_nextMatch.IncrementDays(days);
  SIM_GetScheduledEvents()->ScheduleEvent("bowlingmatch", m_nextMatch, GTranslation::GetString("BOWLING_REMINDER"));
}

void SIM_BowlingTeam::Attended() {
  ArrangeNextMatch();
  GUI_Postit::RemoveByText(GTranslation::GetString("BOWLING_REMINDER"));
  SIM_Vede* vede = SIM_GetVede();
  const float form = std::clamp(
      vede->GetValue("confidence") + vede->GetValue("_energy") - vede->GetValue("alcohol") + vede->GetValue("bowling"),
      0.0f, 1.0f);
  const float score = Score(form, GRandom::RandReal(0.0f, 0.5f));
  if (score > 0.5f) {
    const float gain = SIM_GetGlobalVariables()->Get("GV_GAMESKILL_GAIN") * GRandom::RandReal(0.9f, 1.1f);
    vede->ApplyEffect("bowling", gain, 0.95f, "bowling");
  }
  if (score > 0.6f) {
    SIM_GetScript()->RunScript("won_bowling_match.txt", 1.0f);
  } else if (score < 0.4f) {
    SIM_GetScript()->RunScript("lost_bowling_match.txt", 1.0f);
  }
  GUI_MatchReport::Create(score);
}

void SIM_BowlingTeam::LeaveTeam() {
  m_onTeam = false;
  SIM_NamedValueList::ForceGlobal("bowlingteam", 0.0f);
  std::string text = GTranslation::GetString("BOWLING_LEAVE_TEXT");
  GTranslation::ReplaceToken(text, "<TOWNNAME>", GetGame()->GetTownName());
  GUI_PhoneMessage::CreateTextureMessage("bowling.dds", text, GTranslation::GetString("BOWLING_LEAVE_TITLE"),
                                         GTranslation::GetString("BOWLING_TEAM_SENDER"));
  SIM_AchievementBase::AddAchievement("ACH_LEAVE_BOWL");
  SIM_GetScript()->RunScript("bowling_team_kicked_off.txt", 1.0f);
  GetDebug()->DebugOut("Bowling team: dropped after a missed match");
}

void SIM_BowlingTeam::NextDay() {
  SIM_StandInLog::Record("SIM_BowlingTeam::NextDay");
  if (!m_onTeam) return;
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("confidence", 0.14f, 0.0f, "bowlingteam");
  vede->ApplyEffect("loneliness", -0.14f, 0.0f, "bowlingteam");
  if (m_nextMatch.IsInPast()) LeaveTeam();
}

// The match is played, then the alley is heard.
void SIM_HookBowlingMatch() {
  SIM_GetBowlingTeam()->Attended();
  GUI_GetSounds()->PlaySound("data/sounds/bowling.ogg", false);
}
