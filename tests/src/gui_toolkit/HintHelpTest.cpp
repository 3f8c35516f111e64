// One-time hints remembered in the user folder, and help windows kept on the screen.
#include <filesystem>

#include "GDebug.h"
#include "GUI_CloseButton.h"
#include "GUI_HelpWindow.h"
#include "GUI_HintHelp.h"
#include "Game.h"
#include "GuiToolkitTestSupport.h"
#include "TestSupport.h"

using namespace guitest;
namespace fs = std::filesystem;

namespace {

class HintTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    GetDebug()->Initialise();
    GetGame()->InitDirectories();
    GUI_HintHelp::CloseData();
  }
  void TearDown() override {
    GuiTest::TearDown();
    GUI_HintHelp::CloseData();
  }
  static std::string HintsFile() { return testsupport::ReadFile(GUI_HintHelp::HintsFilePath()); }
};

TEST_F(HintTest, AHintShowsOncePerPlayerEvenAfterARestart) {
  GUI_HintHelp::Launch("weekend");
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
  GUI_HintHelp* window = GUI_HintHelp::AllWindows.front();
  EXPECT_TRUE(window->IsModal());
  EXPECT_TRUE(window->IsDialog());
  EXPECT_EQ(window->GetRect()->left, (int)window->GetHint()->x);
  EXPECT_EQ(window->GetRect()->top, (int)window->GetHint()->y);

  // The file is written as the window opens: the section, then every hint in table order.
  std::string file = HintsFile();
  EXPECT_EQ(file.rfind("[hints]\n", 0), 0u) << file;
  EXPECT_NE(file.find("\nweekend = 1\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\nworkday = 0\n"), std::string::npos) << file;
  EXPECT_EQ(file.find("\nill = 1\n"), std::string::npos) << file;

  // A second launch in the same run opens nothing.
  GUI_HintHelp::Launch("weekend");
  EXPECT_EQ(GUI_HintHelp::AllWindows.size(), 1u);

  // It draws its title, text and disclaimer and fits its height to the text.
  window->Draw();
  const DrawRecorder& rec = D3DEngine::GetRecorder();
  EXPECT_TRUE(rec.HasText("Hint"));
  EXPECT_TRUE(rec.HasText("not be shown again"));
  EXPECT_LT(window->GetHeight(), GUI_HintHelp::kHeight + 100.0f);

  // The close button closes it; a fresh start reads the file and shows nothing.
  GUI_CloseButton* close = nullptr;
  for (GUI_ButtonBase* b : window->GetButtons()) close = dynamic_cast<GUI_CloseButton*>(b);
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(ClickAt(close->GetCenterX(), close->GetCenterY()));
  EXPECT_FALSE(GUI_HintHelp::IsActive());
  GUI_HintHelp::CloseData();
  GUI_HintHelp::Launch("weekend");
  EXPECT_FALSE(GUI_HintHelp::IsActive());
  // Other hints are still to come.
  GUI_HintHelp::Launch("ill");
  EXPECT_TRUE(GUI_HintHelp::IsActive());
}

TEST_F(HintTest, TwoHintsAtOnceAreBothOpenAndTheFirstGetsTheClick) {
  GUI_HintHelp::Launch("ill");
  GUI_HintHelp::Launch("ill_stress");
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 2u);
  GUI_HintHelp* first = GUI_HintHelp::AllWindows.front();
  EXPECT_EQ(GUI_GetWindowManager()->GetModals().size(), 2u);
  MoveMouse(first->GetCenterX(), first->GetCenterY());
  EXPECT_TRUE(GUI_HintHelp::CheckClickAll());
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().back(), first);  // raised by the click
}

