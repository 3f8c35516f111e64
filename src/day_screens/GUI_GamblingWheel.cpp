#include "GUI_GamblingWheel.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_GUI.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"

namespace {

// Each strip holds every fruit at least twice, so a reel told to stop finds its target within a
// turn.
constexpr int kReelStrips[3][GUI_GamblingWheel::kBlocks] = {
    {0, 3, 1, 2, 0, 1, 2, 0, 2, 0, 3, 1},
    {2, 3, 1, 3, 0, 1, 2, 0, 2, 1, 0, 3},
    {2, 3, 0, 2, 3, 1, 2, 1, 2, 0, 3, 1},
};
constexpr float kReelTurnRate = 0.11f;  // blocks per unit of render throttle
constexpr float kReelFrameMargin = 10.0f;

}  // namespace

GUI_GamblingWheel::GUI_GamblingWheel(int index) {
  if (index < 0 || index > 2) {
    GAssert(false, __FILE__, __LINE__);
    index = std::clamp(index, 0, 2);
  }
  for (int i = 0; i < kBlocks; ++i) m_strip[(size_t)i] = (FRUIT)kReelStrips[index][i];
  m_block.SetTexture("fruit.bmp");
  m_speedFactor = GRandom::RandReal(0.9f, 1.1f);
}

GUI_GamblingWheel::FRUIT GUI_GamblingWheel::GetCentreFruit() const { return GetStripFruit((int)(m_position + 0.5f)); }

void GUI_GamblingWheel::CheckForStop() {
  int next = (int)m_position + 1;
  if (next >= kBlocks) next = 0;
  if (m_strip[(size_t)next] != m_target) return;
  m_spinning = false;
  m_position = (float)next;
  GUI_GetSounds()->PlaySound(0);
}

void GUI_GamblingWheel::Draw() {
  RECT frame;
  const int margin = (int)kReelFrameMargin;
  SetRect(&frame, rect.left - margin, rect.top - margin, rect.right + margin, rect.bottom + margin);
  GUI_WindowBackground::DrawTiled(frame, "gambling_wheel.dds", 16.0f, 1.0f);
  Turn();
  for (int i = 0; i < kBlocks; ++i) DrawBlock(i);
}

void GUI_GamblingWheel::Turn() {
  if (!m_spinning) return;
  m_position -= m_speedFactor * GUI_GetGUI()->GetRenderThrottle() * kReelTurnRate;
  while (m_position < 0.0f) m_position += (float)kBlocks;
  if (m_stopNextPass) CheckForStop();
}

void GUI_GamblingWheel::DrawBlock(int i) {
  float offset = BLOCKHEIGHT * ((float)i - m_position);
  if (offset > 500.0f) {
    offset = BLOCKHEIGHT * ((float)i - (float)kBlocks - m_position);
  } else if (offset < -500.0f) {
    offset = BLOCKHEIGHT * ((float)i + (float)kBlocks - m_position);
  }
  const float centreY = GetCenterY() + offset;
  float top = centreY - BLOCKHEIGHT / 2.0f;
  float bottom = centreY + BLOCKHEIGHT / 2.0f;
  if (bottom <= (float)rect.top || top >= (float)rect.bottom) return;
  top = std::max(top, (float)rect.top);
  bottom = std::min(bottom, (float)rect.bottom);
  const float shown = (bottom - top) / BLOCKHEIGHT;
  const float cut = 0.5f * (1.0f - shown);  // of the sheet's height: a cell is half of it

  const int fruit = (int)m_strip[(size_t)i];
  const float u0 = 0.5f * (float)(fruit % 2);
  float v0 = 0.5f * (float)(fruit / 2);
  float v1 = v0 + 0.5f;
  const bool below = offset > 0.0f;
  if (below) {
    v1 -= cut;
  } else {
    v0 += cut;
  }
  uint32_t edge = 0xFFFFFFFFu;
  if (cut > 0.0f) edge = 0xFF000000u + (uint32_t)(int)(255.0f * shown) * 0x10101u;
  const uint32_t topColour = below ? 0xFFFFFFFFu : edge;
  const uint32_t bottomColour = below ? edge : 0xFFFFFFFFu;
  const float halfWidth = (GetWidth() - 4.0f) / 2.0f;
  const float cx = GetCenterX();
  _D3DTLVERTEX v[4] = {
      {cx - halfWidth, top, 0.0f, 1.0f, topColour, 0, u0, v0},
      {cx + halfWidth, top, 0.0f, 1.0f, topColour, 0, u0 + 0.5f, v0},
      {cx - halfWidth, bottom, 0.0f, 1.0f, bottomColour, 0, u0, v1},
      {cx + halfWidth, bottom, 0.0f, 1.0f, bottomColour, 0, u0 + 0.5f, v1},
  };
  D3DEngine* engine = GetD3DEngine();
  if (!engine->SetTexture(m_block.GetTextureName())) return;
  engine->DrawGradientQuad(v);
}
