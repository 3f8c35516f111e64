#pragma once
// A developer panel: a few accumulated statistics and free text lines drawn over the screen.
// Nothing in the game calls it.
#include <string>
#include <vector>

class GPerfStats {
 public:
  enum STATTYPE { STAT_DRAWS = 0, STAT_TEXTURESWAPS = 1, STAT_VERTS = 2, STAT_COUNT = 3 };

  GPerfStats() { Reset(); }
  void ChangeStat(STATTYPE stat, float amount);
  void Reset();
  void Draw();

  float GetStat(STATTYPE stat) const { return int(stat) >= 0 && stat < STAT_COUNT ? m_stats[stat] : 0.0f; }
  std::vector<std::string>& Lines() { return m_lines; }

 private:
  float m_stats[STAT_COUNT] = {};
  std::vector<std::string> m_lines;
};
