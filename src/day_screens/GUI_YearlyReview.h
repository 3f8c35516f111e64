#pragma once
// The yearly review. Stand-in until the day screens arrive: opening it stops the play timer, as
// the real screen does, and is logged and counted; it stays open (PTheWindow) until closed.
class GUI_YearlyReview {
 public:
  virtual ~GUI_YearlyReview();  // clears PTheWindow when it is this one

  static void Create();
  static void Close();
  // The continue button: closes the review, then the night's last step runs, the next morning.
  static void Continue(int);

  static int CreatedCount;              // how often it was opened
  static GUI_YearlyReview* PTheWindow;  // the open review (also the end-of-game screen), or null
};
