#include "GUI_AmbientSounds.h"

#include "SIM_StandInLog.h"

GUI_AmbientSounds* GUI_GetAmbientSounds() {
  static GUI_AmbientSounds sounds;
  return &sounds;
}

void GUI_AmbientSounds::Process() { STAND_IN(); }
