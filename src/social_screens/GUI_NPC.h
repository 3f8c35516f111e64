#pragma once
// The person windows opened from the people's icons. Stand-in until the social screens arrive:
// every call is marked STAND_IN(); no window is ever open.
class GUI_NPC {
 public:
  // An open person window under the mouse closes and takes the right click (true).
  static bool CheckRightClickAll();
};
