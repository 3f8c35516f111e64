#pragma once
// The five-star review panel of the film chooser: ten half stars, gold up to the film's quality
// (in half stars, rounded up) and white after. A player who knows too little about films to read
// the review sees only faint outlines; the tooltip says why stars matter.
#include <array>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_Tooltip;

class GUI_MovieReview : public GUI_WindowBase {
 public:
  static constexpr int kHalves = 10;

  GUI_MovieReview();
  ~GUI_MovieReview() override;
  GUI_MovieReview(const GUI_MovieReview&) = delete;
  GUI_MovieReview& operator=(const GUI_MovieReview&) = delete;

  void Draw() override;
  void ProcessInput() override;

  // Places the halves along the bottom of the panel, faint until made active.
  void PositionStars();
  void SetActive(bool active);
  void SetQuality(float quality);

  bool IsActive() const { return m_active; }
  const CTexturedSprite& GetHalf(int i) const { return m_halves[(size_t)i]; }
  // How many halves show gold.
  int CountGold() const;

 private:
  bool m_active = false;
  std::array<CTexturedSprite, kHalves> m_halves;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
};
