// soundsynth: writes every sound effect and music track of the game as a WAVE file.
// Usage: soundsynth OUTPUT_DIR [NAME...]
// Each sound lands at OUTPUT_DIR/<its data path>; those the game reads as OGG get ".wav" appended
// ("data/sounds/cash.ogg.wav") for make_sounds.sh to encode. With NAMEs, only the sounds whose
// path contains one of them are made. A line of measurements per sound goes to stdout; with
// SOUNDSYNTH_DEBUG set, each song's melodies and its parts' levels go to stderr.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Effects.h"
#include "Songs.h"
#include "Synth.h"

namespace {
constexpr int kMusicRate = 44100;

bool Wanted(const std::string& path, const std::vector<std::string>& names) {
  if (names.empty()) return true;
  for (const std::string& n : names)
    if (path.find(n) != std::string::npos) return true;
  return false;
}

bool Write(const synth::Buffer& buffer, const std::string& outDir, const std::string& path) {
  std::string file = outDir + "/" + path;
  if (path.size() < 4 || path.compare(path.size() - 4, 4, ".wav") != 0) file += ".wav";
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
  if (!synth::WriteWave(buffer, file)) {
    std::fprintf(stderr, "soundsynth: cannot write %s\n", file.c_str());
    return false;
  }
  double peak = buffer.Peak(), rms = buffer.Rms();
  std::printf("%-52s %6.2f s  %d ch  peak %6.1f dB  rms %6.1f dB\n", path.c_str(), buffer.Seconds(), buffer.channels,
              20.0 * std::log10(std::max(peak, 1e-9)), 20.0 * std::log10(std::max(rms, 1e-9)));
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soundsynth OUTPUT_DIR [NAME...]\n");
    return 2;
  }
  std::string outDir = argv[1];
  std::vector<std::string> names(argv + 2, argv + argc);
  bool ok = true;
  for (const std::string& path : effects::EffectPaths()) {
    if (!Wanted(path, names)) continue;
    synth::Buffer buffer;
    effects::MakeEffect(path, &buffer);
    ok = Write(buffer, outDir, path) && ok;
  }
  for (const std::string& path : music::SongPaths()) {
    if (!Wanted(path, names)) continue;
    synth::Buffer buffer;
    music::MakeSong(path, kMusicRate, &buffer);
    ok = Write(buffer, outDir, path) && ok;
  }
  return ok ? 0 : 1;
}
