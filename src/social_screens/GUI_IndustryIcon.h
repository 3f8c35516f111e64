#pragma once
// One industry in the job search's grid: its picture over a round base that lights up (with a soft
// sound, once per arrival) while the mouse is over it. A click opens the job browser for it.
#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"

class SIM_Industry;

class GUI_IndustryIcon : public GUI_ButtonBase {
 public:
  static constexpr float kSize = 90.0f;
  static constexpr float kPictureSize = 65.0f;

  explicit GUI_IndustryIcon(SIM_Industry* industry);
  ~GUI_IndustryIcon() override;

  void Draw() override;
  void Click() override;

  SIM_Industry* GetIndustry() const { return m_industry; }
  const CTexturedSprite& GetPicture() const { return m_picture; }

  static GUI_IndustryIcon* PHighlighted;  // the icon last under the mouse

 private:
  SIM_Industry* m_industry;  // not owned
  CTexturedSprite m_picture;
  CTexturedSprite m_base;
};
