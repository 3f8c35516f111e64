// SIM_Modifier text ("name,value[,degrade]"), one per line, into a modifier container.
#include <cmath>
#include <string>

#include "FuzzGame.h"
#include "FuzzSupport.h"
#include "SIM_Modifier.h"

VORLA2_FUZZ_GAME_TARGET {
  SIM_ModifierContainer container;
  container.SetSource("fuzz");
  for (const std::string& line : fuzz::Lines(fuzz::Bytes(data, size), 64)) {
    container.AddModifier(line.c_str());
    SIM_Modifier modifier;
    if (modifier.Parse(line.c_str(), "fuzz")) {
      fuzz::Check(std::isfinite(modifier.GetValue()), "a modifier value that is not finite");
      fuzz::Check(std::isfinite(modifier.GetDegradeValue()), "a modifier degrade that is not finite");
      fuzz::Check(modifier.GetName().size() <= 60, "a modifier name longer than its buffer");
    }
  }
  for (const SIM_Modifier* m : container.GetModifiers())
    fuzz::Check(std::isfinite(container.GetModifierValue(m->GetName())), "a modifier value that is not finite");
  container.GetModifierValue("no such modifier");
  fuzz::Forget();
  return 0;
}
