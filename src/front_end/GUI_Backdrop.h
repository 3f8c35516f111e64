#pragma once
// The town backdrop of the in-game view. Stand-in until the front end arrives: a plain daylight
// sky without the drink's sway, and every call marked STAND_IN().
class GUI_Backdrop {
 public:
  // Re-reads the player's "alcohol" value into the backdrop.
  static void Refresh();
  // The in-game view's backdrop, first of the scene every frame.
  void Draw();
  // The sky of the day's weather behind the diary pages.
  void DrawWeatherBackdrop();
};

GUI_Backdrop* GUI_GetBackdrop();
