// The shop, headless: departments of four offers a page, the price text with and without a daily
// cost, buying from the offer's own button (which the purchase deletes) on the page it was on,
// the department labels that answer only near their lettering, and the keys.
#include <gtest/gtest.h>

#include <string>

#include "../gui_toolkit/GuiToolkitTestSupport.h"
#include "GUI_ButtonText.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_ShoppingScreen.h"
#include "Game.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"

namespace {

class Shop : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    SIM_Asset::Close();
    GetGame()->SetCurrency("GBP");
    SIM_GetFinances()->SetCash(1000.0f);
  }
  void TearDown() override {
    GUI_ShoppingScreen::Close();
    GuiTest::TearDown();
    SIM_Asset::Close();
  }
  static SIM_Asset* Offer(const std::string& name, int tab, float price, float daily = 0.0f) {
    SIM_Asset* asset = new SIM_Asset;
    asset->SetName(name);
    asset->SetGUIName(name);
    asset->SetPrice(price, 0.5f);
    asset->SetDailyCost(daily);
    asset->SetTab(tab);
    return asset;
  }
  static GUI_ShoppingScreen* Open() {
    GUI_ShoppingScreen::Create();
    GUI_ShoppingScreen* shop = GUI_ShoppingScreen::PTheWindow;
    EXPECT_NE(shop, nullptr);
    // The first visit's hint would take the clicks meant for the shop.
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    shop->Draw();
    return shop;
  }
  static std::vector<std::string> Shown() {
    std::vector<std::string> names;
    for (GUI_ShoppingItem* item : GUI_ShoppingItem::All) names.push_back(item->GetAsset()->GetName());
    return names;
  }
};

TEST_F(Shop, FourOffersMakeOnePageAndAFifthASecond) {
  for (int count : {4, 5}) {
    SIM_Asset::Close();
    for (int i = 0; i < count; ++i) Offer("thing" + std::to_string(i), SIM_Asset::TAB_GENERAL, 10.0f);
    Offer("kitten", SIM_Asset::TAB_PETS, 10.0f);
    GUI_ShoppingScreen* shop = Open();
    EXPECT_EQ(Shown().size(), 4u);
    EXPECT_FALSE(shop->GetScrollLeftButton()->IsEnabled());
    EXPECT_EQ(shop->GetScrollRightButton()->IsEnabled(), count == 5) << count;
    shop->HandleKey(124);  // right arrow
    EXPECT_EQ(shop->GetPage(), count == 5 ? 1 : 0);
    EXPECT_EQ(Shown().size(), count == 5 ? 1u : 4u);
  }
}

TEST_F(Shop, BuyingFromTheLastPageKeepsThePageAndAnotherDepartmentStartsAtTheFirst) {
  for (int i = 0; i < 5; ++i) Offer("thing" + std::to_string(i), SIM_Asset::TAB_GENERAL, 100.0f);
  GUI_ShoppingScreen* shop = Open();
  shop->HandleKey(124);
  shop->Draw();
  ASSERT_EQ(Shown(), std::vector<std::string>{"thing4"});
  GUI_ButtonText* buy = GUI_ShoppingItem::All.front()->GetBuyButton();
  // The click runs Buy from the button that the rebuilt offers delete.
  EXPECT_TRUE(guitest::ClickAt(buy->GetCenterX(), buy->GetCenterY()));
  EXPECT_TRUE(SIM_Asset::GetByName("thing4")->IsOwned());
  EXPECT_TRUE(SIM_NamedValueList::Globals.IsTrue("thing4"));
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 900.0f);
  EXPECT_EQ(shop->GetPage(), 1);
  EXPECT_TRUE(Shown().empty());
  shop->Draw();
  EXPECT_TRUE(shop->GetScrollLeftButton()->IsEnabled());
  shop->HandleKey(123);  // left arrow
  EXPECT_EQ(Shown().size(), 4u);

  shop->HandleKey(124);
  shop->SetCurrentTab(SHOPPINGTAB_GENERAL);
  EXPECT_EQ(shop->GetPage(), 0);
}

TEST_F(Shop, PricesShowTheDailyCostAndWhatCannotBeAffordedCannotBeBought) {
  Offer("gym", SIM_Asset::TAB_GENERAL, 200.0f, 1.5f);
  Offer("yacht", SIM_Asset::TAB_GENERAL, 5000.0f);
  Offer("leaflet", SIM_Asset::TAB_GENERAL, 0.0f);
  Open();
  ASSERT_EQ(GUI_ShoppingItem::All.size(), 3u);
  auto it = GUI_ShoppingItem::All.begin();
  EXPECT_EQ((*it)->GetPriceText(), "GBP 200.00 + (GBP 1.50/day)");
  EXPECT_EQ((*it)->GetBuyButton()->GetText(), "Buy: GBP 200.00 + (GBP 1.50/day)");
  EXPECT_TRUE((*it)->GetBuyButton()->IsEnabled());
  ++it;
  EXPECT_EQ((*it)->GetPriceText(), "GBP 5000.00");
  EXPECT_FALSE((*it)->GetBuyButton()->IsEnabled());
  SIM_GetFinances()->SetCash(-20.0f);
  GUI_ShoppingScreen::PTheWindow->Draw();
  EXPECT_TRUE(GUI_ShoppingItem::All.back()->GetBuyButton()->IsEnabled());  // free is always free
}

TEST_F(Shop, ALabelAnswersOnlyNearItsLettering) {
  Offer("thing", SIM_Asset::TAB_GENERAL, 1.0f);
  Offer("novel", SIM_Asset::TAB_BOOKS, 1.0f);
  GUI_ShoppingScreen* shop = Open();
  // Inside the books label's rectangle (0,543)-(342,638) but 35 px and more from every spot.
  EXPECT_FALSE(guitest::ClickAt(20.0f, 630.0f) && shop->GetCurrentTab() == SHOPPINGTAB_BOOKS);
  EXPECT_EQ(shop->GetCurrentTab(), SHOPPINGTAB_GENERAL);
  EXPECT_TRUE(guitest::ClickAt(150.0f, 600.0f));  // 13 px below a spot
  EXPECT_EQ(shop->GetCurrentTab(), SHOPPINGTAB_BOOKS);
  EXPECT_EQ(Shown(), std::vector<std::string>{"novel"});
  shop->HandleKey(53);  // Escape
  EXPECT_EQ(GUI_ShoppingScreen::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_ShoppingItem::All.empty());
}

}  // namespace
