#pragma once
// The week strip at the top left of the in-game screen: today's day name in large letters, the
// month and year, how many activities the evening still allows, and seven day cells for today and
// the next six days. One instance, made by GUI_GetCalendar(); the in-game mode calls Initialise at
// a new game, and the simulation's calendar calls Refresh whenever its entries change.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "LibTextChunkList.h"

class GUI_CalendarDay;

class GUI_Calendar : public GUI_WindowBase {
 public:
  static constexpr int DAYS = 7;

  GUI_Calendar();
  ~GUI_Calendar() override;

  void Initialise();  // registers the window, lays it out and refreshes it
  void Refresh();     // the cells again; their texts are laid out anew at the next draw
  void Draw() override;
  void DrawPointer(float x, float y);

  GUI_CalendarDay* GetCell(int k) const { return (k >= 0 && k < DAYS) ? m_cells[k] : nullptr; }
  // The activity text for a number of activities remaining today.
  const std::string& GetActivityText(int remaining) const;
  const std::string& GetDayName(int dayOfWeek) const;

 private:
  std::string m_dayNames[DAYS];
  GUI_CalendarDay* m_cells[DAYS] = {};  // child windows
  CTexturedSprite m_pointer;
  CTexturedSprite m_background;
  std::string m_activityTexts[3];
  LibTextChunkList m_textCache;
};

GUI_Calendar* GUI_GetCalendar();
