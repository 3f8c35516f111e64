#pragma once
// The menu's legend, bottom left: the icons of the four attributes the dishes touch most, each
// with its name.
#include <array>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_RestaurantKey : public GUI_WindowBase {
 public:
  static constexpr int kEntries = 4;

  GUI_RestaurantKey();
  ~GUI_RestaurantKey() override;

  void Initialise();  // places the icons along the screen's bottom
  void Draw() override;  // queues the icons in the menu's sprite list
  // The names lie over the icons' lower edge, so they are drawn once the sprites are.
  void DrawLabels();

  const std::string& GetLabel(int i) const { return m_labels[(size_t)i]; }

 private:
  std::array<CTexturedSprite, kEntries> m_icons;
  std::array<std::string, kEntries> m_labels;
};
