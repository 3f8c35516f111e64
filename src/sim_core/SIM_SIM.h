#pragma once
// The simulation's top object and the state machine of one in-game day. It opens the simulation's
// data at start-up, rebuilds every service for a new game and closes them at shut-down. The day
// moves only when the player presses a button: each day-cycle screen calls one turn operation,
// which updates the world, records the new turn mode and opens the next screen. NextDay is the
// night: the one place where every subsystem's daily update runs, in a fixed order.
#include <cstdint>

class SIM_SIM {
 public:
  enum TURNMODE : int32_t {
    TURNMODE_WOKEUP = 0,       // the morning diary page is open
    TURNMODE_COMMUTEIN = 1,    // on the way to work
    TURNMODE_WORKDAY = 2,      // at work
    TURNMODE_COMMUTEBACK = 3,  // on the way home
    TURNMODE_EVENING = 4,      // the after-work page and the evening's activities
    TURNMODE_DAYENDED = 5,     // no slot left: only the end-day button remains
  };

  SIM_SIM() = default;
  SIM_SIM(const SIM_SIM&) = delete;
  SIM_SIM& operator=(const SIM_SIM&) = delete;

  // Start-up (once; a second call does nothing), new game, shut-down.
  void Open();
  void Reset();
  void Close();
  bool IsOpen() const { return m_opened; }

  TURNMODE GetTurnMode() const { return m_mode; }
  void SetMode(TURNMODE mode) { m_mode = mode; }
  bool IsAfterWork() const { return m_mode == TURNMODE_EVENING; }
  bool IsDayFinished() const { return m_mode == TURNMODE_DAYENDED; }

  // Days played since the new game.
  int32_t GetTurnCount() const { return m_turnCount; }
  void SetTurnCount(int32_t count) { m_turnCount = count; }
  bool IsTenYearsUp() const { return m_tenYearsUp; }
  void SetTenYearsUp(bool up) { m_tenYearsUp = up; }
  bool ArePreBedTasksDone() const { return m_preBedTasksDone; }
  // From the end-day button to the morning's wake-up: a save taken now (the autosave) resumes
  // with the morning.
  bool IsNight() const { return m_night; }

  // The day's evening slots (1, or 2 when unemployed or at the weekend) and how many are used;
  // the savegame restores both.
  void SetSlots(int32_t slots, int32_t used) {
    m_slots = slots;
    m_slotsUsed = used;
  }
  int32_t GetSlots() const { return m_slots; }
  int32_t GetSlotsUsed() const { return m_slotsUsed; }
  int32_t GetActivitiesRemaining() const { return m_slots - m_slotsUsed; }
  // The current slot is the day's last one: on a two-slot day only the second is the evening.
  bool IsEvening() const { return m_slots == 1 || (m_slots > 1 && m_slotsUsed == m_slots - 1); }

  // The turn operations, each the action of one screen's button.
  void ProcessWakeUp();       // the night's last step, or the yearly review's continue button
  void ProcessCommuteIn();    // wake-up page: commute
  void ProcessWorkDay();      // commute-in page: start work
  void ProcessCommuteBack();  // work-day page: go home
  void ProcessAfterWork();    // commute-back page: continue
  void PrepareForEvening();   // after-work page: continue; wake-up page: stay at home
  void EndDay();              // an evening activity is over
  void ReallyEndDay();        // no slot is left
  void ProcessPreBedTasks();  // the end-of-day prompt (acts once a day)
  void NextDay();             // the end-day button: the night
  // The night after its date step: the day's slots, the autosave, the turn count and, unless the
  // yearly review holds it back, the morning. The end-of-game screen's continue button runs it for
  // the night that ended the game, which is never saved.
  void FinishNight(bool endOfGameNight = false);
  void CalculateMaxActivities();
  // The nightly save under "autosave" when the player's option is on. A failure is logged each
  // night and told to the player once, until a save works again; the night goes on either way.
  // False when the option is on and the save failed.
  bool Autosave();

 private:
  bool m_opened = false;
  bool m_tenYearsUp = false;
  bool m_preBedTasksDone = false;
  bool m_night = false;
  TURNMODE m_mode = TURNMODE_WOKEUP;
  int32_t m_turnCount = 0;
  int32_t m_slots = 1;
  int32_t m_slotsUsed = 0;
  bool m_autosaveFailureTold = false;
};

SIM_SIM* SIM_GetSim();
