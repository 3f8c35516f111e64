#include "GUI_MenuBase.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GUI_Cursor.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "LibTextEngine.h"

void GUI_MenuBase::ProcessInput() {
  GUIButtonList::ProcessInput();
  GUI_GetSounds()->Process();
}

bool GUI_MenuBase::CheckClick() { return GUIButtonList::CheckClick(); }

void GUI_MenuBase::SizeBackdrop(BaseSprite& backdrop) {
  backdrop.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  backdrop.vertices[0].diffuse = backdrop.vertices[1].diffuse = 0xFF373125u;
  backdrop.vertices[2].diffuse = backdrop.vertices[3].diffuse = 0xFF9F5C23u;
}

void GUI_MenuBase::SizeStrip(CTexturedSprite& strip) {
  strip.SetTexture("menu_strip.dds");
  strip.SetSize(D3DEngine::W, 128.0f);
  strip.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H - 64.0f);
}

void GUI_MenuBase::DrawFrame(BaseSprite& backdrop, CTexturedSprite& strip) {
  GetD3DEngine()->SetTexture(0, 0);
  backdrop.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  // Every corner lies off the screen, so the on-screen test would skip it.
  backdrop.DrawNoChecks();
  strip.Draw();
}

void GUI_MenuBase::FinishDraw() {
  GetTextEngine()->ProcessTextQueue(-1);
  GUI_Tooltip::DrawAll();
  GUI_GetCursor()->Draw();
}

GUI_IconButton* GUI_MenuBase::MakeBackButton(GUI_ButtonBase::Callback callback) {
  GUI_IconButton* back = new GUI_IconButton("bigbuttons.dds", callback, 0);
  back->SetCells(16, 4, 5);
  back->SetTooltip("TOOLTIP_MENU_MAINMENU", 30);
  back->SetFadeFirst();
  PlaceBackButton(back);
  return back;
}

void GUI_MenuBase::PlaceBackButton(GUI_IconButton* button) {
  button->SetPosition(D3DEngine::W - 78.0f, 701.0f, D3DEngine::W - 10.0f, 769.0f);
}
