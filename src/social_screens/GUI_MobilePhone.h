#pragma once
// The mobile phone on the in-game screen. Stand-in until the social screens arrives: every call is
// logged once and recorded (SIM_StandInLog).
class GUI_MobilePhone {
 public:
  void CheckRinging();
};

GUI_MobilePhone* GUI_GetMobilePhone();
