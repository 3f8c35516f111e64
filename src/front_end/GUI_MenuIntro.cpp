#include "GUI_MenuIntro.h"

GUI_MenuIntro* GUI_GetMenuIntro() {
  static GUI_MenuIntro* menu = new GUI_MenuIntro;
  return menu;
}
