// The mind-state panel: which attributes get a row (13, or 20 expanded; opposites), its place,
// its labels and its buttons.
#include "GUI_Attribute.h"
#include "GUI_IconButton.h"
#include "GUI_Indicator.h"
#include "GUI_MindState.h"
#include "GUI_NamedObject.h"
#include "HudTestSupport.h"

using namespace guitest;
using namespace hudtest;

namespace {
std::vector<std::string> RowNames() {
  std::vector<std::string> names;
  for (GUI_Indicator* row : GUI_GetMindState()->GetRows()) names.push_back(row->GetOwner()->GetName());
  return names;
}

std::string Name(const char* prefix, int i) { return prefix + std::to_string(i); }
}  // namespace

// Fourteen always-shown attributes and a few others: the first pass fills 13 rows in list order;
// the fourteenth competes with the rest on goodness, and only the expanded panel has room for it.
TEST_F(GuiTest, MindStateChoosesThirteenOrTwentyRows) {
  for (int i = 0; i < 14; ++i) AddSimple(Name("must", i), 0.1f, true);  // the fourteenth fares worst
  AddSimple("hidden", 0.99f, true, true, "", true);
  AddSimple("good", 0.9f, false);
  AddSimple("badHigh", 0.2f, false, false);  // high is bad: goodness 0.8
  AddAttribute("#,part,part,,,0.95,0,0,0,1,,D,L,H,,0,good,0.5\n");  // a subcomponent
  AddSimple("poor", 0.3f, false);
  SIM_Attribute::ResolveLinks();

  GUI_MindState* panel = GUI_GetMindState();
  panel->Initialise();
  std::vector<std::string> expected;
  for (int i = 0; i < 13; ++i) expected.push_back(Name("must", i));
  EXPECT_EQ(RowNames(), expected);

  GUI_MindState::Expand(0);
  ASSERT_TRUE(panel->IsExpanded());
  expected.push_back("good");
  expected.push_back("badHigh");
  expected.push_back("poor");
  expected.push_back("must13");
  EXPECT_EQ(RowNames(), expected);  // 17 rows: the hidden one and the subcomponent never show

  // Rows are 135 x 30, centred in the panel, one under the other from (left + 32, top + 32).
  GUI_Indicator* first = panel->GetRows().front();
  EXPECT_EQ(first->GetRect()->left, panel->GetRect()->left + 32);
  EXPECT_EQ(first->GetRect()->top, panel->GetRect()->top + 32);
  EXPECT_EQ(first->GetWidth(), 135.0f);
  EXPECT_EQ(panel->GetRows()[1]->GetRect()->top, first->GetRect()->top + 30);
}

TEST_F(GuiTest, MindStateSitsAtTheRightEdgeAndGrowsWhenExpanded) {
  GUI_MindState* panel = GUI_GetMindState();
  panel->Initialise();
  EXPECT_EQ(panel->GetRect()->left, 1024 - 200);  // wholly on the screen, frame and all
  EXPECT_EQ(panel->GetRect()->right, 1024);
  EXPECT_EQ(panel->GetHeight(), 450.0f);
  EXPECT_EQ(panel->GetRect()->top, 384 - 225 + 10);
  EXPECT_EQ(GUI_NamedObject::GetByName("MindState"), panel);
  EXPECT_FALSE(panel->GetCloseOnRestart());

  GUI_MindState::Expand(0);
  EXPECT_EQ(panel->GetHeight(), 660.0f);
  EXPECT_EQ(panel->GetRect()->top, 384 - 330 + 10);
  // Graph and expand buttons, 32 x 32 at the bottom; the expand button now offers to shrink.
  GUI_IconButton* expand = panel->GetExpandButton();
  ASSERT_NE(expand, nullptr);
  EXPECT_EQ(expand->GetRect()->bottom, panel->GetRect()->bottom);
  EXPECT_EQ(expand->GetCenterX(), (float)panel->GetRect()->right - 130.0f);
  EXPECT_EQ(panel->GetGraphButton()->GetCenterX(), (float)panel->GetRect()->right - 70.0f);
  ASSERT_NE(expand->GetTooltip(), nullptr);
  EXPECT_EQ(expand->GetTooltip()->GetText(), "Show fewer of your feelings");
}

