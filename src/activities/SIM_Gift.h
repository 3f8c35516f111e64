#pragma once
// A gift bought for the partner: clicked, it is given or sold again.
#include "SIM_Asset.h"

class SIM_Gift : public SIM_Asset {
 public:
  static SIM_Gift* Create() { return new SIM_Gift; }
  ~SIM_Gift() override;

  void Purchase() override;
  void Clicked() override;  // the gift dialog
};
