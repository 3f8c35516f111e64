#include "GUI_Relationship.h"

#include "SIM_StandInLog.h"

GUI_Relationship* GUI_Relationship::Create(SIM_Relationship* link) {
  STAND_IN();
  return link ? new GUI_Relationship(link) : nullptr;
}

void GUI_Relationship::DrawAll() { STAND_IN(); }
