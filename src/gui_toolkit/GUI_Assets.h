#pragma once
// The strip of the player's possessions and services at the top of the in-game screen: one icon
// per owned asset, 50 pixels (9 a row), 35 (12 a row) once there are more than 18, 25 (18 a row)
// once there are more than 36. An icon's tooltip names the asset and a click opens its details.
// Clicks and hover between the icons reach whatever lies below the panel.
//
// One instance, made by GUI_GetAssets(); every change of ownership calls Refresh.
#include <list>

#include "GUI_WindowBase.h"

class GUI_AssetIcon;
class SIM_Asset;

class GUI_Assets : public GUI_WindowBase {
 public:
  GUI_Assets();
  ~GUI_Assets() override;

  void Refresh();  // the icons again, from the owned assets in list order
  void Draw() override;

  const std::list<GUI_AssetIcon*>& GetIcons() const { return m_icons; }
  // The icon side for a number of owned assets, and how many icons make a row.
  static float IconSize(int owned);
  static int IconsPerRow(int owned);
  // An asset that is being destroyed loses its icon (only when the panel exists).
  static void Forget(SIM_Asset* asset);

 private:
  std::list<GUI_AssetIcon*> m_icons;  // the button list owns them
};

GUI_Assets* GUI_GetAssets();
