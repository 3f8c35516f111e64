#pragma once
// The contact icons of the player's friends. Stand-in until the social screens arrives: every call
// is logged once and recorded (SIM_StandInLog).
class GUI_NPCIcon {
 public:
  static void PositionAll();
};
