#pragma once
// The game's music tracks, by their path under the data folder.
#include <string>
#include <vector>

#include "Synth.h"

namespace music {
std::vector<std::string> SongPaths();
bool MakeSong(const std::string& path, int rate, synth::Buffer* out);
}  // namespace music
