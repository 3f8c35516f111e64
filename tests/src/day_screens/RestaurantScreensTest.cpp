// The restaurant evening's screens as the player meets them: the chooser steps through the
// restaurants without wrapping and will not book what the cash cannot pay, the waiter sends the
// player on or in, and the menu lists today's dishes, keeps one drink and one main course,
// shows every effect the way round the player reads it, and plays the restaurant's music until
// the evening's report closes. Two hand-made restaurants (tests/fixtures/day_screens).
#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_FoodMenuItem.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MenuItemEffect.h"
#include "GUI_PostMortem.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_Sounds.h"
#include "GUI_WaiterDialog.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_Finances.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_RestaurantOption.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// Lines of the debug log that hold the text, an alert's own echo line not counted.
int CountMenuLogLines(const std::string& text) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  int count = 0;
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find('\n', start);
    if (end == std::string::npos) end = log.size();
    const std::string line = log.substr(start, end - start);
    if (line.find(text) != std::string::npos && line.rfind("Alert ", 0) != 0) ++count;
    start = end + 1;
  }
  return count;
}

class RestaurantScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(11);
    HeadlessPlayer::PlayToEndOfDay(true);
    SIM_Restaurant::Close();
    const std::string restaurants = testsupport::FixturePath("day_screens/menu_restaurants.csv");
    const std::string dishes = testsupport::FixturePath("day_screens/menu_dishes.csv");
    SIM_Restaurant::Open(restaurants.c_str(), dishes.c_str());
    ASSERT_EQ(SIM_Restaurant::All.size(), 2u);
    SIM_GetFinances()->SetCash(500.0f);
    type = new SIM_SocialiseType;
    type->SetName("pizzeria");
    type->SetGUIName("Pizzeria");
    type->SetProcessFunction("RESTAURANT");
  }
  void TearDown() override {
    GUI_RestaurantInstance::Close();
    GUI_RestaurantChooser::Close();
    if (GUI_PostMortem::PTheWindow) GUI_PostMortem::Continue(0);
    delete type;
  }
  static void CloseHints() {
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  }
  // The player hosts the evening alone: the chooser opens on the first restaurant.
  GUI_RestaurantChooser* HostEvening() {
    outing = dynamic_cast<SIM_RestaurantInstance*>(
        SIM_SocialiseInstance::Create(std::list<SIM_Person*>(), type, SIM_GetVede()));
    CloseHints();
    return GUI_RestaurantChooser::PTheWindow;
  }
  static SIM_Restaurant* Restaurant(const std::string& name) {
    for (SIM_Restaurant* r : SIM_Restaurant::All)
      if (r->GetGUIName() == name) return r;
    return nullptr;
  }
  // Tonight's verdicts drawn again until the restaurant answers as wanted.
  static void MakeTable(SIM_Restaurant* restaurant, bool free) {
    for (int i = 0; i < 2000 && restaurant->HasFreeTable() != free; ++i) restaurant->CalculateTableAvailability();
    ASSERT_EQ(restaurant->HasFreeTable(), free);
  }
  // The menu of the named restaurant, opened as the waiter's yes opens it.
  GUI_RestaurantInstance* OpenMenu(const std::string& name) {
    if (!GUI_RestaurantChooser::PTheWindow) HostEvening();
    outing->AcceptTable(Restaurant(name));
    CloseHints();
    return GUI_RestaurantInstance::PTheWindow;
  }
  static GUI_FoodMenuItem* Item(const std::string& dish) {
    for (GUI_FoodMenuItem* item : GUI_FoodMenuItem::All)
      if (item->GetOption()->GetGUIName() == dish) return item;
    return nullptr;
  }
  static std::vector<std::string> Names(const std::list<SIM_RestaurantOption*>& options) {
    std::vector<std::string> names;
    for (SIM_RestaurantOption* o : options) names.push_back(o->GetGUIName());
    return names;
  }
  static bool Click(GUI_BaseElement* element) {
    GetInput()->mouseX = element->GetCenterX();
    GetInput()->mouseY = element->GetCenterY();
    return GUI_GetGUI()->CheckClick();
  }

  SIM_SocialiseType* type = nullptr;
  SIM_RestaurantInstance* outing = nullptr;
};

