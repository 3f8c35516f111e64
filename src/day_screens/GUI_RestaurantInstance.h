#pragma once
// The restaurant's menu: its own picture over the whole screen, today's drinks and main courses in
// two columns with their prices and effects, the cash that will be left and the order button.
// Ordering hands the choice to the evening, which runs, pays and opens the report; the
// restaurant's music plays from here until the report closes.
#include <list>
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GSpriteList.h"
#include "GUI_WindowBase.h"
#include "LibTextChunkList.h"
#include "SmartTexture.h"

class GUI_FoodMenuItem;
class GUI_IconButton;
class GUI_RestaurantKey;
class SIM_RestaurantInstance;
class SIM_RestaurantOption;

class GUI_RestaurantInstance : public GUI_WindowBase {
 public:
  static void Create(SIM_RestaurantInstance* outing);
  static void Close();
  static void OrderItem(SIM_RestaurantOption* option);
  static void CancelItem(SIM_RestaurantOption* option);
  static void UpdateOrderStatus();
  static void OrderFood(int);

  explicit GUI_RestaurantInstance(SIM_RestaurantInstance* outing);
  ~GUI_RestaurantInstance() override;

  SIM_RestaurantInstance* GetRestaurantInstance() const { return m_outing; }
  void Reset();  // lays the open screen out for the present screen size
  void ChooseTodaysMenu();
  void ApplyTodaysMenu();
  void ClearFoodMenuItems();
  void DrawMoney();
  void Draw() override;

  LibTextChunkList& GetDescriptionTexts() { return m_descriptionTexts; }
  LibTextChunkList& GetNameTexts() { return m_nameTexts; }
  const std::list<SIM_RestaurantOption*>& GetTodaysMenu() const { return m_todaysMenu; }
  const std::vector<GUI_FoodMenuItem*>& GetMenuItems() const { return m_menuItems; }
  GUI_IconButton* GetOrderButton() const { return m_orderButton; }
  const std::string& GetMoneyLeftText() const { return m_moneyLeft; }

  static GUI_RestaurantInstance* PTheWindow;  // the open screen, or null
  static GSpriteList SpriteList;  // the items' sprites of one frame, drawn above them

 private:
  LibTextChunkList m_descriptionTexts;
  LibTextChunkList m_nameTexts;
  std::string m_moneyLabel;
  std::string m_moneyLeft;
  SIM_RestaurantInstance* m_outing = nullptr;  // not owned
  GUI_IconButton* m_orderButton = nullptr;     // in the button list
  SmartTexture m_background;
  CTexturedSprite m_strip;
  std::list<SIM_RestaurantOption*> m_todaysMenu;  // owned by SIM_RestaurantOption::All
  std::vector<GUI_FoodMenuItem*> m_menuItems;     // children
  GUI_RestaurantKey* m_key = nullptr;             // a child
};
