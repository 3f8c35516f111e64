#include "GUI_MenuNew.h"

GUI_MenuNew* GUI_MenuNew::Get() {
  static GUI_MenuNew* menu = new GUI_MenuNew;
  return menu;
}
