#pragma once
// Muggings on the way home and burglaries found after work. Each crime keeps its own countdown in
// working days; it happens once the countdown has run out, enough days have passed since the last
// crime of either kind, and the player is exposed to it.
#include <cstdint>

class SIM_Crime {
 public:
  SIM_Crime();
  virtual ~SIM_Crime() = default;

  // Both countdowns drawn afresh; the last crime turn is left as it is (see ResetLastCrime).
  void Initialise();
  // A new game forgets the crimes of the game before; without this the last one would still
  // hold off the first crimes of the next game.
  void ResetLastCrime() { m_lastCrimeTurn = 0; }
  void CheckForMugging();
  void CheckForBurglary();
  void Mugged();
  void Burgled();

  int32_t GetDaysToNextMugging() const { return m_daysToNextMugging; }
  int32_t GetDaysToNextBurglary() const { return m_daysToNextBurglary; }
  int32_t GetLastCrimeTurn() const { return m_lastCrimeTurn; }
  int32_t GetMinInterval() const { return m_minInterval; }
  // The save game's values.
  void SetDaysToNextMugging(int32_t days) { m_daysToNextMugging = days; }
  void SetDaysToNextBurglary(int32_t days) { m_daysToNextBurglary = days; }
  void SetLastCrimeTurn(int32_t turn) { m_lastCrimeTurn = turn; }

 private:
  static int32_t DrawCountdown(const char* minKey, const char* maxKey);
  int32_t TurnsSinceLastCrime() const;
  // Takes part of the cash drawn between lo and hi, when there is more than small change.
  static void TakeCash(float lo, float hi);

  int32_t m_daysToNextMugging = 0;
  int32_t m_daysToNextBurglary = 0;
  int32_t m_minInterval = 0;
  int32_t m_lastCrimeTurn = 0;
};

SIM_Crime* SIM_GetCrime();
