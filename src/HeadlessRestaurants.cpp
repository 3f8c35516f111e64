#include "HeadlessRestaurants.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>
#include <vector>

#include "GRandom.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RestaurantInstance.h"
#include "SIM_Finances.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_RestaurantOption.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"

namespace {

// Evenings the player walked away from (every waiter said no, or nothing could be ordered) stay
// unfinished; they are never taken up again. Evenings are freed only all at once, when a game
// starts or loads, so a pointer that is no longer among them is forgotten.
std::set<const SIM_SocialiseInstance*> g_givenUp;

void ForgetFreedEvenings() {
  for (auto it = g_givenUp.begin(); it != g_givenUp.end();) {
    const auto& all = SIM_SocialiseInstance::All;
    it = std::find(all.begin(), all.end(), *it) == all.end() ? g_givenUp.erase(it) : std::next(it);
  }
}

SIM_RestaurantOption* DrawDish(const std::list<SIM_RestaurantOption*>& menu, SIM_RestaurantOption::MENUTYPE type) {
  std::vector<SIM_RestaurantOption*> candidates;
  for (SIM_RestaurantOption* option : menu)
    if (option->GetType() == type) candidates.push_back(option);
  if (candidates.empty()) return nullptr;
  return candidates[(size_t)std::rand() % candidates.size()];
}

// The chooser's restaurants in order: too dear for the cash in hand is passed over, and a full
// one's waiter sends the player on to the next.
void FindTable(SIM_RestaurantInstance* outing) {
  const float cash = SIM_GetFinances()->GetCash();
  for (SIM_Restaurant* restaurant : outing->GetRestaurants()) {
    if (restaurant->GetMinCost() > cash) continue;
    if (restaurant->HasFreeTable()) {
      outing->AcceptTable(restaurant);
      return;
    }
    SIM_GetScript()->RunScript("restaurant_turned_away.txt", 1.0f);
  }
}

constexpr float kDineOutChance = 0.15f;

}  // namespace

float HeadlessRestaurants::Fancy(SIM_SocialiseType* type, float friends) {
  if (!type || type->GetProcessFunction() != "RESTAURANT") return 0.0f;
  return GRandom::IsChance(kDineOutChance) ? friends + 1.0f : 0.0f;
}

bool HeadlessRestaurants::FinishWaitingMeal() {
  ForgetFreedEvenings();
  SIM_RestaurantInstance* outing = SIM_RestaurantInstance::FindAwaitingOrder();
  if (!outing || g_givenUp.count(outing)) return false;
  if (!outing->GetChosen()) FindTable(outing);
  SIM_RestaurantOption* drink = nullptr;
  SIM_RestaurantOption* main = nullptr;
  if (outing->GetChosen()) {
    const std::list<SIM_RestaurantOption*> menu = outing->GetChosen()->DrawTodaysMenu();
    drink = DrawDish(menu, SIM_RestaurantOption::DRINK);
    main = DrawDish(menu, SIM_RestaurantOption::MAINCOURSE);
  }
  if (drink && main) {
    outing->AddOption(drink);
    outing->AddOption(main);
    outing->OrderFood();
  } else {
    g_givenUp.insert(outing);
  }
  GUI_RestaurantInstance::Close();
  GUI_RestaurantChooser::Close();
  return true;
}
