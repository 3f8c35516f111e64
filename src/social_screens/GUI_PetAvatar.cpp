#include "GUI_PetAvatar.h"

#include "SIM_StandInLog.h"

GUI_PetAvatar* GUI_GetPetAvatar() {
  static GUI_PetAvatar pet;
  return &pet;
}

void GUI_PetAvatar::Draw() { STAND_IN(); }
