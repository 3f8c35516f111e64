#include "GUI_Calendar.h"

#include <cstdio>

#include "GTranslation.h"
#include "GUI_CalendarDay.h"
#include "GUI_Colours.h"
#include "LibTextEngine.h"
#include "SIM_Date.h"
#include "SIM_SIM.h"

namespace {
const char* const kDayNameKeys[GUI_Calendar::DAYS] = {"DAY_MONDAY",   "DAY_TUESDAY", "DAY_WEDNESDAY",
                                                      "DAY_THURSDAY", "DAY_FRIDAY",  "DAY_SATURDAY",
                                                      "DAY_SUNDAY"};
}  // namespace

GUI_Calendar* GUI_GetCalendar() {
  static GUI_Calendar* calendar = new GUI_Calendar;
  return calendar;
}

GUI_Calendar::GUI_Calendar() {
  for (int k = 0; k < DAYS; ++k) {
    m_cells[k] = new GUI_CalendarDay(k);
    AddChild(m_cells[k]);
  }
  for (int d = 0; d < DAYS; ++d) m_dayNames[d] = GTranslation::GetString(kDayNameKeys[d]);
  // The spelling of these keys is the game's own.
  m_activityTexts[0] = GTranslation::GetString("ACTIVTITES_LEFT_0");
  m_activityTexts[1] = GTranslation::GetString("ACTIVTITES_LEFT_1");
  m_activityTexts[2] = GTranslation::GetString("ACTIVTITES_LEFT_2");
  m_pointer.SetTexture("calendar_pointer.dds");
  m_pointer.SetSize(24.0f, 8.0f);
  m_pointer.SetVertexColor(0, 0, 0, 255);
  SetCloseOnRestart(false);
}

GUI_Calendar::~GUI_Calendar() = default;  // the window base deletes the cells

const std::string& GUI_Calendar::GetActivityText(int remaining) const {
  if (remaining == 1 || remaining == 2) return m_activityTexts[remaining];
  return m_activityTexts[0];
}

const std::string& GUI_Calendar::GetDayName(int dayOfWeek) const {
  if (dayOfWeek < 0 || dayOfWeek >= DAYS) dayOfWeek = 0;
  return m_dayNames[dayOfWeek];
}

void GUI_Calendar::Initialise() {
  AddToGUI();
  SetPosition(0.0f, 0.0f, 426.0f, 109.0f);
  for (int k = 0; k < DAYS; ++k) {
    const float left = (float)rect.left + 150.0f + 38.0f * (float)k;
    m_cells[k]->SetPosition(left, (float)rect.top, left + 36.0f, (float)rect.top + 50.0f);
  }
  m_background.SetTexture("calendar_background.dds");
  m_background.SetSize(512.0f, 128.0f);
  m_background.PlaceLocal((float)rect.left + 256.0f, (float)rect.top + 64.0f);
  Refresh();
  m_textCache.SetFont("anime14.dds", 14.0f);
}

void GUI_Calendar::Refresh() {
  for (GUI_CalendarDay* cell : m_cells) cell->Refresh();
  m_textCache.ClearChunks();
}

void GUI_Calendar::DrawPointer(float x, float y) {
  m_pointer.PlaceLocal(x, y);
  m_pointer.Draw();
}

void GUI_Calendar::Draw() {
  m_background.Draw();

  LibTextEngine* text = GetTextEngine();
  const SIM_Date* today = SIM_Date::PPresentDay;
  text->SetCurrentFont("calibriblackbold30.dds", 34.0f);
  text->AddQueueString(GetDayName(today ? today->GetDayOfWeek() : 0), (float)rect.left + 7.0f,
                       (float)rect.top - 1.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);

  char month[256];
  std::snprintf(month, sizeof month, "%s %d", SIM_Date::GetMonthName(today ? today->GetMonth() : 0).c_str(),
                today ? today->GetYear() : 0);
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(month, (float)rect.left + 7.0f, (float)rect.top + 34.0f, kBlack, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(GetActivityText(SIM_GetSim()->GetActivitiesRemaining()), (float)rect.left,
                       (float)rect.top + 56.0f, kBlack, (float)width - 20.0f, LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);

  // The cells' labels are recorded once and drawn from the cache until the next Refresh.
  text->SetCurrentChunkList(&m_textCache);
  DrawChildren();
  text->SetCurrentChunkList(nullptr);
  m_textCache.Draw();
}
