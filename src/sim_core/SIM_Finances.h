#pragma once
// The player's cash. Income goes through AddCash, which feeds the statistics; spending through
// SpendCash. Nothing here keeps the cash from going below zero.
class SIM_Finances {
 public:
  SIM_Finances() = default;
  virtual ~SIM_Finances() = default;

  void Reset();  // half of "GV_STARTINGCASH"
  float GetCash() const { return m_cash; }
  void SetCash(float cash) { m_cash = cash; }
  void AddCash(float amount);
  void SpendCash(float amount) { m_cash -= amount; }

 private:
  float m_cash = 0.0f;
};

SIM_Finances* SIM_GetFinances();
