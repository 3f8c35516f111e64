#pragma once
// An evening in front of the television: the solo evening is held back until a channel is chosen
// on the remote. Choosing one runs the evening (its script, cost, effects and the used slot);
// putting the remote away leaves the slot free. Like every solo evening it lives in
// SIM_SoloActivityInstance::All, which owns it; an evening never watched is freed with its remote.
#include "SIM_SoloActivityInstance.h"

class SIM_TVInstance : public SIM_SoloActivityInstance {
 public:
  // Makes the evening for the type and opens the remote on it.
  static void Create(SIM_SoloActivityType* type);

  explicit SIM_TVInstance(SIM_SoloActivityType* type);
  ~SIM_TVInstance() override;  // the remote forgets it
};
