#pragma once
// The mobile phone on the in-game screen. Stand-in until the social screens arrives: every call is
// logged once and recorded (SIM_StandInLog).
class GUI_MobilePhone {
 public:
  void CheckRinging();
  void Initialise();  // a new or loaded game
  void Clicked();     // opens the inbox, as the P and Return keys do
  void StopSounds();  // the in-game mode is left
};

GUI_MobilePhone* GUI_GetMobilePhone();
