#pragma once
// The phone's inbox. Stand-in until the social screens arrives: every call is logged once and
// recorded (SIM_StandInLog).
class GUI_MobilePhoneInbox {
 public:
  static void Close(int);
  static void Hide(int);  // slides the inbox away
  static bool IsOpen();   // never, until the inbox exists
};