TEST_F(RestaurantScreens, TheChooserStepsThroughTheRestaurantsWithoutWrapping) {
  GUI_RestaurantChooser* chooser = HostEvening();
  ASSERT_NE(chooser, nullptr);
  chooser->Draw();
  EXPECT_EQ(chooser->GetCurrent()->GetGUIName(), "Trattoria Prova");
  EXPECT_FALSE(chooser->GetPrevButton()->IsEnabled());
  EXPECT_TRUE(chooser->GetNextButton()->IsEnabled());
  GUI_RestaurantChooser::PrevRestaurant(0);
  EXPECT_EQ(chooser->GetCurrent()->GetGUIName(), "Trattoria Prova");

  GUI_RestaurantChooser::NextRestaurant(0);
  chooser->Draw();
  EXPECT_EQ(chooser->GetCurrent()->GetGUIName(), "Le Grand Essai");
  EXPECT_TRUE(chooser->GetPrevButton()->IsEnabled());
  EXPECT_FALSE(chooser->GetNextButton()->IsEnabled());
  GUI_RestaurantChooser::NextRestaurant(0);
  EXPECT_EQ(chooser->GetCurrent()->GetGUIName(), "Le Grand Essai") << "no wrap to the first";

  // Closing without a table leaves the evening unbooked.
  GUI_RestaurantChooser::Close();
  EXPECT_EQ(outing->GetChosen(), nullptr);
  EXPECT_EQ(GUI_RestaurantInstance::PTheWindow, nullptr);
}

TEST_F(RestaurantScreens, WithNothingOnOfferTheChooserSaysSoAndBooksNothing) {
  auto* empty = dynamic_cast<SIM_RestaurantInstance*>(SIM_SocialiseInstance::CreateInstanceFromType(type));
  ASSERT_NE(empty, nullptr);
  GUI_RestaurantChooser::Create(empty);
  CloseHints();
  GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::PTheWindow;
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->GetCurrent(), nullptr);
  DrawRecorder& recorder = D3DEngine::GetRecorder();
  recorder.Clear();
  chooser->Draw();
  EXPECT_TRUE(recorder.HasText(std::string(GTranslation::GetString("RESTAURANT_NONE")).substr(0, 12)));
  EXPECT_FALSE(chooser->GetBookButton()->IsEnabled());
  EXPECT_FALSE(chooser->GetNextButton()->IsEnabled());
  EXPECT_FALSE(chooser->GetPrevButton()->IsEnabled());
  GUI_RestaurantChooser::BookATable(0);
  GUI_RestaurantChooser::NextRestaurant(0);
  EXPECT_EQ(GUI_WaiterDialog::PTheWindow, nullptr);
  EXPECT_EQ(chooser->GetCurrent(), nullptr);
  GUI_RestaurantChooser::Close();
  delete empty;
}

TEST_F(RestaurantScreens, ThePriceLineRoundsAndTheBookButtonNeedsTheCheapestMeal) {
  GUI_RestaurantChooser* chooser = HostEvening();
  ASSERT_NE(chooser, nullptr);
  const std::string expected = std::string(GTranslation::GetString("MENU_COST")) + " " + GetGame()->GetCurrency() + "13-40";
  EXPECT_EQ(chooser->GetPriceLine(), expected);

  struct Case {
    float cash;
    bool bookable;
  };
  for (const Case& c : {Case{12.6f, true}, Case{12.5f, false}, Case{0.0f, false}, Case{500.0f, true}}) {
    SIM_GetFinances()->SetCash(c.cash);
    chooser->Draw();
    EXPECT_EQ(chooser->GetBookButton()->IsEnabled(), c.bookable) << "cash " << c.cash;
    EXPECT_EQ(chooser->GetBookButton()->GetText(),
              GTranslation::GetString(c.bookable ? "RESTAURANT_BOOKTABLE" : "INSUFFICIENT_CASH"));
  }
}

TEST_F(RestaurantScreens, AFullRestaurantTurnsThePlayerAwayAndAFreeOneLeadsToItsMenu) {
  GUI_RestaurantChooser* chooser = HostEvening();
  ASSERT_NE(chooser, nullptr);
  SIM_Restaurant* trattoria = Restaurant("Trattoria Prova");
  MakeTable(trattoria, false);

  GUI_RestaurantChooser::BookATable(0);
  GUI_WaiterDialog* waiter = GUI_WaiterDialog::PTheWindow;
  ASSERT_NE(waiter, nullptr);
  EXPECT_TRUE(waiter->IsModal());
  EXPECT_EQ(waiter->GetTitle(), "Trattoria Prova");
  EXPECT_EQ(waiter->GetComment(), trattoria->GetWaitersComment());
  EXPECT_FALSE(waiter->GetOKButton()->IsFadeFirst());
  GUI_WaiterDialog::OK(0);
  EXPECT_EQ(GUI_WaiterDialog::PTheWindow, nullptr);
  ASSERT_EQ(GUI_RestaurantChooser::PTheWindow, chooser) << "turned away, the chooser stays";
  EXPECT_EQ(chooser->GetCurrent(), trattoria);
  EXPECT_EQ(outing->GetChosen(), nullptr);

  MakeTable(trattoria, true);
  GUI_RestaurantChooser::BookATable(0);
  ASSERT_NE(GUI_WaiterDialog::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_WaiterDialog::PTheWindow->GetOKButton()->IsFadeFirst());
  GUI_WaiterDialog::OK(0);
  EXPECT_EQ(GUI_WaiterDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_RestaurantChooser::PTheWindow, nullptr);
  EXPECT_EQ(outing->GetChosen(), trattoria);
  EXPECT_NE(GUI_RestaurantInstance::PTheWindow, nullptr);
}

