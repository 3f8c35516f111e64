#include "GUI_AssetIcon.h"

#include "GDebug.h"
#include "GUI_Palette.h"
#include "GUI_Sounds.h"
#include "SIM_Asset.h"

GUI_AssetIcon::GUI_AssetIcon(SIM_Asset* asset, float size) : GUI_ButtonBase(nullptr, 0), m_asset(asset), m_size(size) {
  GAssert(asset != nullptr, __FILE__, __LINE__);
  m_background.SetTexture("attrib_dialog.dds");
  m_background.SetSize(size, size);
  m_background.SetVertexColor(GUI_GetPalette()->GetColor(GUI_Palette::PALETTE_0));
  m_highlight.SetTexture("attrib_dialog.dds");
  m_highlight.SetSize(size, size);
  m_picture.SetSize(0.75f * size, 0.75f * size);
  if (asset) {
    m_picture.SetTexture(asset->GetTextureName());
    SetRawTooltip(asset->GetGUIName(), 30);
  }
}

void GUI_AssetIcon::Draw() {
  GUI_ButtonBase::Draw();
  const bool hovered = MouseInside();
  CTexturedSprite& tile = hovered ? m_highlight : m_background;
  // The day's palette changes with the weather, so the tint is taken every frame.
  tile.SetVertexColor(GUI_GetPalette()->GetColor(hovered ? GUI_Palette::PALETTE_2 : GUI_Palette::PALETTE_0));
  tile.PlaceLocal(GetCenterX(), GetCenterY());
  tile.Draw();
}

void GUI_AssetIcon::DrawOverlay() {
  m_picture.PlaceLocal(GetCenterX(), GetCenterY());
  m_picture.Draw();
}

void GUI_AssetIcon::Click() {
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  if (m_asset) m_asset->Clicked();
}
