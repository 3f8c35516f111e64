#pragma once
// The four long projects: a science theory, a news story, a screenplay and a song. Each is one
// object for the whole run, reached through its accessor; its hook runs one evening's work.
#include "SIM_AchievementBase.h"

class SIM_ScienceTheory : public SIM_AchievementBase {
 public:
  SIM_ScienceTheory();
  void Reset() override;
  void Complete() override;
  void Develop();
};

class SIM_NewsStory : public SIM_AchievementBase {
 public:
  SIM_NewsStory();
  void Reset() override;
  void Complete() override;
  void Develop();
};

class SIM_ScreenplayWriting : public SIM_AchievementBase {
 public:
  SIM_ScreenplayWriting();
  void Reset() override;
  void Complete() override;
  void Write();
};

class SIM_SongWriting : public SIM_AchievementBase {
 public:
  SIM_SongWriting();
  void Reset() override;
  void Complete() override;
  void Write();
};

SIM_ScienceTheory* SIM_GetScienceTheory();
SIM_NewsStory* SIM_GetNewsStory();
SIM_ScreenplayWriting* SIM_GetScreenplayWriting();
SIM_SongWriting* SIM_GetSongWriting();

// A new game in the same run starts every project afresh.
void SIM_ResetAllProjects();
