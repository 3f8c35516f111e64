#pragma once
// The book-details dialog. Stand-in until the activities subsystem arrives: every call is logged
// once and recorded (SIM_StandInLog).
class GUI_BookDetails {
 public:
  static void Close();
};
