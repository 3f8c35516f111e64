// The commute-method chooser as the player meets it: it opens on the current way to work, the
// arrows step through the table's methods and stop at its ends, the choose button says why a way
// cannot be taken, and a click on it makes the shown way the one for the next trip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_CloseButton.h"
#include "GUI_CommuteMethodChooser.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GDebug.h"
#include "GUI_IconButton.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Finances.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {

bool ClickOn(const GUI_BaseElement* element) {
  GetInput()->mouseX = element->GetCenterX();
  GetInput()->mouseY = element->GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

class CommuteChooser : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    SIM_GetVede()->GetJob()->SetCommuteDistance(2.0f);
    SIM_GetFinances()->SetCash(500.0f);
  }
  static GUI_CommuteMethodChooser* Open() {
    GUI_CommuteMethodChooser::Create();
    EXPECT_NE(GUI_CommuteMethodChooser::PTheWindow, nullptr);
    // The first opening brings up the chooser's hint above it; the player reads it and closes it.
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    return GUI_CommuteMethodChooser::PTheWindow;
  }
  static std::string Shown() { return GUI_CommuteMethodChooser::PTheWindow->GetShownMethod()->GetName(); }
  static std::string Label() { return GUI_CommuteMethodChooser::PTheWindow->GetChooseButton()->GetText(); }
};

TEST_F(CommuteChooser, ArrowsStepThroughEveryMethodInTableOrderAndStopAtTheEnds) {
  std::vector<std::string> table;
  for (SIM_CommuteMethod* method : SIM_CommuteMethod::All) table.push_back(method->GetName());
  ASSERT_EQ(table.front(), "walk");

  GUI_CommuteMethodChooser::Create();
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
  EXPECT_EQ(GUI_HintHelp::AllWindows.front()->GetHint()->key, "commute_dialog");
  GUI_CommuteMethodChooser* chooser = Open();
  EXPECT_EQ(Shown(), "walk") << "opens on the current method";
  EXPECT_FALSE(chooser->GetPrevButton()->IsEnabled());
  std::vector<std::string> seen = {Shown()};
  while (chooser->GetNextButton()->IsEnabled()) {
    ASSERT_TRUE(ClickOn(chooser->GetNextButton()));
    seen.push_back(Shown());
    ASSERT_LE(seen.size(), table.size());
  }
  EXPECT_EQ(seen, table);
  EXPECT_TRUE(chooser->GetPrevButton()->IsEnabled());
  GUI_CommuteMethodChooser::NextType(0);  // at the end: nothing
  EXPECT_EQ(Shown(), table.back());
  GUI_CommuteMethodChooser::PrevType(0);
  EXPECT_EQ(Shown(), table[table.size() - 2]);
}

TEST_F(CommuteChooser, AClickOnChooseTakesTheShownMethodAndTheCloseButtonNothing) {
  GUI_CommuteMethodChooser* chooser = Open();
  GUI_CommuteMethodChooser::NextType(0);
  ASSERT_EQ(Shown(), "bus");
  EXPECT_EQ(chooser->GetRangeText(), GTranslation::GetString("UNLIMITED"));
  const float fare = SIM_CommuteMethod::GetByName("bus")->GetCost(2.0f);
  EXPECT_EQ(chooser->GetTotalCostLine(),
            GFormat("%s : %s%.2f", GTranslation::GetString("CHOOSE_COMMUTEMETHOD_TOTALCOST"), GetGame()->GetCurrency(),
                    (double)fare));
  ASSERT_TRUE(ClickOn(chooser->GetChooseButton()));
  EXPECT_EQ(GUI_CommuteMethodChooser::PTheWindow, nullptr);
  EXPECT_EQ(SIM_CommuteMethod::GetCurrent()->GetName(), "bus");
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 500.0f) << "the fare is paid on the trip, not here";

  chooser = Open();
  EXPECT_EQ(Shown(), "bus");
  GUI_CommuteMethodChooser::PrevType(0);
  chooser->Draw();  // a frame lays the close button out
  ASSERT_TRUE(ClickOn(chooser->GetCloseButton()));
  EXPECT_EQ(GUI_CommuteMethodChooser::PTheWindow, nullptr);
  EXPECT_EQ(SIM_CommuteMethod::GetCurrent()->GetName(), "bus");
}

TEST_F(CommuteChooser, TheChooseButtonSaysWhyAMethodCannotBeTaken) {
  SIM_NamedValueList::ForceGlobal("cheapcar", 1.0f);
  const float walkRange = SIM_CommuteMethod::GetByName("walk")->GetRange();
  struct Case {
    const char* method;
    float miles;
    float cash;
    const char* label;
    bool enabled;
  };
  const Case cases[] = {
      {"walk", 2.0f, 0.0f, "CHOOSE_COMMUTEMETHOD", true},
      {"walk", walkRange + 1.0f, 500.0f, "CHOOSE_COMMUTEMETHOD_OUTOFRANGE", false},
      {"car", 2.0f, 0.0f, "CHOOSE_COMMUTEMETHOD_UNAFFORDABLE", false},
      {"bicycle", 2.0f, 500.0f, "CHOOSE_COMMUTEMETHOD", false},  // no bicycle owned
      // Out of range and unaffordable: the money is what it says.
      {"motorbike", 50.0f, 0.0f, "CHOOSE_COMMUTEMETHOD_UNAFFORDABLE", false},
  };
  for (const Case& c : cases) {
    SIM_GetVede()->GetJob()->SetCommuteDistance(c.miles);
    SIM_GetFinances()->SetCash(c.cash);
    Open();
    while (Shown() != c.method) GUI_CommuteMethodChooser::NextType(0);
    EXPECT_EQ(Label(), GTranslation::GetString(c.label)) << c.method << " at " << c.miles << " miles";
    EXPECT_EQ(GUI_CommuteMethodChooser::PTheWindow->GetChooseButton()->IsEnabled(), c.enabled) << c.method;
    GUI_CommuteMethodChooser::Close();
  }
}

TEST_F(CommuteChooser, AtWorkOnlyTheMorningsMethodIsOfferedUnlessItAllowsASwitch) {
  SIM_NamedValueList::ForceGlobal("cheapcar", 1.0f);
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_WORKDAY);
  for (const char* morning : {"car", "bus"}) {
    SIM_CommuteMethod::SetMethodByName(morning);
    const bool maySwitch = SIM_CommuteMethod::GetCurrent()->MaySwitchForWayHome();
    GUI_CommuteMethodChooser* chooser = Open();
    EXPECT_EQ(Shown(), morning);
    EXPECT_TRUE(chooser->GetChooseButton()->IsEnabled()) << morning;
    GUI_CommuteMethodChooser::NextType(0);
    ASSERT_EQ(Shown(), std::string(morning) == "car" ? "taxi" : "car");
    EXPECT_EQ(chooser->GetChooseButton()->IsEnabled(), maySwitch) << "home by " << Shown() << " after " << morning;
    GUI_CommuteMethodChooser::Close();
  }
}

}  // namespace
