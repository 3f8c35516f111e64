#include "GPerfStats.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextEngine.h"

void GPerfStats::ChangeStat(STATTYPE stat, float amount) {
  if (int(stat) >= 0 && stat < STAT_COUNT) m_stats[stat] += amount;
}

void GPerfStats::Reset() {
  for (float& s : m_stats) s = 0.0f;
  m_lines.clear();
}

void GPerfStats::Draw() {
  D3DEngine* engine = GetD3DEngine();
  LibTextEngine* text = GetTextEngine();
  RECT panel;
  SetRect(&panel, 32, 32, 232, 132);
  engine->FillRect(&panel, 0xC8000000u);
  engine->FrameRect(&panel, 0xFFFFFFFFu);
  text->SetCurrentFont("arial16.dds", 16.0f);
  const std::string swaps = GFormat("TEXTURESWAPS: %.2f", double(m_stats[STAT_TEXTURESWAPS])).substr(0, 255);
  text->AddQueueString(swaps.c_str(), 42.0f, 42.0f, 0xFFFFFFFFu, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);

  SetRect(&panel, 300, 32, 900, 632);
  engine->FillRect(&panel, 0xC8000000u);
  engine->FrameRect(&panel, 0xFFFFFFFFu);
  float x = 310.0f;
  float y = 42.0f;
  for (const std::string& line : m_lines) {
    text->AddQueueString(line.c_str(), x, y, 0xFFFFFFFFu, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 16.0f;
    if (y > 612.0f) {
      x += 200.0f;
      y = 42.0f;
    }
  }
  text->ProcessTextQueue(-1);
}
