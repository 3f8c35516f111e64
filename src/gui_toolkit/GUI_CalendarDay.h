#pragma once
// One day cell of the calendar strip: the short day name, a marker under today, and an icon with
// a tooltip on days that hold calendar entries. Cell k shows the day k steps after today.
#include <cstdint>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_Tooltip;

class GUI_CalendarDay : public GUI_WindowBase {
 public:
  explicit GUI_CalendarDay(int32_t day);
  ~GUI_CalendarDay() override;

  void Refresh();  // label and tooltip from today's date and the calendar's entries
  void ProcessInput() override;
  void Draw() override;

  bool HasEntries() const;
  int32_t GetDay() const { return m_day; }
  const std::string& GetLabel() const { return m_label; }
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }

 private:
  int32_t m_day;
  std::string m_label;
  CTexturedSprite m_cell;
  CTexturedSprite m_icon;
  GUI_Tooltip* m_tooltip;  // owned
};
