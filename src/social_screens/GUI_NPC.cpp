#include "GUI_NPC.h"

#include "SIM_StandInLog.h"

bool GUI_NPC::CheckRightClickAll() {
  STAND_IN();
  return false;
}
