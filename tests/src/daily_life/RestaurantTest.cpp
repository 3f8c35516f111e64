// The restaurants headless: the tables read (and their faults reported once, with a sane default),
// tonight's verdict by style, the waiter's words, tonight's menu, the memory of meals, a friend's
// invitation and the player's own evening from the table to the bill, and the memory in a saved
// game.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "../savegame/SaveGameTestSupport.h"
#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_PostMortem.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_FoodMemory.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_RestaurantOption.h"
#include "SIM_Rumour.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

using Values = std::array<float, SIM_Restaurant::kAdmissionValues>;

class Restaurants : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(7);
    GetGame()->SetTownName("Elmstead");
    logStart = Log().size();
  }
  void TearDown() override { GUI_GetWindowManager()->CloseAll(); }

  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
  std::string NewLog() const { return Log().substr(logStart); }
  static size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  // The test tables in place of the game's.
  static void OpenFixtures() {
    SIM_Restaurant::Close();
    SIM_Restaurant::Open(testsupport::RepoPath("tests/fixtures/daily_life/restaurants.csv").c_str(),
                         testsupport::RepoPath("tests/fixtures/daily_life/restaurant_food.csv").c_str());
  }
  static SIM_Restaurant* ByName(const std::string& name) {
    for (SIM_Restaurant* restaurant : SIM_Restaurant::All)
      if (restaurant->GetGUIName() == name) return restaurant;
    return nullptr;
  }
  static SIM_Restaurant* FirstOfStyle(int style) {
    for (SIM_Restaurant* restaurant : SIM_Restaurant::All)
      if (restaurant->GetStyle() == style) return restaurant;
    return nullptr;
  }
  static SIM_RestaurantOption* Dish(SIM_Restaurant* restaurant, SIM_RestaurantOption::MENUTYPE type, int nth = 0) {
    for (SIM_RestaurantOption* option : restaurant->GetOptions())
      if (option->GetType() == type && nth-- == 0) return option;
    return nullptr;
  }
  static SIM_NPC* Friend(float cash) {
    SIM_NPC* npc = SIM_NPC::CreateNew(SIM_MALE);
    npc->FinishCreating();
    npc->SetIntroduced(true);
    SIM_Relationship::Create(SIM_GetVede(), npc)->SetStrength(0.5f);
    npc->AddCash(cash - npc->GetCash());
    return npc;
  }
  // Draws the verdict until it comes out as wanted (a chance strictly between 0 and 1).
  static void JudgeUntil(SIM_Restaurant* restaurant, const Values& values, bool free) {
    for (int i = 0; i < 1000 && (i == 0 || restaurant->HasFreeTable() != free); ++i)
      restaurant->JudgeAdmission(values, false);
    ASSERT_EQ(restaurant->HasFreeTable(), free);
  }

  size_t logStart = 0;
};

TEST_F(Restaurants, TheTablesFaultsAreEachReportedOnceWhereTheyAreAndReadAsSaneDefaults) {
  OpenFixtures();
  const std::string log = NewLog();
  EXPECT_EQ(Count(log, "restaurants.csv:3: Invalid restaurant style \"POSH\""), 1u) << log;
  EXPECT_EQ(Count(log, "restaurants.csv:4: the text colour \"red\""), 1u) << log;
  EXPECT_EQ(Count(log, "restaurants.csv:5: the menu \"nodishes\" has no dishes"), 1u) << log;
  EXPECT_EQ(Count(log, "restaurant_food.csv:14: Unknown food type \"SOUP\""), 1u) << log;
  EXPECT_EQ(Count(log, "restaurant_food.csv:14: the dish's effect \"charisma\" has no icon"), 1u) << log;

  ASSERT_EQ(SIM_Restaurant::All.size(), 6u);
  EXPECT_EQ(ByName("Odd Style")->GetStyle(), SIM_Restaurant::MIDRANGE);
  EXPECT_EQ(ByName("Bad Colour")->GetTextColor(), VBColor(0, 0, 0, 255));
  EXPECT_TRUE(ByName("Empty Kitchen")->GetOptions().empty());
  EXPECT_TRUE(ByName("Empty Kitchen")->DrawTodaysMenu().empty());
  SIM_Restaurant* good = ByName("Good Pizza");
  // The table's colour draws red in the text engine, whose packing keeps red in bits 16..23.
  EXPECT_EQ(good->GetTextColor(), 0xFFC81E1Eu);
  EXPECT_EQ(good->GetMusic(), "data/sounds/music/restaurant_cheapo.ogg");
  ASSERT_EQ(good->GetOptions().size(), 13u);
  EXPECT_EQ(good->GetOptions().back()->GetType(), SIM_RestaurantOption::MAINCOURSE) << "an unknown food type";

  // The town is named when the description is shown, so a renamed town shows its new name.
  EXPECT_EQ(good->GetDescription(), "The finest slices in Elmstead.");
  GetGame()->SetTownName("Ashbury");
  EXPECT_EQ(good->GetDescription(), "The finest slices in Ashbury.");
}

