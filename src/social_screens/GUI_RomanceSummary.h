#pragma once
// The window about the player's romance. Stand-in until the romance arrives: opening it says so
// once in the debug log.
class GUI_RomanceSummary {
 public:
  static void Create();
};
