#pragma once
// One dish on the restaurant's menu: icon, name, price, description and its effects. Clicking it
// orders it (in place of any other dish of its course) or, when already ordered, cancels it.
#include <cstdint>
#include <list>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "SIM_RestaurantOption.h"

class GUI_FoodMenuItem : public GUI_WindowBase {
 public:
  explicit GUI_FoodMenuItem(SIM_RestaurantOption* option);
  ~GUI_FoodMenuItem() override;
  GUI_FoodMenuItem(const GUI_FoodMenuItem&) = delete;
  GUI_FoodMenuItem& operator=(const GUI_FoodMenuItem&) = delete;

  void Populate();  // an effect line per modifier, right to left; the restaurant's text colour
  void SetSelected(bool selected);
  // Shows the dish as ordered without ordering it again (the menu laid out anew).
  void MarkSelected() { m_selected = true; }
  static void ClearByType(SIM_RestaurantOption::MENUTYPE type);

  bool CheckClick(float x, float y) override;
  void Draw() override;

  bool IsSelected() const { return m_selected; }
  SIM_RestaurantOption* GetOption() const { return m_option; }
  const std::string& GetPriceText() const { return m_priceText; }
  uint32_t GetTextColour() const { return m_textColour; }

  static std::list<GUI_FoodMenuItem*> All;  // every live item

 private:
  CTexturedSprite m_icon;
  CTexturedSprite m_selectedMark;
  bool m_selected = false;
  SIM_RestaurantOption* m_option = nullptr;  // not owned
  std::string m_priceText;
  uint32_t m_textColour = 0xFF000000u;
};
