#include "GUI_Credits.h"

GUI_Credits* GUI_GetCredits() {
  static GUI_Credits* menu = new GUI_Credits;
  return menu;
}
