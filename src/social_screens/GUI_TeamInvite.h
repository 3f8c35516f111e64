#pragma once
// The bowling team's invitation. Stand-in until the team arrives: opening it is logged.
class GUI_TeamInvite {
 public:
  static void Create();
};