TEST_F(Restaurants, MissingTablesLeaveATownWithoutRestaurantsAndSaySo) {
  SIM_Restaurant::Close();
  SIM_Restaurant::Open("data/simulation/no_restaurants.csv", "data/simulation/no_food.csv");
  EXPECT_TRUE(SIM_Restaurant::All.empty());
  EXPECT_TRUE(SIM_RestaurantOption::All.empty());
  const std::string log = NewLog();
  EXPECT_EQ(Count(log, "no_restaurants.csv: missing"), 1u) << log;
  EXPECT_EQ(Count(log, "no_food.csv: missing"), 1u) << log;
  SIM_Restaurant::CalculateTableAvailabilityAll();
  SIM_Restaurant::GenerateRumoursAll();
}

TEST_F(Restaurants, TonightsChanceOfATableFollowsTheStyleAndTheDay) {
  SIM_Restaurant* cheap = FirstOfStyle(SIM_Restaurant::CHEAPO);
  ASSERT_NE(cheap, nullptr);
  for (int day = 0; day < 7; ++day) {
    SIM_Date::PPresentDay->SetDayOfWeek(day);
    cheap->CalculateTableAvailability();
    EXPECT_NEAR(cheap->GetChance(), day == 4 || day == 5 ? 0.6f : 0.85f, 1e-5f) << "day " << day;
  }
  struct Case {
    int style;
    Values values;
    bool critic;
    float chance;
  };
  const Case cases[] = {
      {SIM_Restaurant::MIDRANGE, {0.85f, 0, 0, 0, 0, 0, 0, 0}, false, 0.595f},
      {SIM_Restaurant::MIDRANGE, {0.85f, 0, 0, 0, 0, 0, 0, 1}, false, 0.695f},  // the suit
      {SIM_Restaurant::MIDRANGE, {0.85f, 0, 0, 0, 1, 0, 0, 0}, false, 0.845f},  // the language
      {SIM_Restaurant::HIP, {0.6f, 0, 0, 0, 0, 0, 0, 0}, true, 0.56f},          // the food critic
      {SIM_Restaurant::SNOOTY, {0.6f, 0.5f, 0, 0.5f, 0, 0, 0, 0}, false, 0.315f},
      {SIM_Restaurant::HIP, {0.85f, 1, 1, 1, 1, 1, 0, 1}, false, 0.985f},
  };
  SIM_Restaurant* restaurant = FirstOfStyle(SIM_Restaurant::MIDRANGE);
  const int shippedStyle = restaurant->GetStyle();
  for (const Case& c : cases) {
    restaurant->SetStyle(c.style);
    restaurant->JudgeAdmission(c.values, c.critic);
    EXPECT_NEAR(restaurant->GetChance(), c.chance, 1e-5f) << "style " << c.style;
  }
  restaurant->SetStyle(shippedStyle);
}

