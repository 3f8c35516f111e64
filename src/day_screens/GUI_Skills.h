#pragma once
// The skills panel of the day-cycle screens. Stand-in until those screens arrive: never open, so
// skill changes show no marker; Refresh says so once in the debug log.
#include <string>

class GUI_Indicator;

class GUI_Skills {
 public:
  GUI_Indicator* GetIndicator(const std::string& name);
  void Refresh();
  // The markers of its skill rows; the mind state calls both every frame while the panel is open.
  void DrawNotification() {}
  void DrawNotificationText() {}

  static GUI_Skills* PTheWindow;  // the open panel, or null
};
