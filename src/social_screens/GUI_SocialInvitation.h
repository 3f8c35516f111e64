#pragma once
// The invitation dialogs. Stand-in until the social screens arrives: every call is logged once and
// recorded (SIM_StandInLog).
class GUI_SocialInvitation {
 public:
  static void Clear();
};
