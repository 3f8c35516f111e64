#include "GUI_Assets.h"

#include "GUI_AssetIcon.h"
#include "SIM_Asset.h"

namespace {
GUI_Assets* g_assets = nullptr;

constexpr float kLeft = 450.0f;
constexpr float kTop = 10.0f;
constexpr float kRight = 900.0f;
constexpr float kBottom = 115.0f;
constexpr float kMargin = 3.0f;
}  // namespace

GUI_Assets* GUI_GetAssets() {
  if (!g_assets) g_assets = new GUI_Assets;
  return g_assets;
}

GUI_Assets::GUI_Assets() {
  SetPosition(kLeft, kTop, kRight, kBottom);
  SetCloseOnRestart(false);
  SetEatMouseMoves(false);
  SetCatchClicks(false);
  SetBringToTop(false);
  AddToGUI();
  Refresh();
}

GUI_Assets::~GUI_Assets() {
  if (g_assets == this) g_assets = nullptr;
}

float GUI_Assets::IconSize(int owned) {
  if (owned > 36) return 25.0f;
  if (owned > 18) return 35.0f;
  return 50.0f;
}

int GUI_Assets::IconsPerRow(int owned) {
  if (owned > 36) return 18;
  if (owned > 18) return 12;
  return 9;
}

void GUI_Assets::Refresh() {
  ClearButtons();
  m_icons.clear();
  const int owned = SIM_Asset::CountOwned();
  const float size = IconSize(owned);
  const int perRow = IconsPerRow(owned);
  float x = (float)rect.left;
  float y = (float)rect.top;
  int column = 0;
  for (SIM_Asset* asset : SIM_Asset::All) {
    if (!asset->IsOwned()) continue;
    GUI_AssetIcon* icon = new GUI_AssetIcon(asset, size);
    icon->SetPosition(x + kMargin, y + kMargin, x + size - kMargin, y + size - kMargin);
    AddButton(icon);
    m_icons.push_back(icon);
    x += size;
    if (++column == perRow) {
      column = 0;
      y += size;
      x = (float)rect.left;
    }
  }
}

void GUI_Assets::Forget(SIM_Asset* asset) {
  if (!g_assets) return;
  for (auto it = g_assets->m_icons.begin(); it != g_assets->m_icons.end();) {
    GUI_AssetIcon* icon = *it;
    if (icon->GetAsset() == asset) {
      it = g_assets->m_icons.erase(it);
      g_assets->RemoveButton(icon);
      delete icon;
    } else {
      ++it;
    }
  }
}

void GUI_Assets::Draw() {
  // All pictures lie above all tiles.
  DrawButtons();
  for (GUI_AssetIcon* icon : m_icons) icon->DrawOverlay();
}
