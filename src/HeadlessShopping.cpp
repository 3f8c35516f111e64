#include "HeadlessShopping.h"

#include <cstdlib>
#include <string>

#include "GRandom.h"
#include "GUI_ButtonText.h"
#include "GUI_ShoppingScreen.h"
#include "GUI_SoloActivityChooser.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_MagazineAsset.h"
#include "SIM_SoloActivityType.h"

int HeadlessShopping::Bought = 0;

namespace {
// Cash kept back after a purchase: bills and evenings out come first.
constexpr float kShoppingReserve = 300.0f;
constexpr float kShoppingTripChance = 0.06f;

bool Wanted(const SIM_Asset& asset) {
  const std::string& name = asset.GetName();
  if (name == "umbrella" || name == "mp3player" || name == "bicycle" || name == "guitar") return true;
  if (name == "cabletv") return true;  // more to watch in front of the set
  if (dynamic_cast<const SIM_MagazineAsset*>(&asset)) return true;  // this week's issue of a title
  return asset.GetMyTab() == SIM_Asset::TAB_BOOKS && name != "sudoku";
}
}  // namespace

void HeadlessShopping::Shop() {
  GUI_ShoppingScreen* shop = GUI_ShoppingScreen::PTheWindow;
  if (!shop) return;
  for (SHOPPINGTAB tab : {SHOPPINGTAB_MUSIC, SHOPPINGTAB_GENERAL, SHOPPINGTAB_BOOKS}) {
    shop->SetCurrentTab(tab);
    const std::vector<SIM_Asset*>& offers = shop->GetOffers();
    for (size_t i = 0; i < offers.size(); ++i) {
      const SIM_Asset& asset = *offers[i];
      if (!Wanted(asset) || asset.GetPurchaseCost() + kShoppingReserve > SIM_GetFinances()->GetCash()) continue;
      if (std::rand() % 2) continue;  // not tonight
      // Paged to the offer as a player would, then its buy button.
      while (shop->GetPage() < (int)i / GUI_ShoppingScreen::kOffersPerPage) GUI_ShoppingScreen::ScrollRight(0);
      GUI_ShoppingItem::Buy((int)i);
      ++Bought;
      GUI_ShoppingScreen::Close();
      return;
    }
  }
  GUI_ShoppingScreen::Close();
}

bool HeadlessShopping::SpendEvening() {
  if (SIM_GetFinances()->GetCash() < 2.0f * kShoppingReserve || !GRandom::IsChance(kShoppingTripChance)) return false;
  GUI_SoloActivityChooser::ScrollToActivity("shopping");
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  if (!chooser->GetType() || chooser->GetType()->GetName() != "shopping" || !chooser->GetStartButton()->IsEnabled()) {
    GUI_SoloActivityChooser::Close();
    return false;
  }
  GUI_SoloActivityChooser::StartActivity(0);
  Shop();
  return true;
}
