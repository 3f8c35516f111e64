#include "SIM_Projects.h"

#include <algorithm>
#include <cmath>

#include "ActivityHooks.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_ProjectDetails.h"
#include "GUI_Sounds.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SmallTalk.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"

namespace {

float Clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }
float Tuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }
void AddRenown(const char* key) { SIM_GetVorla()->AddEarnedVorla(Tuning(key)); }
void Applause() { GUI_GetSounds()->PlaySound("data/sounds/applause.ogg", false); }
void Topic(const char* key) { SIM_GetSmallTalk()->AddTempEvent(key, 4); }
std::string RandomTitle(const char* section) { return GTranslation::GetRandomString(section); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The science theory

SIM_ScienceTheory::SIM_ScienceTheory() { SIM_ScienceTheory::Reset(); }

void SIM_ScienceTheory::Reset() {
  SIM_AchievementBase::Reset();
  m_guiname = RandomTitle("sciencetheories");
}

void SIM_ScienceTheory::Develop() {
  SIM_Vede* vede = SIM_GetVede();
  const float d = Tuning("GV_DISC_THEORY_PROG");
  const float grounding = d * vede->GetValue("basic_chemistry") + d * vede->GetValue("basic_biology") +
                          d * vede->GetValue("basic_physics");
  AddChunk(Clamp01(0.25f + grounding) * vede->GetValue("iq"));
  GUI_GetSounds()->PlaySound("data/sounds/laboratory.ogg", false);
  if (!AddProgress(Tuning("GV_BASE_THEORY_PROG") * vede->GetConcentration())) GUI_ScienceTheoryDetails::Create();
}

void SIM_ScienceTheory::Complete() {
  m_quality = GetQuality();
  SIM_Vede* vede = SIM_GetVede();
  if (GRandom::IsChance(m_quality)) {
    AddRenown("VORLA_THEORY");
    vede->ApplyEffect("confidence", 0.4f, 0.65f, "good theory");
    ShowOutcome("THEORY_SUCCESS_TEXT", "THEORY_SUCCESS_TITLE", "<THEORYNAME>");
    Topic("SMALLTALK_THEORY_SUCCESS");
    Applause();
    AddAchievement("ACH_THEORY_SUC");
  } else {
    AddRenown("VORLA_THEORY_BAD");
    vede->ApplyEffect("confidence", -0.4f, 0.65f, "bad theory");
    ShowOutcome("THEORY_FAILURE_TEXT", "THEORY_FAILURE_TITLE", "<THEORYNAME>");
    Topic("SMALLTALK_THEORY_FAILURE");
    AddAchievement("ACH_THEORY_FAI");
  }
  Reset();
}

// ---------------------------------------------------------------------------------------------
// The news story: it moves only as fast as its quality, which comes from the people met lately.

SIM_NewsStory::SIM_NewsStory() { SIM_NewsStory::Reset(); }

void SIM_NewsStory::Reset() {
  SIM_AchievementBase::Reset();
  m_guiname = RandomTitle("newsstories");
}

void SIM_NewsStory::Develop() {
  const float contacts = Clamp01(0.05f * (float)SIM_NPC::CountRecentContacts());
  const float concentration = Clamp01(SIM_GetVede()->GetConcentration());
  const float q = Clamp01(contacts * concentration);
  AddChunk(q);
  GUI_GetSounds()->PlaySound("data/sounds/typing.ogg", false);
  if (!AddProgress(Tuning("GV_BASE_NEWSSTORY_PROG") * q)) GUI_JournalistStoryDetails::Create();
}

void SIM_NewsStory::Complete() {
  m_quality = GetQuality();
  SIM_Vede* vede = SIM_GetVede();
  if (GRandom::IsChance(m_quality)) {
    AddRenown("VORLA_NEWSSTORY");
    vede->ApplyEffect("confidence", 0.3f, 0.8f, "news story");
    ShowOutcome("NEWSSTORY_SUCCESS_TEXT", "NEWSSTORY_SUCCESS_TITLE", "<STORYNAME>");
    Topic("SMALLTALK_NEWSSTORY_SUCCESS");
    Applause();
    AddAchievement("ACH_STORY_SUC");
  } else {
    AddRenown("VORLA_NEWSSTORY_BAD");
    vede->ApplyEffect("confidence", -0.4f, 0.65f, "news story");
    ShowOutcome("NEWSSTORY_FAILURE_TEXT", "NEWSSTORY_FAILURE_TITLE", "<STORYNAME>");
    Topic("SMALLTALK_NEWSSTORY_FAILURE");
    AddAchievement("ACH_STORY_FAI");
  }
  Reset();
}

// ---------------------------------------------------------------------------------------------
// The screenplay

SIM_ScreenplayWriting::SIM_ScreenplayWriting() { SIM_ScreenplayWriting::Reset(); }

void SIM_ScreenplayWriting::Reset() {
  SIM_AchievementBase::Reset();
  m_guiname = RandomTitle("screenplays");
}

void SIM_ScreenplayWriting::Write() {
  SIM_Vede* vede = SIM_GetVede();
  const float p = vede->GetValue("culture") * Tuning("GV_SCREENPLAY_CULTMULT") + Tuning("GV_SCREENPLAY_PROGBASE");
  const float craft = vede->GetValue("xp_writing") * Tuning("GV_SCREENPLAY_QUALGAIN") + Tuning("GV_SCREENPLAY_QUALBASE");
  AddChunk(Clamp01(craft * GRandom::RandReal(0.8f, 1.2f)));
  AddProgress(p);
  GUI_GetSounds()->PlaySound("data/sounds/typing.ogg", false);
}

void SIM_ScreenplayWriting::Complete() {
  m_quality = GetQuality();
  SIM_Vede* vede = SIM_GetVede();
  // Writing a whole screenplay teaches the craft, whatever the studios think of it.
  vede->ApplyEffect("xp_writing", Tuning("GV_SCREENPLAY_XPPERBOOK"), 1.0f, "screenplay");
  if (GRandom::IsChance(m_quality)) {
    const float income =
        GRandom::RandReal(Tuning("GV_SCREENPLAY_MINROYALTY"), m_quality * Tuning("GV_SCREENPLAY_MAXROYALTY"));
    SIM_RoyaltyStream::Create(m_guiname, income, SIM_RoyaltyStream::TYPE_SCREENPLAY);
    ShowOutcome("SCREENPLAY_SUCCESS_TEXT", "SCREENPLAY_SUCCESS_TITLE", "<SCREENPLAYNAME>");
    Topic("SMALLTALK_SCREENPLAY_SUCCESS");
    Applause();
    AddRenown("VORLA_SCREENPLAY");
    AddAchievement("ACH_SCRE_SUC");
  } else {
    AddRenown("VORLA_SCREENPLAY_BAD");
    vede->ApplyEffect("confidence", -0.4f, 0.65f, "bad screenplay");
    ShowOutcome("SCREENPLAY_FAILURE_TEXT", "SCREENPLAY_FAILURE_TITLE", "<SCREENPLAYNAME>");
    Topic("SMALLTALK_SCREENPLAY_FAILURE");
    AddAchievement("ACH_SCRE_FAI");
  }
  Reset();
}

// ---------------------------------------------------------------------------------------------
// The song: best written very happy or very unhappy.

SIM_SongWriting::SIM_SongWriting() { SIM_SongWriting::Reset(); }

void SIM_SongWriting::Reset() {
  SIM_AchievementBase::Reset();
  m_guiname = RandomTitle("songtitles");
}

void SIM_SongWriting::Write() {
  SIM_Vede* vede = SIM_GetVede();
  const float instruments = vede->GetValue("music_guitar") + vede->GetValue("music_piano") + vede->GetValue("music_saxophone");
  const float p = Tuning("GV_BASE_SONGWRITE_PROG") + Tuning("GV_INST_SONGWRITE_PROG") * instruments;
  const float feeling = 2.0f * std::fabs(vede->GetValue("happiness") - 0.5f);
  AddChunk(Clamp01(feeling * GRandom::RandReal(0.95f, 1.05f)));
  AddProgress(p);
}

void SIM_SongWriting::Complete() {
  m_quality = GetQuality();
  if (GRandom::IsChance(m_quality)) {
    const float income = GRandom::RandReal(Tuning("GV_SONG_MINROYALTY"), m_quality * Tuning("GV_SONG_MAXROYALTY"));
    SIM_RoyaltyStream::Create(m_guiname, income, SIM_RoyaltyStream::TYPE_SONG);
    ShowOutcome("SONGWRITING_SUCCESS_TEXT", "SONGWRITING_SUCCESS_TITLE", "<SONGNAME>");
    Topic("SMALLTALK_SONGWRITE_SUCCESS");
    Applause();
    AddRenown("VORLA_SONG");
    AddAchievement("ACH_SON_SUC");
  } else {
    ShowOutcome("SONGWRITING_FAILED_TEXT", "SONGWRITING_FAILED_TITLE", "<SONGNAME>");
    Topic("SMALLTALK_SONGWRITE_FAILURE");
    AddAchievement("ACH_SON_FAI");
  }
  Reset();
}

// ---------------------------------------------------------------------------------------------

SIM_ScienceTheory* SIM_GetScienceTheory() {
  static SIM_ScienceTheory* theory = new SIM_ScienceTheory;
  return theory;
}

SIM_NewsStory* SIM_GetNewsStory() {
  static SIM_NewsStory* story = new SIM_NewsStory;
  return story;
}

SIM_ScreenplayWriting* SIM_GetScreenplayWriting() {
  static SIM_ScreenplayWriting* screenplay = new SIM_ScreenplayWriting;
  return screenplay;
}

SIM_SongWriting* SIM_GetSongWriting() {
  static SIM_SongWriting* song = new SIM_SongWriting;
  return song;
}

void SIM_ResetAllProjects() {
  SIM_GetScienceTheory()->Reset();
  SIM_GetNewsStory()->Reset();
  SIM_GetScreenplayWriting()->Reset();
  SIM_GetSongWriting()->Reset();
}

void SIM_HookDevelopTheory() { SIM_GetScienceTheory()->Develop(); }
void SIM_HookInvestigateStory() { SIM_GetNewsStory()->Develop(); }
void SIM_HookWriteScreenplay() { SIM_GetScreenplayWriting()->Write(); }
void SIM_HookWriteSong() { SIM_GetSongWriting()->Write(); }
