#pragma once
// The jobs that cannot be applied for until the player's best friend puts in a good word. Every so
// often, when the friendship is strong enough, the friend phones with one; from then on it is an
// ordinary job. One instance times these calls and remembers which jobs were unlocked.
#include <vector>

class SIM_JobBase;
class SIM_NPC;

class SIM_JobUnlocks {
 public:
  SIM_JobUnlocks();

  // Day counter 0, no job unlocked: a new game, and before a saved game's list is read.
  void Reset();
  // Nightly, after the day's job availability is drawn.
  void NextDay();
  // The friend unlocks one job the player could take, if there is any.
  void OfferJob(SIM_NPC* bestFriend);
  // A saved game's unlocked job: made ordinary and listed, each job once.
  void AddUnlocked(SIM_JobBase* job);

  int GetDayCounter() const { return m_dayCounter; }
  const std::vector<SIM_JobBase*>& GetUnlockedJobs() const { return m_unlockedJobs; }

  // Whether the friend could put in a word for this job now (the candidates' tests).
  static bool IsCandidate(SIM_JobBase* job);

 private:
  int m_dayCounter = 0;
  std::vector<SIM_JobBase*> m_unlockedJobs;
};

SIM_JobUnlocks* SIM_GetJobUnlocks();
