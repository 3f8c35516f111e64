// The concentration panel, the description line, the match report and the diagnostic dialogs.
#include "GTranslation.h"
#include "GUI_AttributeWatcher.h"
#include "GUI_BoredomWatcher.h"
#include "GUI_Concentration.h"
#include "GUI_Description.h"
#include "GUI_DescriptionDebugger.h"
#include "GUI_MatchReport.h"
#include "GUI_MemoryWatcher.h"
#include "GUI_ValueBar.h"
#include "HudTestSupport.h"
#include "SIM_Boredom.h"
#include "SIM_Memory.h"

using namespace guitest;
using namespace hudtest;

TEST_F(GuiTest, ConcentrationBarsNeverAddUpToMoreThanOneBar) {
  SIM_Vede* vede = PlayerWithGameAttributes();
  // Stress 0.9, tiredness 0.8, alcohol 0.6: penalties 0.729, 0.512 and 0.36, summing to 1.601.
  vede->GetAttributes().GetNamedValue("stress")->SetValue(0.9f);
  vede->GetAttributes().GetNamedValue("tiredness")->SetValue(0.8f);
  vede->GetAttributes().GetNamedValue("alcohol")->SetValue(0.6f);
  GUI_Concentration* panel = new GUI_Concentration;
  EXPECT_NEAR(panel->GetStress() + panel->GetAlcohol() + panel->GetTiredness(), 1.0f, 1e-5);
  EXPECT_NEAR(panel->GetStress(), 0.729f / 1.601f, 1e-4);
  EXPECT_FLOAT_EQ(panel->GetConcentrationBar()->GetValue(), 0.0f);
  panel->SetPosition(100.0f, 100.0f, 300.0f, 240.0f);
  panel->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Concentration"));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Held back by drink"));
  delete panel;

  // Small penalties are shown as they are.
  vede->GetAttributes().GetNamedValue("stress")->SetValue(0.5f);
  vede->GetAttributes().GetNamedValue("tiredness")->SetValue(0.5f);
  vede->GetAttributes().GetNamedValue("alcohol")->SetValue(0.5f);
  GUI_Concentration calm;
  EXPECT_FLOAT_EQ(calm.GetStress(), 0.125f);
  EXPECT_FLOAT_EQ(calm.GetAlcohol(), 0.25f);
  EXPECT_FLOAT_EQ(calm.GetConcentrationBar()->GetValue(), 0.5f);
}

TEST_F(GuiTest, DescriptionLineEndsAtTheRightOfTheScreen) {
  GUI_Description* line = GUI_GetDescription();
  line->Initialise();
  EXPECT_EQ(line->GetRect()->left, 500);
  EXPECT_EQ(line->GetRect()->right, 1004);
  EXPECT_EQ(line->GetHeight(), 25.0f);
  EXPECT_TRUE(GUI_GetWindowManager()->IsRegistered(line));
  EXPECT_FALSE(line->GetCloseOnRestart());
  EXPECT_TRUE(line->CheckClick(600.0f, 660.0f));
  EXPECT_FALSE(line->CheckClick(400.0f, 660.0f));
}

TEST_F(GuiTest, MatchReportGradesTheResult) {
  const char* names[] = {"Crushing Defeat", "A Draw", "Famous Victory"};
  const float results[] = {0.0f, 0.5f, 1.0f};
  for (int i = 0; i < 3; ++i) {
    GUI_MatchReport* report = GUI_MatchReport::Create(results[i]);
    EXPECT_EQ(report->GetResultName(), names[i]);
    EXPECT_FALSE(report->GetResultText().empty());
    EXPECT_NE(report->GetResultText(), report->GetResultName());
    EXPECT_TRUE(report->IsModal());
    EXPECT_EQ(report->GetTitle(), "Bowling Match Report");
  }
  // Several can be open at once.
  EXPECT_EQ(GUI_GetWindowManager()->GetModals().size(), 3u);
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Famous Victory"));
  EXPECT_NE(D3DEngine::GetRecorder().FindTexture("bowling.png"), nullptr);
}

TEST_F(GuiTest, WatchersOpenForTheirSubjects) {
  SIM_Attribute* iq = AddAttribute("#,iq,IQ,,,0,0,0,0,1,,D,L,H,,0,\n");
  for (const char* part : {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"})
    AddAttribute(std::string("#,") + part + "," + part + ",,,0.25,0,0,0,1,,D,L,H,,0,iq,0.25\n");
  SIM_Attribute* stress = AddSimple("stress", 0.3f, true, false);
  stress->AddEffect(0.2f, 0.9f, "A long day at the office with no end in sight");

  const size_t before = GUI_GetWindowManager()->GetWindows().size();
  GUI_AttributeWatcher* last = GUI_AttributeWatcher::Create(iq);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().size(), before + 4);
  EXPECT_EQ(last->GetTitle(), "iq_reasoning");
  GUI_AttributeWatcher* one = GUI_AttributeWatcher::Create(stress);
  EXPECT_TRUE(one->IsDraggable());
  D3DEngine::GetRecorder().Clear();
  one->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("VALUE:  0.50000"));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("A long day at the office with ..."));

  SIM_Boredom boredom;
  boredom.AddEffect("bowling", 0.6f);
  GUI_BoredomWatcher::Create(&boredom);
  GUI_BoredomWatcher* first = GUI_BoredomWatcher::PTheWindow;
  GUI_BoredomWatcher::Create(&boredom);
  EXPECT_NE(GUI_BoredomWatcher::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_GetWindowManager()->IsRegistered(first) && first != GUI_BoredomWatcher::PTheWindow);
  D3DEngine::GetRecorder().Clear();
  GUI_BoredomWatcher::PTheWindow->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("0.600"));

  SIM_Memory memory;
  GUI_MemoryWatcher* memories = GUI_MemoryWatcher::Create(&memory, SIM_GetVede());
  ASSERT_NE(memories, nullptr);
  memories->Draw();

  GUI_DescriptionDebugger::Create();
  ASSERT_NE(GUI_DescriptionDebugger::PTheWindow, nullptr);
  GUI_DescriptionDebugger::PTheWindow->Draw();
  // The dialogs go before the records they show.
  GUI_GetWindowManager()->CloseAll();
  EXPECT_EQ(GUI_BoredomWatcher::PTheWindow, nullptr);
  EXPECT_EQ(GUI_DescriptionDebugger::PTheWindow, nullptr);
}
