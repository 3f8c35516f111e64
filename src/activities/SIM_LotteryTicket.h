#pragma once
// A lottery ticket: whatever it wins is decided by its purchase script; the ticket itself is used
// up at the first evening's processing after the purchase.
#include "SIM_Asset.h"

class SIM_LotteryTicket : public SIM_Asset {
 public:
  static SIM_LotteryTicket* Create() { return new SIM_LotteryTicket; }
  ~SIM_LotteryTicket() override = default;

  // No owned script, no upkeep: the ticket is marked to go with tonight's pruning.
  void Process() override;
};
