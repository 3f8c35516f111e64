#pragma once
// The player's drinking habit. Heavy drinking evening after evening builds up blood alcohol; past
// 1.0 the player is an alcoholic: sober evenings hurt, weekly meetings are booked, and sober
// evenings and meetings wear the addiction down until it is beaten. Drinking heavily again as an
// alcoholic brings the addiction back at full strength. One object for the whole run.
class SIM_Alcohol {
 public:
  void Initialise();  // sober, nothing in the blood
  void Process();     // once each evening
  void BecomeAlcoholic();
  void RecoverFromAlcoholism();
  void AffectMood();
  void PostLoad();  // a loaded alcoholic is booked into the next meeting
  void AttendMeeting();

  float GetBloodAlcohol() const { return m_bloodAlcohol; }
  float GetAddictionStrength() const { return m_addictionStrength; }
  bool IsAlcoholic() const { return m_alcoholic; }
  // The savegame's view.
  void Restore(float addictionStrength, bool alcoholic, float bloodAlcohol);

 private:
  // A meeting on the first date from today on (days ahead) whose day of the week is 1.
  void BookMeeting(int daysAhead);

  float m_addictionStrength = 0.0f;
  bool m_alcoholic = false;
  float m_bloodAlcohol = 0.0f;
};

SIM_Alcohol* HOOK_GetAlcohol();
