#pragma once
// The report of a social evening. Stand-in until the social screens arrives: every call is logged
// once and recorded (SIM_StandInLog).
class GUI_PostMortem {
 public:
  static void Close();
  static void Reset();  // the layout after a change of screen size
};

