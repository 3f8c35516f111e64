#pragma once
// An evening in front of the television. Stand-in until the television screen arrives: the call is
// logged once (SIM_StandInLog) and the evening is spent as a plain solo evening.
#include "SIM_SoloActivityInstance.h"

class SIM_TVInstance : public SIM_SoloActivityInstance {
 public:
  static void Create(SIM_SoloActivityType* type);
  using SIM_SoloActivityInstance::SIM_SoloActivityInstance;
};
