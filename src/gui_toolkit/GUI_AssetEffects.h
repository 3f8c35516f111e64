#pragma once
// The list of what owning an asset does to the player, read from the "ApplyEffect" commands of the
// asset's daily script: one row per command, with the value's name and a green or red marker
// holding the change in percentage points. The pet window embeds it too.
#include "GUI_WindowBase.h"

class SIM_Asset;

class GUI_AssetEffects : public GUI_WindowBase {
 public:
  static constexpr float EFFECTICONHEIGHT = 27.0f;  // the height of one row

  explicit GUI_AssetEffects(SIM_Asset* asset);

  void Populate(SIM_Asset* asset);
  float GetHeight() const { return (float)m_children.size() * EFFECTICONHEIGHT; }
  void PositionChildren();
  void Draw() override;

 private:
  bool m_positioned = false;
};
