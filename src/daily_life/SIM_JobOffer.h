#pragma once
// The player's job applications. The answer is settled the moment the player applies, from how he
// comes across that day, but it reaches him by phone two nights later: an offer he may take, or a
// rejection naming his worst handicap. Each application waiting for its call, or whose call waits
// in the phone, is one SIM_JobOffer in All; the offer window deletes it when it closes.
//
//   job->Apply();
//   SIM_JobOffer::Create(job);  // the phone rings on the second night
#include <vector>

class SIM_JobBase;
class SIM_LoadGame;

class SIM_JobOffer {
 public:
  // The player's worst handicap when he applied; the rejection names it.
  enum REJECTREASON {
    REASON_ALCOHOL = 0,
    REASON_CONFIDENCE = 1,
    REASON_TIREDNESS = 2,
    REASON_HAPPINESS = 3,
    REASON_ILL = 4,
    REASON_OPTIMISM = 5,
    REASON_OTHER = 6,  // an offer read from a saved game
  };

  // A loaded offer: no job, not offered, not pending, reason other. Listed in All.
  SIM_JobOffer();
  // A fresh application, pending with two nights to wait. Listed in All.
  SIM_JobOffer(SIM_JobBase* job, bool offered, REJECTREASON reason);
  ~SIM_JobOffer();  // leaves All
  SIM_JobOffer(const SIM_JobOffer&) = delete;
  SIM_JobOffer& operator=(const SIM_JobOffer&) = delete;

  // Applies for the job: the outcome is drawn now from GetJobChance. Null for a null job.
  static SIM_JobOffer* Create(SIM_JobBase* job);
  // The chance that an application made now succeeds; sets LastReason.
  static float GetJobChance();
  // Nightly: every offer counts down, and the calls that are due ring.
  static void ProcessAll();
  // Deletes every offer: a new or loaded game must not answer the applications of the one left.
  static void DeleteAll();
  // After a load: the calls that had rung but were not answered ring again, as messages are not
  // kept in a saved game.
  static void RaiseAnsweredCalls();
  // The translation key that names a reason in a rejection ("JOB_REASON_...").
  static const char* GetReasonKey(int reason);
  // Whether the offer is still one of All. A new or loaded game deletes every offer, so a window
  // that holds one asks before it deletes it.
  static bool IsLive(const SIM_JobOffer* offer);

  void Process();
  void ApplyOfferedEffects();  // "job_offered.txt", when the window shows an offer
  void ApplyRejectEffects();   // "job_rejection.txt", once per offer
  void Accept();               // the player takes the job

  SIM_JobBase* GetJob() const { return m_job; }
  bool Offered() const { return m_offered; }
  bool IsPending() const { return m_pending; }
  int GetDaysToWait() const { return m_daysToWait; }
  REJECTREASON GetReason() const { return m_reason; }
  bool RejectEffectsApplied() const { return m_rejectEffectsApplied; }

  static std::vector<SIM_JobOffer*> All;
  static REJECTREASON LastReason;

 private:
  friend class SIM_LoadGame;  // fills a loaded offer field by field

  void Ring();

  SIM_JobBase* m_job = nullptr;
  bool m_offered = false;
  bool m_pending = false;
  int m_daysToWait = 0;
  REJECTREASON m_reason = REASON_OTHER;
  bool m_rejectEffectsApplied = false;
};
