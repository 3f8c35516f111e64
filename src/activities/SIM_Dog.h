#pragma once
// The player's dog: it wants company like the cat, drives burglars off and barks, angrily once it
// has gone hungry.
#include "SIM_PetBase.h"

class SIM_Dog : public SIM_PetBase {
 public:
  SIM_Dog();
  void Purchase() override;
  void Process() override;
  float GetEffectiveness() const override;  // 1 while a dog meal is left, else 0
  bool IsRenameable() const override { return true; }
  void SpendTime() override;
  void InsufficientFood() override;
  void PlaySound() override;

  void AttackBurglar() { ++m_burglars; }
  int GetBurglarsAttacked() const { return m_burglars; }
  void SetBurglarsAttacked(int burglars) { m_burglars = burglars; }

 private:
  int m_burglars = 0;
};
