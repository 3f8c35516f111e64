#pragma once
// The game's sound effects, by their path under the data folder.
#include <string>
#include <vector>

#include "Synth.h"

namespace effects {
std::vector<std::string> EffectPaths();
bool MakeEffect(const std::string& path, synth::Buffer* out);
}  // namespace effects
