#pragma once
// One icon of the assets panel: a tinted tile (brighter under the mouse) with the asset's picture
// on it; the tooltip names the asset and a click lets the asset react (its details, or a pet's
// own window).
#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"

class SIM_Asset;

class GUI_AssetIcon : public GUI_ButtonBase {
 public:
  GUI_AssetIcon(SIM_Asset* asset, float size);

  void Draw() override;  // the tooltip and the tile
  void DrawOverlay();    // the picture, drawn after every tile
  void Click() override;

  SIM_Asset* GetAsset() const { return m_asset; }
  float GetSize() const { return m_size; }

 private:
  SIM_Asset* m_asset;
  CTexturedSprite m_background;
  CTexturedSprite m_picture;
  CTexturedSprite m_highlight;
  float m_size;
};
