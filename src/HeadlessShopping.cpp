#include "HeadlessShopping.h"

#include <cstdlib>
#include <string>

#include "GUI_ShoppingScreen.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"

int HeadlessShopping::Bought = 0;

namespace {
// Cash kept back after a purchase: bills and evenings out come first.
constexpr float kShoppingReserve = 300.0f;

bool Wanted(const SIM_Asset& asset) {
  const std::string& name = asset.GetName();
  if (name == "umbrella" || name == "mp3player" || name == "bicycle") return true;
  return asset.GetMyTab() == SIM_Asset::TAB_BOOKS && name != "sudoku";
}
}  // namespace

void HeadlessShopping::Shop() {
  GUI_ShoppingScreen* shop = GUI_ShoppingScreen::PTheWindow;
  if (!shop) return;
  for (SHOPPINGTAB tab : {SHOPPINGTAB_GENERAL, SHOPPINGTAB_BOOKS}) {
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