TEST_F(Restaurants, ASnootyRestaurantOnAQuietDayWelcomesAFullyQualifiedPlayerToAGoodTable) {
  SIM_Restaurant* snooty = FirstOfStyle(SIM_Restaurant::SNOOTY);
  ASSERT_NE(snooty, nullptr);
  float lowest = 1.0f, highest = 0.0f;
  for (int i = 0; i < 300; ++i) {
    snooty->JudgeAdmission({0.85f, 1, 1, 1, 1, 1, 0, 1}, false);
    ASSERT_FLOAT_EQ(snooty->GetChance(), 1.0f);
    ASSERT_TRUE(snooty->HasFreeTable());
    lowest = std::min(lowest, snooty->GetQuality());
    highest = std::max(highest, snooty->GetQuality());
  }
  EXPECT_GE(lowest, 0.825f);
  EXPECT_LT(lowest, 0.84f);
  EXPECT_LE(highest, 1.0f);
  EXPECT_GT(highest, 0.98f);
  // A full restaurant keeps the quality of its last free table.
  const float kept = snooty->GetQuality();
  snooty->JudgeAdmission({0, 0, 0, 0, 0, 0, 0, 0}, false);
  EXPECT_FALSE(snooty->HasFreeTable());
  EXPECT_FLOAT_EQ(snooty->GetQuality(), kept);
}

TEST_F(Restaurants, TheWaiterExplainsTheVerdictInTheRestaurantsOwnWords) {
  struct Case {
    int style;
    bool free;
    Values values;  // 1 renown, 2 pay, 3 culture, 4 language
    const char* words;
  };
  const Case cases[] = {
      {SIM_Restaurant::SNOOTY, false, {0.6f, 0, 0.9f, 0.3f, 0, 0, 0, 0}, "more... cultivated"},
      {SIM_Restaurant::SNOOTY, false, {0.6f, 0, 0.3f, 0.5f, 0, 0, 0, 0}, "within your means"},
      {SIM_Restaurant::SNOOTY, false, {0.6f, 0, 0.6f, 0.5f, 0, 0, 0, 0}, "has no table free this evening"},
      {SIM_Restaurant::SNOOTY, true, {0.85f, 1, 1, 0.8f, 0, 1, 0, 1}, "guest of such refinement"},
      {SIM_Restaurant::MIDRANGE, true, {0.85f, 0, 0, 0, 1, 0, 0, 1}, "And you speak Italian!"},
      {SIM_Restaurant::HIP, true, {0.85f, 0.1f, 1, 0, 0, 1, 0, 0}, "I don't know your face"},
      {SIM_Restaurant::HIP, true, {0.85f, 1, 0, 0, 0, 1, 0, 0}, "The drinks are on the house"},
      {SIM_Restaurant::HIP, false, {0.6f, 0, 0.9f, 0, 0, 0, 0, 0}, "not about money"},
      {SIM_Restaurant::CHEAPO, false, {0.6f, 0, 0, 0, 0, 0, 0, 0}, "every seat"},
  };
  SIM_Restaurant* restaurant = nullptr;
  for (SIM_Restaurant* r : SIM_Restaurant::All)
    if (r->GetLanguageValueName() == "language_italian") restaurant = r;
  ASSERT_NE(restaurant, nullptr);
  for (const Case& c : cases) {
    restaurant->SetStyle(c.style);
    JudgeUntil(restaurant, c.values, c.free);
    const std::string said = restaurant->GetWaitersComment();
    EXPECT_NE(said.find(c.words), std::string::npos) << said;
    EXPECT_EQ(said.find('<'), std::string::npos) << "a token left in: " << said;
  }
}

TEST_F(Restaurants, TonightsMenuListsTheAlwaysListedDishesThenDrawsUpToFourDrinksAndSixMains) {
  OpenFixtures();
  SIM_Restaurant* good = ByName("Good Pizza");
  std::vector<std::string> seen;
  for (int night = 0; night < 40; ++night) {
    const std::list<SIM_RestaurantOption*> menu = good->DrawTodaysMenu();
    std::vector<std::string> names;
    for (SIM_RestaurantOption* option : menu) names.push_back(option->GetGUIName());
    ASSERT_EQ(names.size(), 11u);
    // Five always-listed drinks: all of them, and none drawn.
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
              (std::vector<std::string>{"Water", "Lemonade", "Cola", "Wine", "Beer", "Margherita", "Calzone"}));
    for (size_t i = 7; i < names.size(); ++i) {
      EXPECT_EQ(std::count(names.begin(), names.end(), names[i]), 1) << names[i];
      if (std::find(seen.begin(), seen.end(), names[i]) == seen.end()) seen.push_back(names[i]);
    }
  }
  EXPECT_EQ(seen.size(), 6u) << "every main course that may be drawn is drawn some night";
}

