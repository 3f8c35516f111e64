#include "GUI_MenuSave.h"

GUI_MenuSave* GUI_GetMenuSave() {
  static GUI_MenuSave* menu = new GUI_MenuSave;
  return menu;
}
