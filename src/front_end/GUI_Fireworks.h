#pragma once
// The firework display over the end-of-game screen. Stand-in until the scenery's effects arrive:
// starting and drawing a display are logged, and nothing is drawn.
class GUI_Fireworks {
 public:
  void FireworkDisplay();  // starts a display
  void Draw();
};

// The one display, made on first use and kept until the process ends.
GUI_Fireworks* GetFireworks();