TEST_F(Restaurants, AMainCourseEatenTwiceInTwoWeeksIsBoringAndThenForgotten) {
  SIM_FoodMemory* memory = SIM_GetFoodMemory();
  SIM_SIM* sim = SIM_GetSim();
  sim->SetTurnCount(10);
  memory->Add("Lasagne");
  sim->SetTurnCount(20);
  memory->Add("Lasagne");
  struct Case {
    int32_t turn;
    bool boring;
  };
  for (const Case& c : {Case{20, true}, Case{23, true}, Case{24, false}, Case{30, false}}) {
    sim->SetTurnCount(c.turn);
    EXPECT_EQ(memory->IsBoringChoice("Lasagne"), c.boring) << "turn " << c.turn;
  }
  EXPECT_FALSE(memory->IsBoringChoice("Risotto"));
  sim->SetTurnCount(24);
  memory->Add("Risotto");
  EXPECT_EQ(memory->GetItems().size(), 3u) << "aged 14 is not yet too old to keep";
  sim->SetTurnCount(25);
  memory->Add("Risotto");
  ASSERT_EQ(memory->GetItems().size(), 3u);
  EXPECT_EQ(memory->GetItems().front()->turn, 20);
  SIM_FoodMemory::Open();
  EXPECT_TRUE(memory->GetItems().empty());
}

TEST_F(Restaurants, AFriendsInvitationGoesToTheMidRangeRestaurantAndEachGuestPaysOnce) {
  SIM_SocialiseType* pizzeria = SIM_SocialiseType::GetTypeByName("pizzeria");
  ASSERT_NE(pizzeria, nullptr);
  SIM_NPC* host = Friend(500.0f);
  SIM_NPC* guest = Friend(500.0f);
  auto* evening = new SIM_RestaurantInstance;
  SIM_SocialiseInstance::All.push_back(evening);
  evening->SetType(pizzeria);
  evening->SetHost(host);
  evening->AddAttendee(host);
  evening->AddAttendee(guest);
  evening->SetCostPerHead(25);
  evening->ProcessChunk();
  SIM_Restaurant* chosen = evening->GetChosen();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->GetStyle(), SIM_Restaurant::MIDRANGE);
  EXPECT_TRUE(chosen->MatchesType(pizzeria));
  EXPECT_EQ(evening->GetCostPerHead(), 0);
  ASSERT_NE(GUI_RestaurantInstance::PTheWindow, nullptr) << "the menu opens at once";
  EXPECT_EQ(GUI_RestaurantInstance::PTheWindow->GetRestaurantInstance(), evening);

  SIM_RestaurantOption* drink = Dish(chosen, SIM_RestaurantOption::DRINK);
  SIM_RestaurantOption* main = Dish(chosen, SIM_RestaurantOption::MAINCOURSE);
  evening->AddOption(main);
  EXPECT_FALSE(evening->ReadyToEat());
  evening->AddOption(drink);
  EXPECT_TRUE(evening->ReadyToEat());
  EXPECT_FLOAT_EQ(evening->GetSelectedOptionsCost(), main->GetCost() + drink->GetCost());
  SIM_GetFinances()->SetCash(20.0f);
  evening->OrderFood();

  const float perHead = (float)(int)((chosen->GetMinCost() + chosen->GetMaxCost()) / 2.0f);
  EXPECT_FLOAT_EQ(host->GetCash(), 500.0f - perHead);
  EXPECT_FLOAT_EQ(guest->GetCash(), 500.0f - perHead);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 20.0f - main->GetCost() - drink->GetCost()) << "the player pays the food";
  EXPECT_NE(GUI_PostMortem::PTheWindow, nullptr);
}

