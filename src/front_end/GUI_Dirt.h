#pragma once
// The household-mess overlay. Stand-in until the scenery arrives: every call is marked
// STAND_IN() and nothing is drawn.
class GUI_Dirt {
 public:
  void Process();     // re-reads the dirt level
  void Initialise();  // builds the sprites for a new or loaded game
  void Clean();       // frees them when the in-game mode closes
  void Draw();        // the stains, hairs and paw prints of the home
};

GUI_Dirt* GUI_GetDirt();
