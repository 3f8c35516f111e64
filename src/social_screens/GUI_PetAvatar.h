#pragma once
// The player's pet on the in-game scene. Stand-in until the pets arrive: drawing is marked
// STAND_IN() and draws nothing.
class GUI_PetAvatar {
 public:
  void Draw();
};

GUI_PetAvatar* GUI_GetPetAvatar();
