#pragma once
// Game time is coarse: a month has five day-steps, a year twelve months (sixty day-steps), and a
// game lasts ten years. The day of the week runs on its own seven-day cycle over the five-step
// months. Only the shared present day moves with AddDays (which runs the world's daily chain);
// every other date moves with IncrementDays.
#include <string>

class SIM_Date {
 public:
  static constexpr int DAYS_PER_MONTH = 5;
  static constexpr int MONTHS_PER_YEAR = 12;
  static constexpr int DAYS_PER_YEAR = DAYS_PER_MONTH * MONTHS_PER_YEAR;
  static constexpr int DAYS_PER_WEEK = 7;
  static constexpr int MOON_CYCLE = 31;
  static constexpr int YEARS_PER_GAME = 10;

  SIM_Date() = default;
  // The day is kept in 0..5, the month at most 11 and the year at least 0.
  SIM_Date(int day, int month, int year);

  // Replaces the present day by a placeholder until a game starts or loads; reads the month names.
  static void Open();
  // Frees the present day (shut-down).
  static void Close();
  // A new game (and before a saved date is loaded): the present day becomes day-step 3 of the
  // local clock's month and year; the milestones are one and ten years later.
  static void Reset();

  void Set(const SIM_Date* other);  // day, month, year and day of week; not the moon
  int GetDay() const { return m_day; }
  int GetMonth() const { return m_month; }
  int GetYear() const { return m_year; }
  int GetDayOfWeek() const { return m_dayOfWeek; }
  bool IsFullMoon() const { return m_fullMoon; }
  int GetDaysToFullMoon() const { return m_daysToFullMoon; }
  // Field access for the savegame.
  void SetDayOfWeek(int dayOfWeek) { m_dayOfWeek = dayOfWeek; }
  void SetDaysToFullMoon(int days) { m_daysToFullMoon = days; }

  void IncrementDays(int n);  // moves this date only
  void AddDays(int n);        // the nightly step of the present day, chains included

  bool IsWeekend() const { return m_dayOfWeek == 5 || m_dayOfWeek == 6; }
  int GetDaysAsInt() const { return m_day + DAYS_PER_MONTH * m_month + DAYS_PER_YEAR * m_year; }
  bool IsInPast() const;
  bool IsIdentical(int day, int month, int year) const;
  bool IsSameDay(const SIM_Date& other) const { return IsIdentical(other.m_day, other.m_month, other.m_year); }
  bool IsPresentDay() const;
  int GetAge() const;
  void CheckForFullMoon() { m_fullMoon = (m_daysToFullMoon == 0); }
  void CheckForEndGame();

  // The display name of a month (empty when strings.ini lacks it).
  static const std::string& GetMonthName(int month);

  static SIM_Date* PPresentDay;
  static SIM_Date EndYearDate;
  static SIM_Date EndGameDate;
  static std::string MonthNames[MONTHS_PER_YEAR];

 private:
  void NextMonth() {}
  bool Reached(const SIM_Date& milestone) const;
  static void RunDailyChain();
  static void RunWeeklyChain();
  static void ReadMonthNames();

  int m_day = 0;
  int m_month = 0;
  int m_year = 0;
  int m_dayOfWeek = 0;
  bool m_fullMoon = false;
  int m_daysToFullMoon = 15;
};
