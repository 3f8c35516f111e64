// The special events table: every row read into an event with its prerequisites, influences and
// modifiers, and each event scored against the data's player.
#include <cmath>
#include <string>

#include "FuzzGame.h"
#include "FuzzSupport.h"
#include "SIM_ScheduledEvents.h"

VORLA2_FUZZ_GAME_TARGET {
  const std::string path = fuzz::WriteInput("events.csv", data, size);
  SIM_SpecialEvent::Open(path.c_str());
  for (SIM_SpecialEvent* event : SIM_SpecialEvent::All) {
    event->GetScore();
    for (const SIM_SpecialEvent::Influence& influence : event->GetInfluences())
      fuzz::Check(std::isfinite(influence.weight), "an influence weight that is not finite");
  }
  if (!SIM_SpecialEvent::All.empty()) {
    const std::string name = SIM_SpecialEvent::All.front()->GetName();
    fuzz::Check(SIM_SpecialEvent::GetEvent(name.c_str()) != nullptr, "a loaded event is not found by its name");
  }
  SIM_SpecialEvent::Close();
  fuzz::Forget();
  return 0;
}