TEST_F(Restaurants, AnInvitationWithoutAMidRangeRestaurantTakesTheLastOfItsKindAndWithNoneRunsPlain) {
  OpenFixtures();
  auto* curry = new SIM_SocialiseType;
  curry->SetName("curryhouse");
  curry->SetGUIName("Curry house");
  curry->SetProcessFunction("RESTAURANT");
  auto* noodles = new SIM_SocialiseType;
  noodles->SetName("noodlebar");
  noodles->SetGUIName("Noodle bar");
  noodles->SetProcessFunction("RESTAURANT");
  SIM_NPC* host = Friend(100.0f);
  auto* evening = new SIM_RestaurantInstance;
  SIM_SocialiseInstance::All.push_back(evening);
  evening->SetType(curry);
  evening->SetHost(host);
  evening->AddAttendee(host);
  evening->ProcessChunk();
  ASSERT_NE(evening->GetChosen(), nullptr);
  EXPECT_EQ(evening->GetChosen()->GetGUIName(), "Also Posh");
  EXPECT_EQ(Count(NewLog(), "No mid-range restaurant serves \"curryhouse\""), 1u);

  auto* plain = new SIM_RestaurantInstance;
  SIM_SocialiseInstance::All.push_back(plain);
  plain->SetType(noodles);
  plain->SetHost(host);
  plain->AddAttendee(host);
  GUI_RestaurantInstance::Close();
  plain->ProcessChunk();
  EXPECT_EQ(plain->GetChosen(), nullptr);
  EXPECT_TRUE(plain->RanWithoutRestaurant());
  EXPECT_EQ(GUI_RestaurantInstance::PTheWindow, nullptr) << "no menu without a restaurant";
  EXPECT_NE(GUI_PostMortem::PTheWindow, nullptr);
  EXPECT_EQ(Count(NewLog(), "No restaurant serves \"noodlebar\""), 1u);
}

TEST_F(Restaurants, ThePlayersOwnEveningIsAsGoodAsTheTableAndAMealEatenTooOftenIsBoring) {
  SIM_SocialiseType* chinese = SIM_SocialiseType::GetTypeByName("chineserestaurant");
  ASSERT_NE(chinese, nullptr);
  auto* evening = new SIM_RestaurantInstance;
  SIM_SocialiseInstance::All.push_back(evening);
  evening->SetType(chinese);
  evening->SetHost(SIM_GetVede());
  evening->AddAttendee(Friend(200.0f));
  evening->ProcessChunk();
  EXPECT_NE(GUI_RestaurantChooser::PTheWindow, nullptr);
  ASSERT_FALSE(evening->GetRestaurants().empty());
  for (SIM_Restaurant* restaurant : evening->GetRestaurants()) EXPECT_TRUE(restaurant->MatchesType(chinese));
  EXPECT_EQ(evening->GetChosen(), nullptr);
  SIM_Restaurant* restaurant = evening->GetRestaurants().front();
  restaurant->JudgeAdmission({0.85f, 1, 1, 1, 1, 1, 0, 1}, false);
  evening->AcceptTable(restaurant);
  EXPECT_EQ(evening->GetChosen(), restaurant);

  SIM_RestaurantOption* drink = Dish(restaurant, SIM_RestaurantOption::DRINK);
  SIM_RestaurantOption* main = Dish(restaurant, SIM_RestaurantOption::MAINCOURSE);
  SIM_FoodMemory* memory = SIM_GetFoodMemory();
  memory->Add(main->GetGUIName());
  memory->Add(main->GetGUIName());
  memory->Add(drink->GetGUIName());
  memory->Add(drink->GetGUIName());
  evening->AddOption(drink);
  evening->AddOption(main);
  evening->OrderFood();
  EXPECT_FLOAT_EQ(evening->GetEventQuality(), restaurant->GetQuality());
  EXPECT_TRUE(evening->AteBoringFood());
  ASSERT_NE(GUI_PostMortem::PTheWindow, nullptr);
  size_t drinks = 0;
  for (const SIM_FoodMemoryItem* item : memory->GetItems()) drinks += item->name == drink->GetGUIName();
  EXPECT_EQ(drinks, 2u) << "the drink ordered is not remembered";
}

