#pragma once
// The achievements the player earns. Stand-in until the activities subsystem arrives: every call is
// logged once and recorded (SIM_StandInLog).
class SIM_AchievementBase {
 public:
  static void Open();
  static void AddAchievement(const char* key);  // awards the achievement once
};
