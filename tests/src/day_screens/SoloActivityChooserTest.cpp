// The solo activity chooser: paging round the list by buttons, wheel and keys, what the start
// button says and allows (money, energy, a finished day), the price and the effect boxes, the
// evening with nothing to do, and opening it on a named activity. Runs in a real new game with
// activity tables of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_HintHelp.h"
#include "GUI_SoloActivityChooser.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Vede.h"

namespace {

std::string ChooserRow(const std::string& name, const std::string& cost, const std::string& effects = "#",
                       const std::string& variable = "0") {
  return "#,," + name + ",GUI " + name + ",About " + name + ",noun,0,," + variable + ",default,0,0," + cost +
         ",-1,-1,1,1,1,1,1,1,1,," + effects + "\n";
}

class SoloChooser : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(4);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetSim()->SetSlots(1, 0);
    SIM_GetFinances()->SetCash(100.0f);
  }
  void TearDown() override { GUI_SoloActivityChooser::Close(); }
  static GUI_SoloActivityChooser* Open(const std::string& rows) {
    SIM_SoloActivityType::Close();
    SIM_SoloActivityType::LoadTypesFromText("header\n" + rows, "fixture.csv");
    GUI_SoloActivityChooser::Close();
    GUI_SoloActivityChooser::Create();
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    return GUI_SoloActivityChooser::PTheWindow;
  }
  static std::string Current() {
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
    return chooser && chooser->GetType() ? chooser->GetType()->GetName() : "";
  }
};

TEST_F(SoloChooser, PagesWrapRoundByButtonsWheelAndKeys) {
  GUI_SoloActivityChooser* chooser = Open(ChooserRow("a", "0") + ChooserRow("b", "0") + ChooserRow("c", "0"));
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(Current(), "a");
  GUI_SoloActivityChooser::PrevActivity(0);
  EXPECT_EQ(Current(), "c");
  GUI_SoloActivityChooser::NextActivity(0);
  EXPECT_EQ(Current(), "a");
  GUI_SoloActivityChooser::MouseWheelDown();
  EXPECT_EQ(Current(), "b");
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_RIGHT);
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_RIGHT);
  EXPECT_EQ(Current(), "a");
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_LEFT);
  EXPECT_EQ(Current(), "c");
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_ESCAPE);
  EXPECT_FALSE(GUI_SoloActivityChooser::IsOpen());

  // One activity: both ways stay on it.
  chooser = Open(ChooserRow("only", "0"));
  GUI_SoloActivityChooser::NextActivity(0);
  EXPECT_EQ(Current(), "only");
  GUI_SoloActivityChooser::PrevActivity(0);
  EXPECT_EQ(Current(), "only");
}

TEST_F(SoloChooser, TheStartButtonSaysWhyItIsOffAndReturnStartsOnlyWhatItWould) {
  GUI_SoloActivityChooser* chooser =
      Open(ChooserRow("dear", "150") + ChooserRow("tiring", "0", "#,\"_energy,0.9\"") + ChooserRow("cheap", "5"));
  SIM_GetVede()->InitAttrib("_energy", 0.2f);
  ASSERT_EQ(chooser->GetList().size(), 3u) << "too tired is listed, greyed";
  EXPECT_EQ(chooser->GetStartButton()->GetText(), GTranslation::GetString("INSUFFICIENT_CASH"));
  EXPECT_FALSE(chooser->GetStartButton()->IsEnabled());
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_RETURN);
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);

  GUI_SoloActivityChooser::NextActivity(0);
  EXPECT_EQ(chooser->GetStartButton()->GetText(), GTranslation::GetString("SOLO_NOENERGY"));
  EXPECT_FALSE(chooser->GetStartButton()->IsEnabled());

  GUI_SoloActivityChooser::NextActivity(0);
  EXPECT_EQ(chooser->GetStartButton()->GetText(), "GUI cheap");
  EXPECT_TRUE(chooser->GetStartButton()->IsEnabled());
  // A finished day greys it again at every frame, whatever the page says.
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  chooser->Draw();
  EXPECT_FALSE(chooser->GetStartButton()->IsEnabled());
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  GUI_SoloActivityChooser::NextActivity(0);
  GUI_SoloActivityChooser::PrevActivity(0);
  ASSERT_TRUE(chooser->GetStartButton()->IsEnabled());

  chooser->HandleKey(GUI_SoloActivityChooser::KEY_RETURN);
  EXPECT_FALSE(GUI_SoloActivityChooser::IsOpen());
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 95.0f);
}

