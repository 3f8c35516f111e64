#include "GUI_MenuOptions.h"

GUI_MenuOptions* GUI_GetMenuOptions() {
  static GUI_MenuOptions* menu = new GUI_MenuOptions;
  return menu;
}
