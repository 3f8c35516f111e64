#include "SIM_Date.h"

#include <ctime>
#include <memory>

#include "GDebug.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "IniLoader.h"
#include "SIM_Birthday.h"
#include "SIM_BowlingTeam.h"
#include "SIM_Calendar.h"
#include "SIM_Dirt.h"
#include "SIM_EventQuality.h"
#include "SIM_Health.h"
#include "SIM_Movie.h"
#include "SIM_NPC.h"
#include "SIM_Restaurant.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_SIM.h"
#include "SIM_Weather.h"

SIM_Date* SIM_Date::PPresentDay = nullptr;
SIM_Date SIM_Date::EndYearDate;
SIM_Date SIM_Date::EndGameDate;
std::string SIM_Date::MonthNames[SIM_Date::MONTHS_PER_YEAR];

namespace {
// Owns the present day so that Open can replace it and shut-down can free it.
std::unique_ptr<SIM_Date> g_presentDay;

void SetPresentDay(std::unique_ptr<SIM_Date> date) {
  g_presentDay = std::move(date);
  SIM_Date::PPresentDay = g_presentDay.get();
}
}  // namespace

SIM_Date::SIM_Date(int day, int month, int year) {
  if (day < 0) day = 0;
  if (day > 5) day = 5;
  if (month > 11) month = 11;
  if (year < 0) year = 0;
  m_day = day;
  m_month = month;
  m_year = year;
  m_dayOfWeek = 0;
  m_fullMoon = false;
}

void SIM_Date::Open() {
  SetPresentDay(std::make_unique<SIM_Date>(5, 9, 2005));
  ReadMonthNames();
}

void SIM_Date::Close() { SetPresentDay(nullptr); }

void SIM_Date::ReadMonthNames() {
  IniLoader loader;
  loader.LoadSection("MonthNames", "data/strings.ini");
  for (int m = 0; m < MONTHS_PER_YEAR; ++m) {
    const char* name = loader.GetValue(std::to_string(m).c_str());
    MonthNames[m] = name ? name : "";
  }
}

const std::string& SIM_Date::GetMonthName(int month) {
  static const std::string none;
  if (month < 0 || month >= MONTHS_PER_YEAR) return none;
  return MonthNames[month];
}

void SIM_Date::Reset() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  int month = local.tm_mon;          // 0 = January
  int year = local.tm_year + 1900;

  auto present = std::make_unique<SIM_Date>(3, month, year);
  present->m_dayOfWeek = 0;
  present->m_daysToFullMoon = 15;
  present->m_fullMoon = false;
  SetPresentDay(std::move(present));

  EndYearDate = SIM_Date(3, month, year + 1);
  EndGameDate = SIM_Date(3, month, year + YEARS_PER_GAME);
}

void SIM_Date::Set(const SIM_Date* other) {
  if (!other) return;
  m_day = other->m_day;
  m_month = other->m_month;
  m_year = other->m_year;
  m_dayOfWeek = other->m_dayOfWeek;
}

void SIM_Date::IncrementDays(int n) {
  for (int i = 0; i < n; ++i) {
    if (++m_dayOfWeek > 6) m_dayOfWeek = 0;
  }
  for (int i = 0; i < n; ++i) {
    if (++m_day > DAYS_PER_MONTH - 1) {
      m_day = 0;
      if (++m_month > MONTHS_PER_YEAR - 1) {
        m_month -= MONTHS_PER_YEAR;
        ++m_year;
      }
    }
  }
}

void SIM_Date::AddDays(int n) {
  GAssert(n < DAYS_PER_WEEK, __FILE__, __LINE__);

  m_day += n;
  for (int i = 0; i < n; ++i) {
    if (++m_dayOfWeek > 6) m_dayOfWeek = 0;
  }
  if (m_day > DAYS_PER_MONTH - 1) {
    m_day -= DAYS_PER_MONTH;
    ++m_month;
    NextMonth();
    if (m_month > MONTHS_PER_YEAR - 1) {
      m_month -= MONTHS_PER_YEAR;
      ++m_year;
    }
  }

  m_daysToFullMoon -= n;
  if (m_daysToFullMoon < 0) m_daysToFullMoon += MOON_CYCLE;
  CheckForFullMoon();

  RunDailyChain();
  if (m_dayOfWeek == 0) RunWeeklyChain();
  CheckForEndGame();
}

void SIM_Date::RunDailyChain() {
  SIM_GetWeather()->NextDay();
  SIM_GetDirt()->NextDay();
  SIM_GetHealth()->NextDay();
  SIM_Movie::NextDay();
  SIM_Restaurant::GenerateRumoursAll();
  SIM_GetBowlingTeam()->NextDay();
  SIM_GetCalendar()->NextDay();
}

void SIM_Date::RunWeeklyChain() {
  SIM_RoyaltyStream::NextWeekAll();
  SIM_NPC::GetPaidAll();
  SIM_EventQuality::NextWeekAll();
}

bool SIM_Date::Reached(const SIM_Date& milestone) const {
  return m_year >= milestone.m_year && m_month >= milestone.m_month && m_day >= milestone.m_day;
}

void SIM_Date::CheckForEndGame() {
  SIM_SIM* sim = SIM_GetSim();
  if (!sim->IsTenYearsUp() && Reached(EndGameDate)) {
    SIM_GetBirthday()->ProcessBirthday();
    sim->SetTenYearsUp(true);
    GUI_EndGame::Create();
    EndYearDate = SIM_Date(m_day, m_month, m_year + 1);
    return;
  }
  if (Reached(EndYearDate)) {
    EndYearDate = SIM_Date(m_day, m_month, m_year + 1);
    SIM_GetBirthday()->ProcessBirthday();
    GUI_YearlyReview::Create();
  }
}

bool SIM_Date::IsInPast() const {
  if (!PPresentDay) return false;
  return GetDaysAsInt() < PPresentDay->GetDaysAsInt();
}

bool SIM_Date::IsIdentical(int day, int month, int year) const {
  return m_day == day && m_month == month && m_year == year;
}

bool SIM_Date::IsPresentDay() const {
  if (!PPresentDay) return false;
  return IsIdentical(PPresentDay->m_day, PPresentDay->m_month, PPresentDay->m_year);
}

int SIM_Date::GetAge() const {
  if (!PPresentDay) return 0;
  const SIM_Date& now = *PPresentDay;
  int age = now.m_year - m_year - 1;
  if (now.m_month > m_month || (now.m_month == m_month && now.m_day >= m_day)) ++age;
  return age;
}
