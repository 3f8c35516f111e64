// The fields of an activity type: prerequisites ("name,value" or "name,<value"), the quality
// recipe ("name,weight,name,weight...") and modifiers. Each line's first byte says which it is.
#include <cmath>
#include <string>

#include "FuzzGame.h"
#include "FuzzSupport.h"
#include "SIM_TimeChunkType.h"

VORLA2_FUZZ_GAME_TARGET {
  SIM_TimeChunkType type;
  type.SetName("fuzz");
  type.SetSource("fuzz");
  for (const std::string& line : fuzz::Lines(fuzz::Bytes(data, size), 64)) {
    if (line.empty()) continue;
    const std::string field = line.substr(1);
    switch (line[0]) {
      case 'p':
        type.AddPreRequisite(field.c_str(), false, false);
        break;
      case 'q':
        type.ParseQuality(field.c_str());
        break;
      default:
        type.AddModifier(field.c_str());
        break;
    }
  }
  for (const SIM_TimeChunkType::TypeModifier* term : type.GetPreRequisites()) {
    fuzz::Check(std::isfinite(term->threshold), "a prerequisite threshold that is not finite");
    type.GetPreReq(term->name.c_str());
  }
  for (const SIM_TimeChunkType::TypeModifier* term : type.GetQualityTerms())
    fuzz::Check(std::isfinite(term->threshold), "a quality weight that is not finite");
  const float quality = type.GetEventQuality();
  fuzz::Check(quality >= 0.0f && quality <= 1.0f, "an event quality outside 0..1");
  type.MeetsPrerequisites();
  type.RestrictedOnlyByEnergy();
  fuzz::Forget();
  return 0;
}
