#include "GUI_AdvancedBackdrop.h"

#include "BaseSprite.h"
#include "D3DEngine.h"
#include "SIM_StandInLog.h"

GUI_AdvancedBackdrop* GUI_GetAdvancedBackdrop() {
  static GUI_AdvancedBackdrop sky;
  return &sky;
}

void GUI_AdvancedBackdrop::Reset() { STAND_IN(); }

void GUI_AdvancedBackdrop::ForceStyle(int) { STAND_IN(); }

void GUI_AdvancedBackdrop::Draw(bool) {
  STAND_IN();
  BaseSprite sky;
  sky.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  sky.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  sky.vertices[0].diffuse = sky.vertices[1].diffuse = SpriteColor(120, 170, 220);
  sky.vertices[2].diffuse = sky.vertices[3].diffuse = SpriteColor(200, 225, 240);
  GetD3DEngine()->SetTexture(0, 0);
  sky.DrawNoChecks();
}
