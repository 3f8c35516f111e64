#pragma once
// Industries of the job table. Stand-in until the work subsystem arrives.
class SIM_Industry {
 public:
  // Sets the game-wide value of every industry's name to 0.
  static void ClearGlobalFlags();
};
