#pragma once
// The charity run, roughly once a month: the best friend rings a week ahead, and on the day the
// player's fitness and friends decide how much is raised (for the charity: the player's cash is
// untouched).
#include <string>

#include "SIM_OccasionalEvent.h"

class SIM_Charity : public SIM_OccasionalEvent {
 public:
  SIM_Charity();
  void TriggerMessage() override;
  // The run: the reminder note comes down and the result is shown.
  void ProcessEvent();

  // What the run raised at performance p with that many friends: never below 1.
  static float MoneyRaised(float performance, int friendships);
  // The result's text for a performance and an amount raised.
  static std::string ResultText(float performance, float money);

 protected:
  const char* NightlyMark() const override { return "SIM_Charity::NextDay"; }
};

SIM_Charity* SIM_GetCharity();
