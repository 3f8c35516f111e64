#pragma once
// The crossword puzzles. Stand-in until the activities subsystem arrives: every call is logged once
// and recorded (SIM_StandInLog).
class GUI_Crossword {
 public:
  static void ClearSeenIDs();
};
