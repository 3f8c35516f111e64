#include "GUI_MovieReview.h"

#include <cstring>

#include "GTranslation.h"
#include "GUI_Tooltip.h"

namespace {

constexpr const char* kWhiteStar = "whitestar.dds";
constexpr const char* kGoldStar = "goldstar.dds";
constexpr float kStarSpacing = 40.0f;
constexpr float kHalfWidth = 18.0f;
constexpr float kHalfHeight = 36.0f;
constexpr int kReviewTooltipDelay = 40;

}  // namespace

GUI_MovieReview::GUI_MovieReview()
    : m_tooltip(new GUI_Tooltip(GTranslation::GetString("MOVIEREVIEW_TOOLTIP"), kReviewTooltipDelay)) {
  m_tooltip->SetMode((GUI_Tooltip::TOOLTIPMODE)1);
  for (int i = 0; i < kHalves; ++i) {
    CTexturedSprite& half = m_halves[(size_t)i];
    half.SetTexture(kWhiteStar);
    half.SetSize(kHalfWidth, kHalfHeight);
    if (i % 2 == 0) {
      half.SetUV(0.0f, 0.0f, 0.5f, 1.0f);
    } else {
      half.SetUV(0.5f, 0.0f, 1.0f, 1.0f);
    }
  }
}

GUI_MovieReview::~GUI_MovieReview() { delete m_tooltip; }

void GUI_MovieReview::PositionStars() {
  const float centreX = GetCenterX();
  const float y = (float)rect.bottom - 20.0f;
  for (int star = 0; star < kHalves / 2; ++star) {
    const float x = centreX + kStarSpacing * (float)(star - 2);
    m_halves[(size_t)(2 * star)].PlaceLocal(x - kHalfWidth / 2.0f, y);
    m_halves[(size_t)(2 * star + 1)].PlaceLocal(x + kHalfWidth / 2.0f, y);
  }
  SetActive(m_active);
}

void GUI_MovieReview::SetActive(bool active) {
  m_active = active;
  for (CTexturedSprite& half : m_halves) {
    if (active) {
      half.SetVertexColor(255, 255, 255, 255);
    } else {
      half.SetVertexColor(0, 0, 0, 32);
    }
  }
}

void GUI_MovieReview::SetQuality(float quality) {
  for (int i = 0; i < kHalves; ++i) m_halves[(size_t)i].SetTexture(10.0f * quality > (float)i ? kGoldStar : kWhiteStar);
}

int GUI_MovieReview::CountGold() const {
  int gold = 0;
  for (const CTexturedSprite& half : m_halves)
    if (std::strcmp(half.GetTextureName(), kGoldStar) == 0) ++gold;
  return gold;
}

void GUI_MovieReview::ProcessInput() {
  if (MouseInside()) m_tooltip->Ping();
}

void GUI_MovieReview::Draw() {
  for (CTexturedSprite& half : m_halves) half.Draw();
  m_tooltip->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
  m_tooltip->Draw();
}
