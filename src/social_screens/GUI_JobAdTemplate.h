#pragma once
// The layouts of the job adverts. Stand-in until the social screens arrive: loading and freeing
// them is marked STAND_IN().
class GUI_JobAdTemplate {
 public:
  static void Open();   // once, when the in-game mode opens
  static void Close();  // once, when it closes
};
