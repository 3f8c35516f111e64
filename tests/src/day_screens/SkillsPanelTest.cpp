// The skills panel in the bottom-left corner: its size and columns for a number of skills, the
// expand button from fifteen skills on, and the changed-only layout a post-mortem asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "D3DEngine.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_ControlPanel.h"
#include "GUI_IconButton.h"
#include "GUI_Indicator.h"
#include "GUI_Skills.h"
#include "HeadlessPlayer.h"
#include "SIM_NamedValue.h"
#include "SIM_Skill.h"
#include "SIM_Vede.h"

namespace {

class SkillsPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    ASSERT_NE(GUI_Skills::PTheWindow, nullptr);
    SetSkills(0);
  }
  // Exactly n skills above zero (and one at zero, which never shows), in list order s0, s1, ...
  static void SetSkills(int n) {
    SIM_NamedValueList& skills = SIM_GetVede()->GetSkills();
    std::list<SIM_NamedValue*> old = skills.GetRawList();
    skills.RemoveAll();
    for (SIM_NamedValue* value : old) delete value;
    for (int i = 0; i < n; ++i) {
      SIM_Skill* skill = new SIM_Skill("s" + std::to_string(i));
      skill->SetValue(0.5f);
      skills.AddValue(skill);
    }
    SIM_Skill* unused = new SIM_Skill("unused");
    skills.AddValue(unused);
    Panel()->Refresh();
  }
  static GUI_Skills* Panel() { return GUI_Skills::PTheWindow; }
  static float H() { return (float)GetD3DEngine()->GetScreenHeight(); }
};

struct LayoutCase {
  int skills;
  bool expanded;
  int width;
  int height;
  int rows;  // indicators placed
  bool expandButton;
};

TEST_F(SkillsPanel, SizeColumnsAndExpandButtonFollowTheNumberOfSkills) {
  const LayoutCase cases[] = {
      {0, false, 205, 78, 0, false},    {1, false, 205, 78, 1, false},    {7, false, 205, 246, 7, false},
      {8, false, 375, 246, 8, false},   {14, false, 375, 246, 14, false}, {15, false, 375, 246, 14, true},
      {15, true, 545, 246, 15, true},   {36, false, 375, 246, 14, true},  {36, true, 885, 246, 35, true},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.skills) + (c.expanded ? " expanded" : " collapsed"));
    SetSkills(c.skills);
    if (Panel()->IsExpanded() != c.expanded) GUI_Skills::ToggleExpand(0);
    EXPECT_EQ(Panel()->width, c.width);
    EXPECT_EQ(Panel()->height, c.height);
    EXPECT_EQ(Panel()->rect.left, 0);
    EXPECT_EQ(Panel()->rect.bottom, (int)H()) << "stands on the screen's bottom edge";
    EXPECT_EQ((int)Panel()->GetIndicators().size(), c.rows);
    EXPECT_EQ(Panel()->GetExpandButton()->IsVisible(), c.expandButton);
  }
}

TEST_F(SkillsPanel, RowsRunDownSevenAColumnAndColumnsStand160Apart) {
  SetSkills(15);
  GUI_Skills::ToggleExpand(0);
  std::vector<GUI_Indicator*> rows(Panel()->GetIndicators().begin(), Panel()->GetIndicators().end());
  ASSERT_EQ(rows.size(), 15u);
  const int top = Panel()->rect.top + 18;
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i]->GetOwner()->GetName(), "s" + std::to_string(i));
    EXPECT_EQ(rows[i]->rect.left, 20 + 160 * (i / 7));
    EXPECT_EQ(rows[i]->rect.top, top + 30 * (i % 7));
    EXPECT_EQ(rows[i]->width, 150);
    EXPECT_EQ(rows[i]->height, 30);
  }
  EXPECT_EQ(Panel()->GetIndicator("s14"), rows[14]);
  EXPECT_EQ(Panel()->GetIndicator("unused"), nullptr) << "a skill at zero has no row";
}

TEST_F(SkillsPanel, UnderAReportOnlyTheChangedSkillsShowThenTheFullPanelReturns) {
  SetSkills(9);
  for (const char* name : {"s2", "s5", "s8"})
    SIM_GetVede()->GetSkills().GetNamedValue(name)->GetNotifier()->Initialise(0.05f, 300.0f, 300.0f, true);
  Panel()->RefreshAsChangedOnly();
  EXPECT_EQ(Panel()->width, 190);
  EXPECT_EQ(Panel()->height, 126);
  ASSERT_EQ(Panel()->GetIndicators().size(), 3u);
  int y = Panel()->rect.top + 18;
  for (GUI_Indicator* row : Panel()->GetIndicators()) {
    EXPECT_EQ(row->rect.left, 20);
    EXPECT_EQ(row->rect.top, y);
    y += 30;
  }
  EXPECT_FALSE(Panel()->GetExpandButton()->IsVisible());

  GUI_ChangeNotifier::CloseAll();
  Panel()->Refresh();
  EXPECT_EQ(Panel()->width, 375);
  EXPECT_EQ(Panel()->GetIndicators().size(), 9u);
}

TEST_F(SkillsPanel, TheControlPanelCarriesItAndASkillsMarkerStandsBesideItsRow) {
  EXPECT_EQ(Panel()->GetParent(), GUI_GetControlPanel());
  SetSkills(2);
  SIM_GetVede()->ApplyEffect("s1", 0.1f, 0.0f, "test");
  GUI_Indicator* row = Panel()->GetIndicator("s1");
  ASSERT_NE(row, nullptr);
  GUI_ChangeNotifier* marker = SIM_GetVede()->GetSkills().GetNamedValue("s1")->GetNotifier();
  EXPECT_TRUE(marker->IsActive());
  // A skill the player did not have yet gets its row at once.
  SIM_GetVede()->ApplyEffect("juggling", 0.2f, 0.0f, "test");
  EXPECT_NE(Panel()->GetIndicator("juggling"), nullptr);
  EXPECT_EQ(Panel()->GetIndicators().size(), 3u);
}

}  // namespace
