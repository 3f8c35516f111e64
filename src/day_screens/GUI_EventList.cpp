#include "GUI_EventList.h"

GUI_EventList* GUI_GetEventList() {
  static GUI_EventList list;
  return &list;
}
