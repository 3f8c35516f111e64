#include "GUI_Relationship.h"

#include "SIM_StandInLog.h"

GUI_Relationship* GUI_Relationship::Create(SIM_Relationship* link) {
  SIM_StandInLog::Called("GUI_Relationship::Create");
  return link ? new GUI_Relationship(link) : nullptr;
}
