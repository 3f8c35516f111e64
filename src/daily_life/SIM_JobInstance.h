#pragma once
// The player's standing in the job held now: the grade on the six-step salary ladder, the days in
// the job, the daily performance with a ten-day history, the colleagues befriended and whether the
// player has just been sacked. SIM_Vede::SetJob makes a fresh one for every new job.
class SIM_JobBase;
class SIM_JobEvent;
class SIM_NPC;

class SIM_JobInstance {
 public:
  static constexpr int kHistoryDays = 10;
  static constexpr int kTopGrade = 5;

  SIM_JobInstance();  // for the savegame loader, which sets the job
  explicit SIM_JobInstance(SIM_JobBase* job);
  virtual ~SIM_JobInstance() = default;
  virtual void ProcessWorkDay();

  static SIM_JobInstance* Create(SIM_JobBase* job);
  // In the evening: a sacked player is given the start job.
  static void ResolveFirings();

  void ResetData();
  // The yearly salary of the grade.
  float GetCurrentSalary() const;
  void CalcAvePerformance();
  bool CheckForPromotion();
  bool TooSoonToPromote() const;
  bool AtTopGrade() const { return m_grade > 4; }
  void Promote();
  void FireVede();
  void SetNewFriend(SIM_NPC* npc);

  SIM_JobBase* GetCurrentJob() const { return m_job; }
  SIM_JobBase* GetJob() const { return m_job; }
  void SetJob(SIM_JobBase* job) { m_job = job; }
  int GetCurrentGrade() const { return m_grade; }
  void SetGrade(int grade) { m_grade = grade; }
  float GetPerformance() const { return m_performance; }
  float GetAvePerformance() const { return m_avePerformance; }
  int GetValidDays() const { return m_validDays; }
  int GetDaysInJob() const { return m_daysInJob; }
  void SetDaysInJob(int days) { m_daysInJob = days; }
  int GetDaysSincePromotion() const { return m_daysSincePromotion; }
  void SetDaysSincePromotion(int days) { m_daysSincePromotion = days; }
  int GetFriendsMade() const { return m_friendsMade; }
  void SetFriendsMade(int count) { m_friendsMade = count; }
  int GetDaysSinceLastFriend() const { return m_daysSinceLastFriend; }
  void SetDaysSinceLastFriend(int days) { m_daysSinceLastFriend = days; }
  SIM_JobEvent* GetEvent() const { return m_event; }
  SIM_NPC* GetNewFriend() const { return m_newFriend; }
  bool IsFired() const { return m_fired; }
  // One day of the history, 0 the newest (the savegame writes and reads them).
  bool IsHistoryValid(int day) const { return m_history[day].valid; }
  float GetHistoryPerformance(int day) const { return m_history[day].performance; }
  void SetHistory(int day, bool valid, float performance) { m_history[day] = {valid, performance}; }

 private:
  struct Day {
    bool valid = false;
    float performance = 0.0f;
  };

  // The story of the type becomes today's and is triggered; null when none fits.
  void TakeStory(const char* type);

  SIM_JobBase* m_job = nullptr;
  SIM_JobEvent* m_event = nullptr;
  SIM_NPC* m_newFriend = nullptr;
  int m_grade = 0;
  int m_friendsMade = 0;
  int m_daysSinceLastFriend = 0;
  Day m_history[kHistoryDays];
  float m_performance = 0.0f;
  float m_avePerformance = 0.5f;
  int m_validDays = 0;
  int m_daysSincePromotion = 0;
  int m_daysInJob = 0;
  bool m_fired = false;
};
