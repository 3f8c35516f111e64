#pragma once
// The job the player holds. Stand-in until the work subsystem arrives: pays the job's salary and
// says once in the debug log that the work day is not simulated.
class SIM_JobBase;
class SIM_JobEvent;
class SIM_NPC;

class SIM_JobInstance {
 public:
  explicit SIM_JobInstance(SIM_JobBase* job) : m_job(job) {}
  virtual ~SIM_JobInstance() = default;
  virtual void ProcessWorkDay();

  static SIM_JobInstance* Create(SIM_JobBase* job);
  static void ResolveFirings();

  float GetCurrentSalary() const;
  void SetDaysInJob(int days) { m_daysInJob = days; }
  int GetDaysInJob() const { return m_daysInJob; }
  SIM_JobBase* GetJob() const { return m_job; }
  // Stand-ins for the work day's page, logged once: no story and no new colleague yet.
  SIM_JobEvent* GetEvent() const;
  SIM_NPC* GetNewFriend() const;

 private:
  SIM_JobBase* m_job;
  int m_daysInJob = 0;
};
