#pragma once
// The town backdrop. Stand-in until the front end arrives.
class GUI_Backdrop {
 public:
  // Re-reads the player's "alcohol" value into the backdrop.
  static void Refresh();
};
