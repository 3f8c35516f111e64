#pragma once
// The player's job applications. The outcome is decided the moment the player applies, from how
// he comes across (drink, confidence, tiredness, mood, health, outlook), but the answer comes by
// phone two day turns later. An offer lives in All from the application until the offer dialog
// that showed it is closed, which deletes it.
//
//   SIM_JobBase::Apply(job); SIM_JobOffer::Create(job);   // the job browser's choose button
#include <list>

class SIM_JobBase;

class SIM_JobOffer {
 public:
  // The handicap that weighed most against the application; NONE for offers read from a save.
  enum REJECTREASON {
    REASON_ALCOHOL = 0,
    REASON_CONFIDENCE = 1,
    REASON_TIREDNESS = 2,
    REASON_HAPPINESS = 3,
    REASON_ILL = 4,
    REASON_OPTIMISM = 5,
    REASON_NONE = 6,
  };

  SIM_JobOffer();  // for the savegame: no job, not offered, not pending, reason NONE
  SIM_JobOffer(SIM_JobBase* job, bool offered, REJECTREASON reason);
  ~SIM_JobOffer();
  SIM_JobOffer(const SIM_JobOffer&) = delete;
  SIM_JobOffer& operator=(const SIM_JobOffer&) = delete;

  // Applies: the chance of GetJobChance, drawn now. A null job is warned about and ignored.
  static SIM_JobOffer* Create(SIM_JobBase* job);
  // 0..1; also sets LastReason.
  static float GetJobChance();
  static void ProcessAll();  // the day turn
  void Process();

  void ApplyOfferedEffects();
  void ApplyRejectEffects();  // once per offer
  void Accept();

  SIM_JobBase* GetJob() const { return m_job; }
  bool Offered() const { return m_offered; }
  REJECTREASON GetReason() const { return m_reason; }
  bool IsPending() const { return m_pending; }
  int GetDaysToWait() const { return m_daysToWait; }
  bool RejectEffectsApplied() const { return m_rejectEffectsApplied; }

  static std::list<SIM_JobOffer*> All;
  static REJECTREASON LastReason;

 private:
  SIM_JobBase* m_job = nullptr;
  bool m_offered = false;
  bool m_pending = false;
  int m_daysToWait = 0;
  REJECTREASON m_reason = REASON_NONE;
  bool m_rejectEffectsApplied = false;
};
