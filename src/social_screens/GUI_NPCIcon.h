#pragma once
// The contact icons of the player's friends. Stand-in until the social screens arrives: every call
// is logged once and recorded (SIM_StandInLog); there are no icons to draw or to click.
class GUI_NPCIcon {
 public:
  static void PositionAll();
  static void DrawAll();             // last of the in-game scene
  static void CheckClickAll();       // a left click that no window took
  static void CheckRightClickAll();  // a right click that no person window took
  static void ProcessInputAll();     // the hover, while the mouse moves are not eaten
};