TEST_F(HintTest, UnknownKeysAndAnUnwritableFolderAreReported) {
  GUI_HintHelp::Launch("no_such_hint");
  GUI_HintHelp::Launch("no_such_hint");
  EXPECT_FALSE(GUI_HintHelp::IsActive());
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("Hint Help key not found"), std::string::npos);

  // hints.txt cannot be written (a folder stands in its way): the hint still opens, counts as seen
  // for this run, and the failure is logged.
  fs::create_directories(GUI_HintHelp::HintsFilePath());
  GUI_HintHelp::Launch("snubbed");
  EXPECT_TRUE(GUI_HintHelp::IsActive());
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("failed to write hint"), std::string::npos);
  GUI_GetWindowManager()->CloseAll();
  GUI_HintHelp::Launch("snubbed");
  EXPECT_FALSE(GUI_HintHelp::IsActive());
  fs::remove(GUI_HintHelp::HintsFilePath());
}

TEST_F(HintTest, ASeenFlagIsReadAsANumberNeverAsAFormat) {
  testsupport::WriteFile(GUI_HintHelp::HintsFilePath(), "[hints]\nweekend = %s%n\nworkday = 2\nill = 0\n");
  GUI_HintHelp::Launch("weekend");  // not a number: not seen
  GUI_HintHelp::Launch("workday");  // any number but 0: seen
  GUI_HintHelp::Launch("ill");
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 2u);
  EXPECT_EQ(GUI_HintHelp::AllWindows.front()->GetHint()->key, "weekend");
  EXPECT_EQ(GUI_HintHelp::AllWindows.back()->GetHint()->key, "ill");
}

TEST_F(HintTest, TheTableHoldsKeyTextXAndYAfterTheMark) {
  // The table of this world only: the shared one is a link into the repository.
  const std::string table = testsupport::ResourcesRoot() + "/data/simulation/hints.csv";
  fs::remove(table);
  testsupport::WriteFile(table,
                         "Hints for the test.\n"
                         "#,weekend,\"No work today, so rest.\",120,80,a note nobody reads\n"
                         "#,workday  ,Work pays.  ,7,9\n");
  GUI_HintHelp::OpenData();
  ASSERT_EQ(GUI_HintHelp::All.size(), 2u);
  const GUI_HintHelp::HintData* first = GUI_HintHelp::All.front();
  EXPECT_EQ(first->key, "weekend");
  EXPECT_EQ(first->text, "No work today, so rest.");
  EXPECT_EQ(first->x, 120.0f);
  EXPECT_EQ(first->y, 80.0f);
  const GUI_HintHelp::HintData* second = GUI_HintHelp::All.back();
  EXPECT_EQ(second->key, "workday");  // trailing spaces go
  EXPECT_EQ(second->text, "Work pays.");
  GUI_HintHelp::Launch("workday");
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
  EXPECT_EQ(GUI_HintHelp::AllWindows.front()->GetRect()->left, 7);
  EXPECT_EQ(GUI_HintHelp::AllWindows.front()->GetRect()->top, 9);
}

// ---------------------------------------------------------------------------------------------
// Help windows

TEST_F(GuiTest, HelpWindowStaysOnTheScreen) {
  struct Case {
    float x, y;
    int left, top;
  };
  const Case cases[] = {
      {900, 700, 580, 468},  // lower right: up and to the left
      {10, 10, 30, 30},      // upper left: down and to the right
      {1020, 10, 624, 30},   // the right edge: pulled back so all 400 pixels show
      {500, 767, 520, 468},  // the bottom edge: lifted so all 300 pixels show
      {-50, -50, 0, 0},      // off the screen: clamped at the top-left corner
  };
  for (const Case& c : cases) {
    GUI_HelpWindow* w = GUI_HelpWindow::Create("DEFAULT", V2(c.x, c.y));
    EXPECT_EQ(w->GetRect()->left, c.left) << c.x << "," << c.y;
    EXPECT_EQ(w->GetRect()->top, c.top) << c.x << "," << c.y;
  }
  // Each new one replaced the last.
  int open = 0;
  for (GUI_WindowBase* w : GUI_GetWindowManager()->GetWindows()) open += dynamic_cast<GUI_HelpWindow*>(w) ? 1 : 0;
  EXPECT_EQ(open, 1);
}

}  // namespace