TEST_F(SoloChooser, PricesAreWholeWithSeparators) {
  const std::string currency = GetGame()->GetCurrency();
  const std::vector<std::pair<float, std::string>> cases = {
      {1234.9f, "1,234"}, {0.0f, "0"}, {-3.0f, "-3"}, {999.99f, "999"}, {1000000.0f, "1,000,000"}};
  for (const auto& [cost, shown] : cases) EXPECT_EQ(GUI_SoloActivityChooser::CostText(cost), currency + " " + shown);
}

TEST_F(SoloChooser, EffectBoxesShowTheVisibleSideAndDropNothingAmounts) {
  // A hidden value with a visible other side: more calm is shown as less stress.
  auto* calm = new SIM_Attribute();
  calm->Load("#,calm,Calm,stress,,0.5,1,0,0,1,\"1,2,3\",D,L,H,,0,\n");
  SIM_Attribute::ResolveLinks();
  ASSERT_TRUE(calm->IsHidden());
  ASSERT_NE(calm->GetOpposite(), nullptr);
  GUI_SoloActivityChooser* chooser = Open(
      ChooserRow("mixed", "0",
                 "\"calm,0.2,0.5\",\"happiness,0.1,0.5\",\"fitness,-0.1,0.5\",\"health,0,0.5\","
                 "\"language_japanese,0.05,0.9\",#") +
      ChooserRow("vary", "0", "\"happiness,0.1,0.5\",#", "1"));
  EXPECT_EQ(chooser->GetReduces(), (std::vector<std::string>{calm->GetOpposite()->GetGUIName(),
                                                               SIM_Attribute::GetAttribute("fitness")->GetGUIName()}));
  ASSERT_EQ(chooser->GetIncreases().size(), 2u);
  EXPECT_EQ(chooser->GetIncreases()[0], SIM_Attribute::GetAttribute("happiness")->GetGUIName());
  EXPECT_LE(chooser->GetIncreases()[1].size(), (size_t)GUI_SoloActivityChooser::kMaxEffectName);
  GUI_SoloActivityChooser::NextActivity(0);
  EXPECT_TRUE(chooser->GetType()->GetVariableEffects());
}

TEST_F(SoloChooser, AnEveningWithNothingToDoSaysSoAndStartsNothing) {
  GUI_SoloActivityChooser* chooser = Open("");
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->GetType(), nullptr);
  EXPECT_EQ(chooser->GetTitle(), GTranslation::GetString("SOLO_NOTHING_TODAY_TITLE"));
  EXPECT_FALSE(chooser->GetStartButton()->IsEnabled());
  GUI_SoloActivityChooser::NextActivity(0);
  chooser->HandleKey(GUI_SoloActivityChooser::KEY_RETURN);
  GUI_SoloActivityChooser::StartActivity(0);
  chooser->Draw();
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);
}

TEST_F(SoloChooser, OpensOnANamedActivityAndTogglesFromThePanel) {
  Open(ChooserRow("a", "0") + ChooserRow("visitgym", "0"));
  GUI_SoloActivityChooser::Create();
  EXPECT_FALSE(GUI_SoloActivityChooser::IsOpen());
  GUI_SoloActivityChooser::ScrollToActivity("visitgym");
  EXPECT_EQ(Current(), "visitgym");
  GUI_SoloActivityChooser::Close();
  GUI_SoloActivityChooser::ScrollToActivity("nosuch");
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  EXPECT_EQ(Current(), "a");
}

}  // namespace
