#pragma once
// The player's money with the currency code. It is in no window list: the control panel and the
// morning, work-day and shopping screens draw it, and should give it their per-frame input step
// (ProcessInput) so that its tooltip can show. One instance, made by GUI_GetCash().
#include <string>

#include "GUI_WindowBase.h"

class GUI_Tooltip;

class GUI_Cash : public GUI_WindowBase {
 public:
  GUI_Cash();
  ~GUI_Cash() override;

  void Initialise();  // 210 x 29 at (376, 722)
  void ProcessInput() override;
  void Draw() override;

  // "<currency> <amount>": below 100 with two decimals, from 100 up the whole part with commas.
  static std::string FormatCash(float cash, const char* currency);
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }
  bool IsLaidOut() const { return m_laidOut; }

 private:
  bool m_laidOut = false;
  std::string m_label;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
};

GUI_Cash* GUI_GetCash();
