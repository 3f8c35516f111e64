// The pet-food note's click: the shops when they are open tonight, otherwise the online shop, and
// nothing at all when neither is on offer. Which one ran shows in what it cost.
#include <gtest/gtest.h>

#include <string>

#include "GUI_Postit.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityType.h"

namespace {

// A solo row offered every day (or never) at the cost.
std::string ShopRow(const char* name, int cost, bool offered) {
  const char* days = offered ? "1,1,1,1,1,1,1" : "0,0,0,0,0,0,0";
  return std::string("#,,") + name + "," + name + ",text,shopper,0,,0,default,0,0," + std::to_string(cost) +
         ",-1,-1," + days + ",,\"happiness,0.01,0.7\",#\n";
}

TEST(PetFoodNote, GoesToTheShopsElseOnlineElseNowhere) {
  struct Case {
    bool shops, online;
    float spent;
  } cases[] = {{true, true, 10.0f}, {false, true, 3.0f}, {true, false, 10.0f}, {false, false, 0.0f}};
  HeadlessPlayer::StartNewGame(5);
  for (const Case& c : cases) {
    SIM_SoloActivityType::Close();
    SIM_SoloActivityType::LoadTypesFromText(
        "header\n" + ShopRow("shopping", 10, c.shops) + ShopRow("shoponline", 3, c.online), "petfood.csv");
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetFinances()->SetCash(100.0f);
    GUI_Postit::LaunchPetFood();
    EXPECT_FLOAT_EQ(100.0f - SIM_GetFinances()->GetCash(), c.spent) << c.shops << c.online;
  }
  SIM_SoloActivityType::Close();
}

}  // namespace
