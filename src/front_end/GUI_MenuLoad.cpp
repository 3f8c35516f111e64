#include "GUI_MenuLoad.h"

GUI_MenuLoad* GUI_GetMenuLoad() {
  static GUI_MenuLoad* menu = new GUI_MenuLoad;
  return menu;
}
