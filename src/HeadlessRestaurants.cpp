#include "HeadlessRestaurants.h"

#include <cstdlib>
#include <vector>

#include "GRandom.h"
#include "GUI_IconButton.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_WaiterDialog.h"
#include "SIM_Finances.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantOption.h"
#include "SIM_SocialiseType.h"

namespace {

constexpr float kDineOutChance = 0.15f;

// One dish of the kind drawn from those on the menu costing at most `budget`.
SIM_RestaurantOption* DrawDish(const std::list<SIM_RestaurantOption*>& menu, SIM_RestaurantOption::MENUTYPE type,
                               float budget) {
  std::vector<SIM_RestaurantOption*> candidates;
  for (SIM_RestaurantOption* option : menu)
    if (option->GetType() == type && option->GetCost() <= budget) candidates.push_back(option);
  if (candidates.empty()) return nullptr;
  return candidates[(size_t)std::rand() % candidates.size()];
}

float CheapestDish(const std::list<SIM_RestaurantOption*>& menu, SIM_RestaurantOption::MENUTYPE type) {
  float cheapest = -1.0f;
  for (SIM_RestaurantOption* option : menu)
    if (option->GetType() == type && (cheapest < 0.0f || option->GetCost() < cheapest)) cheapest = option->GetCost();
  return cheapest;
}

// The chooser's restaurants in order: one too dear for the cash in hand is passed over (its book
// button says so), and a full one's waiter sends the player on to the next. Nobody with a table:
// the chooser is closed and the evening stays free.
void AskForATable(GUI_RestaurantChooser* chooser, size_t restaurants) {
  for (size_t asked = 0; asked < restaurants; ++asked) {
    SIM_Restaurant* current = chooser->GetCurrent();
    if (current && current->GetMinCost() <= SIM_GetFinances()->GetCash()) {
      GUI_RestaurantChooser::BookATable(0);
      GUI_WaiterDialog::OK(0);
      if (GUI_RestaurantInstance::PTheWindow) return;
    }
    chooser->UpdateScrollButtonStatus();
    if (!chooser->GetNextButton()->IsEnabled()) break;
    GUI_RestaurantChooser::NextRestaurant(0);
  }
  GUI_RestaurantChooser::Close();
}

}  // namespace

float HeadlessRestaurants::Fancy(SIM_SocialiseType* type, float friends) {
  if (!type || type->GetProcessFunction() != "RESTAURANT") return 0.0f;
  return GRandom::IsChance(kDineOutChance) ? friends + 1.0f : 0.0f;
}

bool HeadlessRestaurants::FinishWaitingMeal() {
  bool any = false;
  if (GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::PTheWindow) {
    any = true;
    AskForATable(chooser, SIM_Restaurant::All.size());
  }
  GUI_RestaurantInstance* menu = GUI_RestaurantInstance::PTheWindow;
  if (!menu) return any;
  // A drink and a main course, each drawn from those on tonight's menu the cash in hand pays for
  // (the menu lets a player order beyond it), then the order button.
  const std::list<SIM_RestaurantOption*>& dishes = menu->GetTodaysMenu();
  const float cash = SIM_GetFinances()->GetCash();
  const float cheapestMain = CheapestDish(dishes, SIM_RestaurantOption::MAINCOURSE);
  SIM_RestaurantOption* drink =
      cheapestMain < 0.0f ? nullptr : DrawDish(dishes, SIM_RestaurantOption::DRINK, cash - cheapestMain);
  SIM_RestaurantOption* main =
      drink ? DrawDish(dishes, SIM_RestaurantOption::MAINCOURSE, cash - drink->GetCost()) : nullptr;
  if (drink && main) {
    GUI_RestaurantInstance::OrderItem(drink);
    GUI_RestaurantInstance::OrderItem(main);
    GUI_RestaurantInstance::OrderFood(0);
  } else {
    GUI_RestaurantInstance::Close();  // nothing to order: the player leaves
  }
  return true;
}
