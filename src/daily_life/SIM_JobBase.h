#pragma once
// Every job the player can hold: a row of "data/simulation/jobs.csv" or of a mod's job table. Its
// modifiers are unused; what a job does to the player comes from its daily script and its
// work-day stories. The lists of jobs, the job browser's filter and lookup by GUID live here too.
#include <string>
#include <vector>

#include "SIM_TimeChunkType.h"

class CSV;
class SIM_JobEvent;
class SIM_NPC;

// One attribute of the player that counts towards a day's performance, with its weight.
class SIM_JobPerformanceInfluence {
 public:
  SIM_JobPerformanceInfluence() = default;
  SIM_JobPerformanceInfluence(const std::string& attribute, float weight) : m_attribute(attribute), m_weight(weight) {}
  SIM_JobPerformanceInfluence(const SIM_JobPerformanceInfluence&) = default;
  SIM_JobPerformanceInfluence& operator=(const SIM_JobPerformanceInfluence&) = default;
  ~SIM_JobPerformanceInfluence() = default;

  const std::string& GetAttribute() const { return m_attribute; }
  float GetWeight() const { return m_weight; }

 private:
  std::string m_attribute;
  float m_weight = 0.0f;
};

class SIM_JobBase : public SIM_TimeChunkType {
 public:
  // The GUID of the job a new game starts with and a firing falls back to.
  static constexpr int kStartJobGUID = 1112;
  // The GUID of the game's own out-of-work job; no table row may use it.
  static constexpr int kOutOfWorkGUID = 0;

  // A blank job, listed in AllJobs until it is deleted.
  SIM_JobBase();
  ~SIM_JobBase() override;

  // Fills the job from one table row; `csv` stands after the row marker. False (and one warning
  // naming `origin`) when the row cannot make a job: the caller deletes it.
  bool Load(CSV& csv, const std::string& origin);

  // --- The tables
  static void Open();
  static void Close();
  static void LoadJobsFromCSV(const char* path);
  static void LoadModdedJobs();
  static void UpdateAvailability();
  static void NextDayAll();
  static void RebuildValidJobsList(const std::string& industry, bool requireValid);
  static SIM_JobBase* GetJobByGUID(int guid, bool complain = false);
  // The start job (GUID 1112). Tables without it give the out-of-work job, after one error.
  static SIM_JobBase* ChooseRandom();
  // The game's own out-of-work job: employed 0, GUID 0, no pay, never listed. It is held only when
  // the tables have no start job.
  static SIM_JobBase* OutOfWork();

  static std::vector<SIM_JobBase*> AllJobs;
  static std::vector<SIM_JobBase*> ValidJobs;
  static std::vector<SIM_JobBase*> UnlockableJobs;

  // --- One job
  bool SuitsMilosGender() const;
  std::string GetDesc(int gender) const;
  bool ValidForVede();
  void Apply() { m_daysUntilReapply = 7; }
  void Offer();
  bool IsUnemployed() const { return m_employed == 0; }
  std::string GetRejectText() const;
  bool SuitableEvent(const SIM_JobEvent* event) const;
  void CopyPreReqs();

  // --- The work day
  float GetTodaysPerformance();
  // A day's pay with a fresh tip; every call draws the tip anew and overwrites the last tip.
  float GetTodaysEarnings();
  void CalcInitialLastEarnings() { m_lastEarnings = GetTodaysEarnings(); }
  void ProcessWork();
  void ProcessNewFriends();
  void CreateColleague();
  bool CheckForFiring();

  // --- Accessors
  int GetGUID() const { return m_guid; }
  const std::vector<std::string>& GetCategories() const { return m_categories; }
  const std::vector<SIM_JobPerformanceInfluence>& GetInfluences() const { return m_influences; }
  std::string GetWorkplace() const { return m_workplace; }
  std::string GetEmployerName() const { return m_employerName; }
  std::string GetIndustryName() const { return m_industryName; }
  const std::string& GetAdTemplate() const { return m_adTemplate; }
  const std::string& GetDailyScript() const { return m_dailyScript; }
  float GetMinSalary() const { return m_minSalary; }
  float GetMaxSalary() const { return m_maxSalary; }
  float GetTipLow() const { return m_tipLow; }
  float GetTipHigh() const { return m_tipHigh; }
  float GetAvailabilityChance() const { return m_availabilityChance; }
  float GetColleagueFriendFrequency() const { return m_colleagueFriendFrequency; }
  float GetCommuteDistance() const { return m_commuteDistance; }
  void SetCommuteDistance(float miles) { m_commuteDistance = miles; }
  bool RequiresSuit() const { return m_requiresSuit; }
  bool IsUnlockable() const { return m_unlockable; }
  bool IsAvailableToday() const { return m_availableToday; }
  void SetAvailableToday(bool available) { m_availableToday = available; }
  int GetDaysUntilReapply() const { return m_daysUntilReapply; }
  void SetDaysUntilReapply(int days) { m_daysUntilReapply = days; }
  float GetLastEarnings() const { return m_lastEarnings; }
  float GetLastTip() const { return m_lastTip; }
  void ClearLastTip() { m_lastTip = -1.0f; }
  SIM_NPC* GetLastColleague() const { return m_lastColleague; }

 private:
  struct Unlisted {};
  explicit SIM_JobBase(Unlisted);

  void ReadInfluencesAndPrerequisites(CSV& csv, const std::string& origin);

  std::vector<SIM_JobPerformanceInfluence> m_influences;
  std::vector<std::string> m_categories;
  std::string m_employerName;
  std::string m_industryName;
  std::string m_workplace;
  std::string m_maleTitle;
  std::string m_femaleTitle;
  std::string m_dailyScript;
  float m_lastEarnings = 0.0f;
  std::string m_rejectText;
  bool m_availableToday = false;
  float m_availabilityChance = 0.0f;
  float m_colleagueFriendFrequency = 0.0f;
  float m_spareNumber = 0.0f;
  float m_commuteDistance = 0.0f;
  float m_tipLow = 0.0f;
  float m_tipHigh = 0.0f;
  float m_lastTip = -1.0f;
  SIM_NPC* m_lastColleague = nullptr;
  float m_minSalary = 0.0f;
  float m_maxSalary = 0.0f;
  int m_daysUntilReapply = 0;
  bool m_unlockable = false;
  int m_employed = 1;
  std::string m_adTemplate;
  int m_guid = 0;
  bool m_requiresSuit = false;
  bool m_listed = true;
};
