#pragma once
// The animated sky behind the in-game view and the diary screens. Stand-in until the scenery
// arrives: every call is marked STAND_IN().
class GUI_AdvancedBackdrop {
 public:
  void Reset();  // lays the sky out for the present screen size
  // Switches to a style at once, without a blend; the main menu asks for style 1.
  void ForceStyle(int style);
  // The whole sky for one frame; drunk sways the skyline. Stand-in: a plain daylight sky.
  void Draw(bool drunk);
};

GUI_AdvancedBackdrop* GUI_GetAdvancedBackdrop();
