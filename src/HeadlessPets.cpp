#include "HeadlessPets.h"

#include <vector>

#include "GRandom.h"
#include "GUI_ButtonText.h"
#include "GUI_ShoppingScreen.h"
#include "GUI_SoloActivityChooser.h"
#include "SIM_Finances.h"
#include "SIM_PetBase.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityType.h"

std::map<std::string, int> HeadlessPets::Counts;
bool HeadlessPets::ForgotFishFood = false;

namespace {
// When each pet comes home (days into the game) and the cash it leaves in the bank.
struct Plan {
  const char* pet;
  int fromDay;
};
constexpr Plan kPlans[] = {{"dog", 12}, {"cat", 130}, {"fish", 220}};
constexpr float kPetReserve = 250.0f;
constexpr float kWalkChance = 0.08f;
// The dog or cat alone this many evenings gets one at home.
constexpr int kEveningsAloneForCompany = 3;

int Today() { return SIM_GetSim()->GetTurnCount(); }

// Opens the chooser at the named activity; false (closed again) when it cannot start tonight.
bool Choose(const char* name) {
  GUI_SoloActivityChooser::ScrollToActivity(name);
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  if (!chooser->GetType() || chooser->GetType()->GetName() != name || !chooser->GetStartButton()->IsEnabled()) {
    GUI_SoloActivityChooser::Close();
    return false;
  }
  GUI_SoloActivityChooser::StartActivity(0);
  return true;
}

// The pets department's offer of that name, paged to and bought; false when it is not offered.
bool BuyInPetShop(const std::string& name) {
  GUI_ShoppingScreen* shop = GUI_ShoppingScreen::PTheWindow;
  if (!shop) return false;
  shop->SetCurrentTab(SHOPPINGTAB_PETS);
  const std::vector<SIM_Asset*>& offers = shop->GetOffers();
  for (size_t i = 0; i < offers.size(); ++i) {
    if (offers[i]->GetName() != name || offers[i]->GetPurchaseCost() > SIM_GetFinances()->GetCash()) continue;
    while (shop->GetPage() < (int)i / GUI_ShoppingScreen::kOffersPerPage) GUI_ShoppingScreen::ScrollRight(0);
    GUI_ShoppingItem::Buy((int)i);
    return true;
  }
  return false;
}

bool Owned(const char* pet) {
  SIM_PetBase* found = SIM_PetBase::GetByName(pet);
  return found && found->IsOwned();
}
}  // namespace

void HeadlessPets::StartGame() {
  Counts.clear();
  ForgotFishFood = false;
}

bool HeadlessPets::SpendEvening() {
  // Food for every owned pet whose note is up; the fish's first note is missed.
  std::vector<std::string> food;
  for (SIM_PetBase* pet : SIM_PetBase::All) {
    if (!pet->IsOwned() || !pet->GetReminder()) continue;
    if (pet->GetName() == "fish" && !ForgotFishFood) {
      if (pet->GetMealsLeft() == 0 && pet->GetDaysWithoutFood() == 0) ForgotFishFood = true;  // too late now
      continue;
    }
    food.push_back(pet->GetName() + "food");
  }
  std::string newPet;
  for (const Plan& plan : kPlans) {
    if (Today() < plan.fromDay || Counts.count(plan.pet)) continue;
    const SIM_Asset* asset = SIM_PetBase::GetByName(plan.pet);
    if (asset && !asset->IsOwned() && asset->GetPurchaseCost() + kPetReserve < SIM_GetFinances()->GetCash()) {
      newPet = plan.pet;
      break;
    }
  }
  if (!food.empty() || !newPet.empty()) {
    if (!Choose("shopping")) return false;
    if (!newPet.empty() && BuyInPetShop(newPet)) {
      ++Counts[newPet];
      food.push_back(newPet + "food");
    }
    for (const std::string& name : food) {
      if (BuyInPetShop(name)) ++Counts[name];
    }
    GUI_ShoppingScreen::Close();
    return true;
  }
  SIM_PetBase* dog = SIM_PetBase::GetByName("dog");
  if (Owned("dog") && GRandom::IsChance(kWalkChance) && Choose("walkpark")) {
    ++Counts["walkpark"];
    return true;
  }
  SIM_PetBase* cat = SIM_PetBase::GetByName("cat");
  const bool dogAlone = Owned("dog") && dog->GetEveningsAlone() >= kEveningsAloneForCompany;
  const bool catAlone = Owned("cat") && cat->GetEveningsAlone() >= kEveningsAloneForCompany;
  if ((dogAlone || catAlone) && Choose("homewithpets")) {
    ++Counts["homewithpets"];
    return true;
  }
  return false;
}

int HeadlessPets::Lost() {
  int lost = 0;
  for (const Plan& plan : kPlans) {
    if (Counts.count(plan.pet) && !Owned(plan.pet)) ++lost;
  }
  return lost;
}
