#pragma once
// The player's health: germs from a dirty home and high stress make the player ill, rain without
// an umbrella brings colds. While not healthy the player stays home from work.
class SIM_Health {
 public:
  enum STATE { HEALTHY = 0, COLD = 1, ILL = 2, STRESS_ILLNESS = 3 };

  void Initialise() {
    m_state = HEALTHY;
    m_daysLeft = 0;
  }
  bool IsHealthy() const { return m_state == HEALTHY; }
  int GetState() const { return m_state; }
  int GetDaysLeft() const { return m_daysLeft; }
  // For the savegame.
  void SetState(int state, int daysLeft) {
    m_state = state;
    m_daysLeft = daysLeft;
  }

  void NextDay();
  void CatchGermsFromDirt();
  void CheckForRecovery();
  void CheckForNewIllness();
  void CheckForCold(float scale);
  void PlaySound();

 private:
  int m_state = HEALTHY;
  int m_daysLeft = 0;
};

SIM_Health* SIM_GetHealth();