TEST_F(GuiTest, MindStateNeverShowsBothOppositesOnGoodness) {
  // Both always shown: both are placed, the first pass does not look at opposites.
  AddSimple("stress", 0.3f, true, false, "relaxation");
  AddSimple("relaxation", 0.7f, true, true, "stress");
  // Neither always shown: the better-faring one is placed and its opposite skipped.
  AddSimple("hope", 0.9f, false, true, "despair");
  AddSimple("despair", 0.05f, false, false, "hope");  // goodness 0.95, better than hope
  AddSimple("calm", 0.5f, false);
  SIM_Attribute::ResolveLinks();

  GUI_GetMindState()->Initialise();
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"stress", "relaxation", "despair", "calm"}));
}

TEST(Indicator, LabelIsCutToFifteenWithDotsOnlyAtFifteen) {
  EXPECT_EQ(GUI_Indicator::MakeLabel("Fourteen chars"), "Fourteen chars");
  EXPECT_EQ(GUI_Indicator::MakeLabel("Fifteen chars!!"), "Fifteen chars!!...");
  EXPECT_EQ(GUI_Indicator::MakeLabel("A much longer display name"), "A much longer d...");
}

TEST_F(GuiTest, GraphButtonWaitsForFourDaysOfHappiness) {
  SIM_Attribute* happiness = AddSimple("happiness", 0.5f, true);
  GUI_MindState* panel = GUI_GetMindState();
  panel->Initialise();
  for (int day = 0; day < 4; ++day) {
    panel->Draw();
    EXPECT_FALSE(panel->GetGraphButton()->IsEnabled()) << day << " samples";
    happiness->NextDay();
  }
  panel->Draw();
  EXPECT_TRUE(panel->GetGraphButton()->IsEnabled());
}

TEST_F(GuiTest, ClickingARowTogglesItsAttributeWindow) {
  SIM_Attribute* a = AddSimple("optimism", 0.5f, true);
  SIM_Attribute* b = AddSimple("confidence", 0.5f, true);
  GUI_GetMindState()->Initialise();
  GUI_Indicator* rowA = GUI_GetMindState()->GetIndicator("optimism");
  GUI_Indicator* rowB = GUI_GetMindState()->GetIndicator("confidence");

  EXPECT_TRUE(ClickAt(rowA->GetCenterX(), rowA->GetCenterY()));
  ASSERT_NE(GUI_Attribute::PTheWindow, nullptr);
  EXPECT_EQ(GUI_Attribute::PTheWindow->GetAttribute(), a);
  // The row whose window is open is lit, also with the mouse elsewhere.
  MoveMouse(10.0f, 400.0f);
  D3DEngine::GetRecorder().Clear();
  Frame();
  bool lit = false;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Fill)) {
    if (r.colour == 0x40FFFFFFu && r.top == rowA->GetRect()->top) lit = true;
  }
  EXPECT_TRUE(lit);

  EXPECT_TRUE(ClickAt(rowB->GetCenterX(), rowB->GetCenterY()));
  ASSERT_NE(GUI_Attribute::PTheWindow, nullptr);
  EXPECT_EQ(GUI_Attribute::PTheWindow->GetAttribute(), b);
  EXPECT_TRUE(ClickAt(rowB->GetCenterX(), rowB->GetCenterY()));
  EXPECT_EQ(GUI_Attribute::PTheWindow, nullptr);
}

TEST_F(GuiTest, AttributeRowTooltipShowsItsPercentage) {
  AddSimple("optimism", 0.42f, true);
  GUI_GetMindState()->Initialise();
  GUI_Indicator* row = GUI_GetMindState()->GetIndicator("optimism");
  MoveMouse(row->GetCenterX(), row->GetCenterY());
  GetInput()->Process();
  row->ProcessInput();
  EXPECT_EQ(row->GetTooltip()->GetText(), "( 42%)");
}
