#pragma once
// The player's dog. Stand-in until the pets arrive: a dog is still a plain possession, so the
// burglars it drives off are logged once and recorded (SIM_StandInLog), not yet counted.
class SIM_Asset;

class SIM_Dog {
 public:
  static void AttackBurglar(SIM_Asset* dog);
};