TEST_F(Restaurants, ADishEatenTwiceIsStillBoringAfterTheGameIsSavedAndLoaded) {
  SIM_GetSim()->SetTurnCount(3);
  SIM_GetFoodMemory()->Add("Crispy aromatic duck");
  SIM_GetSim()->SetTurnCount(5);
  SIM_GetFoodMemory()->Add("Crispy aromatic duck");
  SIM_GetFoodMemory()->Add("Egg fried rice");
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("meals")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("meals");
  EXPECT_NE(first.find("<name>Crispy aromatic duck</name>"), std::string::npos);
  SIM_FoodMemory::Open();
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("meals")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(SIM_GetFoodMemory()->GetItems().size(), 3u);
  EXPECT_TRUE(SIM_GetFoodMemory()->IsBoringChoice("Crispy aromatic duck"));
  EXPECT_FALSE(SIM_GetFoodMemory()->IsBoringChoice("Egg fried rice"));
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(savetest::SaveFile("again"), first);
  savetest::ExpectCleanLog();
}

}  // namespace

namespace {

class DiningOut : public Restaurants {};

TEST_F(DiningOut, TheRestaurantsGossipOnlyAboutThemselvesAndOnlyTheLatest) {
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_RESTAURANT);
  SIM_Rumour::AddRumour("stale gossip", SIM_Rumour::RUMOUR_RESTAURANT, nullptr);
  SIM_Rumour::AddRumour("a film", SIM_Rumour::RUMOUR_MOVIE, nullptr);
  auto filmRumours = [] {
    size_t count = 0;
    for (SIM_Rumour* rumour : SIM_Rumour::All) count += rumour->GetType() == SIM_Rumour::RUMOUR_MOVIE;
    return count;
  };
  const size_t filmsBefore = filmRumours();
  std::set<const void*> talkedOf;
  for (int day = 0; day < 60; ++day) {
    SIM_Restaurant::GenerateRumoursAll();
    for (SIM_Rumour* rumour : SIM_Rumour::All) {
      if (rumour->GetType() != SIM_Rumour::RUMOUR_RESTAURANT) continue;
      auto* restaurant = static_cast<const SIM_Restaurant*>(rumour->GetSubject());
      ASSERT_NE(restaurant, nullptr) << rumour->GetText();
      EXPECT_EQ(rumour->GetText(), restaurant->GetRumourText());
      EXPECT_NE(rumour->GetText().find(restaurant->GetGUIName()), std::string::npos) << rumour->GetText();
      talkedOf.insert(restaurant);
    }
    EXPECT_EQ(filmRumours(), filmsBefore) << "the films' rumours are left alone";
  }
  EXPECT_GE(talkedOf.size(), 4u) << "one restaurant in ten is talked of each day";
}

// The headless player's evenings at restaurants: tables at each, dishes from tonight's menu, and
// the restaurant further down the chooser's list when the first turns it away.
TEST_F(DiningOut, TheHeadlessPlayerDinesOutOrdersByDrawAndMovesOnWhenTurnedAway) {
  HeadlessPlayer::Run(300, 5, nullptr);
  int meals = 0, hostedElsewhere = 0;
  std::set<std::string> dishes;
  for (SIM_SocialiseInstance* evening : SIM_SocialiseInstance::All) {
    auto* restaurant = dynamic_cast<SIM_RestaurantInstance*>(evening);
    if (!restaurant || !restaurant->GetChosen() || restaurant->GetSelectedOptions().empty()) continue;
    ++meals;
    EXPECT_TRUE(restaurant->ReadyToEat());
    for (SIM_RestaurantOption* option : restaurant->GetSelectedOptions()) dishes.insert(option->GetGUIName());
    if (restaurant->IsVedeHost() && restaurant->GetChosen() != restaurant->GetRestaurants().front()) ++hostedElsewhere;
  }
  EXPECT_GE(meals, 5);
  EXPECT_GE(dishes.size(), 6u);
  EXPECT_GT(hostedElsewhere, 0);
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

}  // namespace
