#pragma once
// A job type: an activity type whose modifiers are what a day of it does to the player. Stand-in
// until the work subsystem arrives: one built-in job (identifier 1112) with the fields the player
// character uses; every call says so once in the debug log.
#include <string>

#include "SIM_TimeChunkType.h"

class SIM_JobBase : public SIM_TimeChunkType {
 public:
  SIM_JobBase(int guid, const std::string& name, const std::string& industry, bool employed,
              float salary);
  ~SIM_JobBase() override = default;

  bool IsUnemployed() const { return !m_employed; }
  bool RequiresSuit() const { return m_suit; }
  std::string GetIndustryName() const { return m_industry; }
  int GetGUID() const { return m_guid; }
  float GetSalary() const { return m_salary; }
  float GetCommuteDistance() const { return m_commuteDistance; }
  void SetCommuteDistance(float miles) { m_commuteDistance = miles; }
  void CalcInitialLastEarnings();
  float GetLastEarnings() const { return m_lastEarnings; }
  // Stand-ins for the work day's page, logged once: a plain workplace, no employer, no tip (-1) and an
  // average day.
  std::string GetWorkplace() const;
  std::string GetEmployerName() const;
  float GetLastTip() const;
  void ClearLastTip();
  float GetTodaysPerformance() const;

  static SIM_JobBase* ChooseRandom();
  static SIM_JobBase* GetJobByGUID(int guid);
  static void Open();
  static void Close();
  static void UpdateAvailability();

 private:
  int m_guid;
  std::string m_industry;
  bool m_employed;
  bool m_suit = false;
  float m_salary;
  float m_commuteDistance = 0.0f;
  float m_lastEarnings = 0.0f;
};
