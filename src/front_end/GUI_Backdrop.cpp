#include "GUI_Backdrop.h"

#include "BaseSprite.h"
#include "D3DEngine.h"
#include "GUI_Dirt.h"
#include "GUI_Insect.h"
#include "SIM_StandInLog.h"

GUI_Backdrop* GUI_GetBackdrop() {
  static GUI_Backdrop backdrop;
  return &backdrop;
}

void GUI_Backdrop::Refresh() { STAND_IN(); }

void GUI_Backdrop::Draw() {
  DrawWeatherBackdrop();
  GUI_GetDirt()->Draw();
  GUI_Insect::DrawAll();
}

void GUI_Backdrop::DrawWeatherBackdrop() {
  STAND_IN();
  // A daylight sky from top to bottom, one pixel past every edge, where the town will stand.
  BaseSprite sky;
  sky.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  sky.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  sky.vertices[0].diffuse = sky.vertices[1].diffuse = SpriteColor(120, 170, 220);
  sky.vertices[2].diffuse = sky.vertices[3].diffuse = SpriteColor(200, 225, 240);
  GetD3DEngine()->SetTexture(0, 0);
  sky.DrawNoChecks();
}
