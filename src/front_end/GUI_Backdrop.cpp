#include "GUI_Backdrop.h"

#include "GUI_AdvancedBackdrop.h"
#include "GUI_Dirt.h"
#include "GUI_Insect.h"
#include "SIM_Vede.h"

GUI_Backdrop* GUI_GetBackdrop() {
  static GUI_Backdrop backdrop;
  return &backdrop;
}

GUI_Backdrop::GUI_Backdrop()
    : m_sunset("skyline_sunset.jpg"), m_skyline("skyline.jpg"), m_cloudy("skyline_cloudy.jpg") {}

void GUI_Backdrop::Refresh() { GUI_GetBackdrop()->ReadDrunkenness(); }

void GUI_Backdrop::ReadDrunkenness() {
  m_drunkenness = SIM_GetVede()->GetValue("alcohol");
  m_frameCounter = 0;
}

void GUI_Backdrop::Draw() {
  DrawWeatherBackdrop();
  m_helicopter.Draw();
  GUI_GetDirt()->Draw();
  GUI_Insect::DrawAll();
}

void GUI_Backdrop::DrawWeatherBackdrop() {
  if (++m_frameCounter > READ_EVERY) ReadDrunkenness();
  GUI_GetAdvancedBackdrop()->Draw(IsDrunk());
}