TEST_F(RestaurantScreens, FiveAlwaysListedDrinksAreAllListedAndNoneDrawn) {
  GUI_RestaurantInstance* menu = OpenMenu("Le Grand Essai");
  ASSERT_NE(menu, nullptr);
  std::vector<std::string> names = Names(menu->GetTodaysMenu());
  ASSERT_EQ(names.size(), 7u) << "every drink, then the mains there are: fewer than six";
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
            (std::vector<std::string>{"Champagne", "Claret", "Mineral water", "Cognac", "Tisane"}))
      << "the always-listed drinks in table order";
  std::sort(names.begin() + 5, names.end());
  EXPECT_EQ(names[5], "Duck a l orange");
  EXPECT_EQ(names[6], "Sole meuniere");
}

TEST_F(RestaurantScreens, TodaysMenuListsDrinksFirstAndLaysThemOutInTwoColumns) {
  GUI_RestaurantInstance* menu = OpenMenu("Trattoria Prova");
  ASSERT_NE(menu, nullptr);
  const std::vector<std::string> names = Names(menu->GetTodaysMenu());
  ASSERT_EQ(names.size(), 9u) << "three drinks, six of seven mains";
  EXPECT_EQ(names[0], "House red") << "the always-listed drink first";
  EXPECT_EQ(names[3], "Lasagne") << "the always-listed main first among the mains";
  std::vector<std::string> drinks(names.begin(), names.begin() + 3);
  std::sort(drinks.begin(), drinks.end());
  EXPECT_EQ(drinks, (std::vector<std::string>{"Espresso", "House red", "Lemonade"}));

  const std::vector<GUI_FoodMenuItem*>& items = menu->GetMenuItems();
  ASSERT_EQ(items.size(), 9u);
  const float centre = menu->GetCenterX();
  EXPECT_EQ(items[0]->GetRect()->top, 130);
  EXPECT_LT(items[0]->GetRect()->right, centre);
  EXPECT_GT(items[1]->GetRect()->left, centre);
  EXPECT_EQ(items[1]->GetRect()->top, 130);
  EXPECT_EQ(items[2]->GetRect()->top, 130 + 75) << "the third drink opens the second row";
  // The first main course completes the drinks' second row and makes it a main course's height.
  EXPECT_GT(items[3]->GetRect()->left, centre);
  EXPECT_EQ(items[3]->GetRect()->top, 130 + 75);
  EXPECT_EQ(items[3]->GetRect()->bottom - items[3]->GetRect()->top, 118);
  EXPECT_EQ(items[4]->GetRect()->top, 130 + 75 + 118);
}

TEST_F(RestaurantScreens, OneDrinkAndOneMainAreKeptAndOnlyBothAllowOrdering) {
  GUI_RestaurantInstance* menu = OpenMenu("Trattoria Prova");
  ASSERT_NE(menu, nullptr);
  GUI_FoodMenuItem* red = Item("House red");
  GUI_FoodMenuItem* second = nullptr;
  for (GUI_FoodMenuItem* item : menu->GetMenuItems())
    if (item != red && item->GetOption()->GetType() == SIM_RestaurantOption::DRINK) second = item;
  ASSERT_TRUE(red && second);

  EXPECT_FALSE(menu->GetOrderButton()->IsEnabled());
  EXPECT_TRUE(Click(red));
  EXPECT_TRUE(red->IsSelected());
  EXPECT_TRUE(Click(second));
  EXPECT_FALSE(red->IsSelected()) << "a second drink replaces the first";
  EXPECT_EQ(Names(outing->GetSelectedOptions()), (std::vector<std::string>{second->GetOption()->GetGUIName()}));
  EXPECT_FALSE(menu->GetOrderButton()->IsEnabled());

  EXPECT_TRUE(Click(Item("Lasagne")));
  EXPECT_TRUE(menu->GetOrderButton()->IsEnabled());
  EXPECT_TRUE(Click(Item("Lasagne")));
  EXPECT_FALSE(Item("Lasagne")->IsSelected()) << "a click on the ordered dish cancels it";
  EXPECT_FALSE(menu->GetOrderButton()->IsEnabled());
  EXPECT_EQ(menu->GetOrderButton()->GetDisabledClickExplanation(), "RESTAURANT_ORDERFOOD_DISABLED");

  // A new layout (a change of screen size) keeps the marks where the order is.
  const std::string ordered = second->GetOption()->GetGUIName();
  menu->Reset();
  EXPECT_TRUE(Item(ordered)->IsSelected());
  EXPECT_FALSE(Item("House red")->IsSelected());
}

