#include "GUI_CurrencyChooser.h"

GUI_CurrencyChooser* GUI_GetCurrencyChooser() {
  static GUI_CurrencyChooser* menu = new GUI_CurrencyChooser;
  return menu;
}
