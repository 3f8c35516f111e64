#include "GUI_CalendarDay.h"

#include <cstdio>

#include "GTranslation.h"
#include "GUI_Calendar.h"
#include "GUI_Tooltip.h"
#include "LibTextEngine.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"

namespace {
constexpr float kCellSize = 32.0f;
constexpr float kIconSize = 24.0f;
}  // namespace

GUI_CalendarDay::GUI_CalendarDay(int32_t day) : m_day(day) {
  m_cell.SetTexture("calendar_day.dds");
  m_cell.SetSize(kCellSize, kCellSize);
  m_icon.SetTexture("calendar_icon.dds");
  m_icon.SetSize(kIconSize, kIconSize);
  m_icon.SetVertexColor(3, 168, 203, 255);
  m_tooltip = new GUI_Tooltip("", 30);
  m_tooltip->SetMode((GUI_Tooltip::TOOLTIPMODE)1);
}

GUI_CalendarDay::~GUI_CalendarDay() { delete m_tooltip; }

bool GUI_CalendarDay::HasEntries() const {
  if (m_day < 0 || m_day >= SIM_Calendar::DAYS_SHOWN) return false;
  return !SIM_GetCalendar()->GetDailyList(m_day).empty();
}

void GUI_CalendarDay::Refresh() {
  const int today = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetDayOfWeek() : 0;
  int dayOfWeek = today + m_day;
  if (dayOfWeek > 6) dayOfWeek -= 7;
  char key[32];
  std::snprintf(key, sizeof key, "DAY_ABBV_%d", dayOfWeek);
  m_label = GTranslation::GetString(key);

  if (HasEntries()) {
    std::string names;
    for (const SIM_Calendar::CalendarEntry* entry : SIM_GetCalendar()->GetDailyList(m_day)) {
      if (!names.empty()) names += ", ";
      names += entry->text;
    }
    m_tooltip->SetText(names);
  }
}

void GUI_CalendarDay::ProcessInput() {
  GUI_WindowBase::ProcessInput();
  if (HasEntries() && MouseInside()) m_tooltip->Ping();
}

void GUI_CalendarDay::Draw() {
  const float cx = GetCenterX();
  if (m_day == 0) GUI_GetCalendar()->DrawPointer(cx, (float)rect.bottom + 5.0f);
  m_cell.PlaceLocal(cx, (float)rect.bottom - 16.0f);
  m_cell.Draw();
  GetTextEngine()->AddQueueString(m_label, (float)rect.left, (float)rect.top, 0xFF000000u, (float)width,
                                  LibTextEngine::ALIGN_CENTER);
  if (HasEntries()) {
    m_icon.PlaceLocal(cx, (float)rect.bottom - 16.0f);
    m_icon.Draw();
    m_tooltip->Draw();
  }
}
