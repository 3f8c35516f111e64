#include "GUI_IndustryIcon.h"

#include "GUI_JobSearch.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "SIM_Industry.h"

GUI_IndustryIcon* GUI_IndustryIcon::PHighlighted = nullptr;

GUI_IndustryIcon::GUI_IndustryIcon(SIM_Industry* industry) : GUI_ButtonBase(nullptr, 0), m_industry(industry) {
  m_picture.SetTexture("job_" + industry->GetName() + ".dds");
  m_picture.SetSize(kPictureSize, kPictureSize);
  m_base.SetTexture("jobicon_base3.dds");
  m_base.SetSize(kSize, kSize);
  SetRawTooltip(industry->GetGUIName(), 30);
  if (GetTooltip()) GetTooltip()->SetMode((GUI_Tooltip::TOOLTIPMODE)1);
}

GUI_IndustryIcon::~GUI_IndustryIcon() {
  if (PHighlighted == this) PHighlighted = nullptr;
}

void GUI_IndustryIcon::Draw() {
  if (MouseInside()) {
    m_base.SetVertexColor(64, 64, 64, 255);
    if (PHighlighted != this) {
      GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
      PHighlighted = this;
    }
  } else {
    m_base.SetVertexColor(0, 0, 0, 255);
  }
  m_base.PlaceLocal(GetCenterX(), GetCenterY());
  m_base.Draw();
  m_picture.PlaceLocal(GetCenterX(), GetCenterY());
  m_picture.Draw();
  GUI_ButtonBase::Draw();
}

void GUI_IndustryIcon::Click() {
  if (!GUI_JobSearch::PTheWindow) return;
  // The chooser and this icon are gone once the browser opens: nothing of this is touched after.
  SIM_Industry* industry = m_industry;
  GUI_JobSearch::SetIndustry(industry);
  GUI_GetSounds()->PlaySound(0);
}
