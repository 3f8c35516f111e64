#include "GUI_MenuStandIn.h"

#include "BaseSprite.h"
#include "D3DEngine.h"
#include "GUI_Cursor.h"
#include "Game.h"

void GUI_MenuStandIn::DrawMenuBackdrop() {
  BaseSprite quad;
  quad.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  quad.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  quad.vertices[0].diffuse = quad.vertices[1].diffuse = 0xFF373125u;
  quad.vertices[2].diffuse = quad.vertices[3].diffuse = 0xFF9F5C23u;
  GetD3DEngine()->SetTexture(0, 0);
  // Every corner lies off the screen, so the on-screen test would skip it.
  quad.DrawNoChecks();
}

void GUI_MenuStandIn::Draw() {
  DrawMenuBackdrop();
  GUI_GetCursor()->Draw();
}

void GUI_MenuStandIn::HandleKey(unsigned key) {
  if (key == 53) GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
}
