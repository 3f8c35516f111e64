#pragma once
// A gym membership: clicked, it takes the player to the gym among the solo activities. Made by
// the asset table's key "sim_gym".
#include "SIM_Asset.h"

class SIM_Gym : public SIM_Asset {
 public:
  static SIM_Gym* Create() { return new SIM_Gym; }
  ~SIM_Gym() override = default;

  void Clicked() override;
};