TEST_F(RestaurantScreens, EffectsShowStressAsRelaxationAndRoundTinyAmountsToZero) {
  GUI_RestaurantInstance* menu = OpenMenu("Trattoria Prova");
  ASSERT_NE(menu, nullptr);
  struct Case {
    const char* dish;
    const char* text;
    uint32_t colour;
  };
  for (const Case& c : {Case{"Espresso", "-10", GUI_MenuItemEffect::kBadColour},
                        Case{"Lemonade", "+0", GUI_MenuItemEffect::kGoodColour},
                        Case{"House red", "+10", GUI_MenuItemEffect::kBadColour}}) {
    GUI_FoodMenuItem* item = Item(c.dish);
    ASSERT_NE(item, nullptr) << c.dish;
    ASSERT_EQ(item->GetChildren().size(), 1u) << c.dish;
    auto* effect = dynamic_cast<GUI_MenuItemEffect*>(item->GetChildren().front());
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->GetAmountText(), c.text) << c.dish;
    EXPECT_EQ(effect->GetColour(), c.colour) << c.dish;
  }
  // Stress goes on the relaxation icon; the restaurant's colour (200,30,30) reads as red.
  auto* espresso = dynamic_cast<GUI_MenuItemEffect*>(Item("Espresso")->GetChildren().front());
  EXPECT_FLOAT_EQ(espresso->GetIcon().vertices[0].u, 0.25f);
  EXPECT_FLOAT_EQ(espresso->GetIcon().vertices[0].v, 0.5f);
  EXPECT_EQ(Item("Espresso")->GetTextColour(), Restaurant("Trattoria Prova")->GetTextColor());

  // Fitness has no icon on the sheet: listed all the same, said once with the dish's row, also
  // when the menu is laid out again.
  ASSERT_EQ(Item("Lasagne")->GetChildren().size(), 3u);
  menu->Reset();
  ASSERT_EQ(Item("Lasagne")->GetChildren().size(), 3u);
  EXPECT_EQ(CountMenuLogLines("day_screens/menu_dishes.csv:5: Unknown food effect \"fitness\""), 1);
}

TEST_F(RestaurantScreens, TheMoneyLeftMayGoBelowZeroAndOrderingIsStillAllowed) {
  GUI_RestaurantInstance* menu = OpenMenu("Trattoria Prova");
  ASSERT_NE(menu, nullptr);
  SIM_GetFinances()->SetCash(20.0f);
  Click(Item("House red"));  // 4
  Click(Item("Lasagne"));    // 21
  EXPECT_EQ(menu->GetMoneyLeftText(), std::string(GetGame()->GetCurrency()) + " -5.00");
  EXPECT_TRUE(menu->GetOrderButton()->IsEnabled());
}

TEST_F(RestaurantScreens, TheRestaurantsTrackPlaysFromTheMenuUntilTheReportClosesAndTextsAreLaidOutOnce) {
  GUI_Sounds* sounds = GUI_GetSounds();
  const std::string regular = sounds->GetMusicTrack();
  GUI_RestaurantInstance* menu = OpenMenu("Trattoria Prova");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(sounds->IsOverrideActive());
  EXPECT_EQ(sounds->GetOverrideName(), "data/sounds/music/restaurant_midrange.ogg");

  // Recorded in the first frame, built into the buffer in the second, then drawn from the cache:
  // the names reach the text engine in those two frames only.
  DrawRecorder& recorder = D3DEngine::GetRecorder();
  std::vector<bool> laidOut;
  for (int frame = 0; frame < 5; ++frame) {
    recorder.Clear();
    menu->Draw();
    laidOut.push_back(recorder.HasText("Lasagne"));
  }
  EXPECT_EQ(laidOut, (std::vector<bool>{true, true, false, false, false}));

  Click(Item("House red"));
  Click(Item("Lasagne"));
  GUI_RestaurantInstance::OrderFood(0);
  EXPECT_EQ(GUI_RestaurantInstance::PTheWindow, nullptr);
  ASSERT_NE(GUI_PostMortem::PTheWindow, nullptr);
  EXPECT_TRUE(sounds->IsOverrideActive()) << "the report is still the restaurant's";
  GUI_PostMortem::Continue(0);
  EXPECT_FALSE(sounds->IsOverrideActive());
  EXPECT_EQ(sounds->GetMusicTrack(), regular);
}

}  // namespace
