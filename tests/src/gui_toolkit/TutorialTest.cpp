// The tutorial and what it stands on: the registry of named elements, the spotlight, the tutorial
// window, and a whole tutorial run from a small step table (the click gate, Next, Return, Escape,
// and no hints while it runs).
#include <filesystem>

#include "GDebug.h"
#include "GUI_ButtonText.h"
#include "GUI_HintHelp.h"
#include "GUI_NamedObject.h"
#include "GUI_Sounds.h"
#include "GUI_TutHighlighter.h"
#include "GUI_Tutorial.h"
#include "GUI_TutorialWindow.h"
#include "Game.h"
#include "GuiToolkitTestSupport.h"
#include "TestSupport.h"

using namespace guitest;
namespace fs = std::filesystem;

namespace {

std::string LogText() { return testsupport::ReadFile(GetDebug()->GetPath()); }

// The data folder of a test links the repository's files: a file is replaced by unlinking it
// first, never by writing through the link.
void ReplaceDataFile(const std::string& relative, const std::string& text) {
  std::string path = testsupport::ResourcesRoot() + "/" + relative;
  fs::remove(path);
  testsupport::WriteFile(path, text);
}

bool SameRect(const RECT& r, int l, int t, int rt, int b) {
  return r.left == l && r.top == t && r.right == rt && r.bottom == b;
}

// ---------------------------------------------------------------------------------------------
// Named objects

TEST_F(GuiTest, NamedObjectsRefuseSecondNamesAndSecondElements) {
  GetDebug()->Initialise();
  LogWindow* first = new LogWindow("first", Rect(0, 0, 10, 10));
  LogWindow* second = new LogWindow("second", Rect(0, 0, 10, 10));

  GUI_NamedObject::Register("Panel", first);
  GUI_NamedObject::Register("Other", first);   // the same element under a second name
  GUI_NamedObject::Register("Panel", second);  // a second element under a used name
  EXPECT_EQ(GUI_NamedObject::All.size(), 1u);
  EXPECT_EQ(GUI_NamedObject::GetByName("Panel"), first);
  EXPECT_EQ(GUI_NamedObject::GetByName("panel"), nullptr);  // names are exact
  EXPECT_EQ(GUI_NamedObject::GetByName("Other"), nullptr);

  GUI_NamedObject::UnRegister(second);  // never registered
  GUI_NamedObject::UnRegister(first);
  EXPECT_TRUE(GUI_NamedObject::All.empty());
  EXPECT_EQ(GUI_NamedObject::GetByName("Panel"), nullptr);

  std::string log = LogText();
  EXPECT_NE(log.find("Duplicate named object pointer"), std::string::npos);
  EXPECT_NE(log.find("Duplicate named object name"), std::string::npos);
  EXPECT_NE(log.find("Failed to unregister named object"), std::string::npos);
  EXPECT_NE(log.find("Failed to find named object: panel"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// The spotlight

TEST_F(GuiTest, SpotlightShadesAllButTheTargetAndFramesIt) {
  GUI_TutHighlighter::SetHighlight(Rect(100, 200, 300, 250));
  ASSERT_TRUE(GUI_TutHighlighter::IsEnabled());
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetShade(GUI_TutHighlighter::SHADE_LEFT), 0, 0, 100, 768));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetShade(GUI_TutHighlighter::SHADE_RIGHT), 300, 0, 1024, 768));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetShade(GUI_TutHighlighter::SHADE_ABOVE), 100, 0, 300, 200));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetShade(GUI_TutHighlighter::SHADE_BELOW), 100, 250, 300, 768));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_LEFT), 96, 196, 100, 254));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_RIGHT), 300, 196, 304, 254));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_TOP), 100, 196, 300, 200));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_BOTTOM), 100, 250, 300, 254));

  GUI_TutHighlighter::Draw();
  std::vector<DrawRecord> fills = D3DEngine::GetRecorder().Filter(DrawKind::Fill);
  ASSERT_EQ(fills.size(), 8u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(fills[i].colour, 0xC0000000u) << fills[i].Describe();
  for (int i = 4; i < 8; ++i) EXPECT_EQ(fills[i].colour, 0xDCE6B0A0u) << fills[i].Describe();

  // The whole screen: nothing is shaded, and the frame lies just outside the screen.
  GUI_TutHighlighter::SetHighlight(Rect(0, 0, 1024, 768));
  for (int i = 0; i < 4; ++i) {
    const RECT& s = GUI_TutHighlighter::GetShade(i);
    EXPECT_TRUE(s.right <= s.left || s.bottom <= s.top) << i;
  }
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_LEFT), -4, -4, 0, 772));
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetBorder(GUI_TutHighlighter::BORDER_BOTTOM), 0, 768, 1024, 772));

  // By name: the element's rectangle; an unknown name changes nothing.
  LogWindow* panel = new LogWindow("panel", Rect(586, 705, 1024, 769));
  GUI_NamedObject::Register("Panel", panel);
  GUI_TutHighlighter::SetHighlight("Panel");
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetHighlightRect(), 586, 705, 1024, 769));
  GUI_TutHighlighter::SetHighlight("Nobody");
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetHighlightRect(), 586, 705, 1024, 769));
  GUI_NamedObject::UnRegister(panel);

  GUI_TutHighlighter::Disable();
  D3DEngine::GetRecorder().Clear();
  GUI_TutHighlighter::Draw();
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Fill), 0);
}

// ---------------------------------------------------------------------------------------------
// The tutorial window

TEST_F(GuiTest, TutorialWindowPlacesItselfAndFitsItsText) {
  GUI_TutorialWindow* w = GUI_TutorialWindow::Create("TUTORIAL_NEXT", "A line.", true, -1, 100);
  EXPECT_EQ(w->GetRect()->left, -1);  // only -1 for both centres it
  EXPECT_EQ(w->GetRect()->top, 100);
  EXPECT_EQ(w->GetTitle(), "Next");  // a key is shown translated
  EXPECT_EQ(w->GetText(), "A line.");  // anything else as written
  ASSERT_TRUE(w->HasNextButton());
  EXPECT_EQ(GUI_Tutorial::GetClickables().back(), w->GetNextButton());

  w->Draw();
  GetTextEngine()->SetCurrentFont("anime14.dds", 14.0f);
  const int bottom = (int)(100.0f + 40.0f + GetTextEngine()->GetWrappedHeight("A line.", 420.0f) + 50.0f);
  EXPECT_EQ(w->GetRect()->bottom, bottom);
  const RECT* next = w->GetNextButton()->GetRect();
  EXPECT_TRUE(SameRect(*next, 449 - 160, bottom - 35, 449 - 20, bottom - 15));
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("A line."));

  // A second window replaces the first; centred when both coordinates are -1.
  GUI_TutorialWindow* centred = GUI_TutorialWindow::Create("T", "X", false, -1, -1);
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow, centred);
  EXPECT_EQ(centred->GetRect()->left, (1024 - 450) / 2);
  EXPECT_EQ(centred->GetRect()->top, (768 - 300) / 2);
  EXPECT_FALSE(centred->HasNextButton());
  GUI_TutorialWindow::Close();
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow, nullptr);
}

// ---------------------------------------------------------------------------------------------
// A whole tutorial

int g_panelClicks = 0;
int g_otherClicks = 0;
void PanelClicked(int) { ++g_panelClicks; }
void OtherClicked(int) { ++g_otherClicks; }

// A started game with a control-panel-like window: two buttons, registered by name. The steps are
// inline scripts: a window with Next; a spotlight on the allowed button and a window without
// Next; a last window with Next.
class TutorialRun : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ReplaceDataFile("data/tutorialscripts.csv",
                    "Steps\n"
                    "#,\"TutorialWindow(T_ONE,TEXT_ONE,1,-1,-1);\",welcome\n"
                    "#,\"Highlight(PanelButton);AllowButton(PanelButton);"
                    "TutorialWindow(T_TWO,TEXT_TWO,0,10,10);\",click the panel\n"
                    "#,\"TutorialWindow(T_THREE,TEXT_THREE,1,-1,100);\",goodbye\n");
    GetGame()->InitApp();
    g_panelClicks = g_otherClicks = 0;
    // Clear of the game's own panels and of the steps' windows.
    panel = new LogWindow("panel", Rect(100, 600, 400, 660));
    panel->SetCloseOnRestart(false);  // it lives through the new game, like the control panel
    allowed = AddPanelButton(Rect(110, 615, 170, 645), PanelClicked, "PanelButton");
    refused = AddPanelButton(Rect(210, 615, 270, 645), OtherClicked, "OtherButton");
  }
  void TearDown() override {
    GUI_NamedObject::UnRegister(allowed);
    GUI_NamedObject::UnRegister(refused);
    GuiTest::TearDown();
  }
  GUI_ButtonText* AddPanelButton(RECT r, GUI_ButtonBase::Callback callback, const char* name) {
    GUI_ButtonText* b = new GUI_ButtonText("CONFIRM_OK", callback, 0);
    b->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
    panel->AddButton(b);
    GUI_NamedObject::Register(name, b);
    return b;
  }
  // A click as the in-game mode routes it while the tutorial runs: the tutorial window first, then
  // the window manager.
  static void InGameClick(float x, float y) {
    MoveMouse(x, y);
    GUI_TutorialWindow::CheckClickAll();
    GUI_GetWindowManager()->CheckClick();
  }
  static void ClickNext() {
    GUI_TutorialWindow* w = GUI_TutorialWindow::PTheWindow;
    ASSERT_NE(w, nullptr);
    w->Draw();  // the button finds its place on the first draw
    ASSERT_TRUE(w->HasNextButton());
    InGameClick(w->GetNextButton()->GetCenterX(), w->GetNextButton()->GetCenterY());
  }

  LogWindow* panel = nullptr;
  GUI_ButtonText* allowed = nullptr;
  GUI_ButtonText* refused = nullptr;
};

TEST_F(TutorialRun, StepsAdvanceOnlyThroughWhatTheStepAllows) {
  GUI_Tutorial::Initialise();
  ASSERT_TRUE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GUI_Tutorial::GetSteps().size(), 3u);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);
  EXPECT_TRUE(GetGame()->GetGameInProgress());
  ASSERT_NE(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow->GetTitle(), "T_ONE");

  // A panel button the step does not allow: no callback, no click sound, no step.
  const std::string soundBefore = GUI_GetSounds()->GetLastPlayed();
  InGameClick(140, 630);
  InGameClick(240, 630);
  EXPECT_EQ(g_panelClicks + g_otherClicks, 0);
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), soundBefore);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 0);

  // No hint shows while the tutorial runs, and the hint stays unseen.
  GUI_HintHelp::Launch("weekend");
  EXPECT_FALSE(GUI_HintHelp::IsActive());
  EXPECT_FALSE(testsupport::Exists(GUI_HintHelp::HintsFilePath()));

  // Next, although the click reaches the window twice, moves exactly one step.
  ClickNext();
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 1);
  ASSERT_NE(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow->GetTitle(), "T_TWO");
  EXPECT_TRUE(GUI_TutHighlighter::IsEnabled());
  EXPECT_TRUE(SameRect(GUI_TutHighlighter::GetHighlightRect(), 110, 615, 170, 645));

  // Without a Next button Return does nothing; the refused button still does nothing.
  GUI_Tutorial::HandleKey(36);
  InGameClick(240, 630);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 1);
  EXPECT_EQ(g_otherClicks, 0);

  // The allowed button acts and finishes the step; the new step starts with no spotlight.
  InGameClick(140, 630);
  EXPECT_EQ(g_panelClicks, 1);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 2);
  EXPECT_FALSE(GUI_TutHighlighter::IsEnabled());
  EXPECT_FALSE(GUI_Tutorial::IsClickable(allowed));
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow->GetRect()->left, -1);

  // Escape leaves: no window, no spotlight, the main menu with no game in progress.
  GUI_Tutorial::HandleKey(53);
  EXPECT_FALSE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_TutHighlighter::IsEnabled());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_FALSE(GetGame()->GetGameInProgress());

  // Every button works again, and the hint that was held back shows now.
  EXPECT_TRUE(GUI_Tutorial::IsClickable(refused));
  GUI_HintHelp::Launch("weekend");
  EXPECT_TRUE(GUI_HintHelp::IsActive());
}

TEST_F(TutorialRun, ReturnOnTheLastStepEndsTheTutorial) {
  GUI_Tutorial::Initialise();
  GUI_Tutorial::HandleKey(36);  // a Next button: the next step
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 1);
  InGameClick(140, 630);
  EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), 2);
  ClickNext();  // past the last step
  EXPECT_FALSE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
}

TEST_F(TutorialRun, WithoutStepsNothingStarts) {
  ReplaceDataFile("data/tutorialscripts.csv", "no rows here\n");
  GUI_Tutorial::Initialise();  // the assertion reports and the game goes on
  EXPECT_FALSE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_TRUE(GUI_Tutorial::IsClickable(refused));
}

// The tutorial the game ships, played through as a player would: Next where there is one,
// otherwise the button the step allows, until it hands back to the main menu.
TEST_F(GuiTest, TheShippedTutorialPlaysThroughToTheMainMenu) {
  GetGame()->InitApp();
  GUI_Tutorial::Initialise();
  ASSERT_TRUE(GUI_Tutorial::IsRunning());
  const size_t steps = GUI_Tutorial::GetSteps().size();
  size_t visited = 0;
  int spotlights = 0;
  while (GUI_Tutorial::IsRunning() && visited <= steps) {
    ++visited;
    const int step = GUI_Tutorial::GetCurrentStep();
    GUI_TutorialWindow* w = GUI_TutorialWindow::PTheWindow;
    ASSERT_NE(w, nullptr) << "step " << step;
    EXPECT_EQ(w->GetTitle().rfind("TUT_", 0), std::string::npos) << "untranslated title at step " << step;
    w->Draw();
    EXPECT_LE(w->GetRect()->bottom, 768) << "step " << step << " runs off the screen";
    spotlights += GUI_TutHighlighter::IsEnabled() ? 1 : 0;
    GUI_BaseElement* target = nullptr;
    if (w->HasNextButton()) {
      target = w->GetNextButton();
    } else {
      ASSERT_FALSE(GUI_Tutorial::GetClickables().empty()) << "step " << step << " cannot be left";
      target = GUI_Tutorial::GetClickables().front();
    }
    MoveMouse(target->GetCenterX(), target->GetCenterY());
    GUI_TutorialWindow::CheckClickAll();
    GUI_GetWindowManager()->CheckClick();
    if (GUI_Tutorial::IsRunning()) {
      EXPECT_EQ(GUI_Tutorial::GetCurrentStep(), step + 1);
    }
  }
  EXPECT_EQ(visited, steps);
  EXPECT_GT(spotlights, 0);
  EXPECT_FALSE(GUI_Tutorial::IsRunning());
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
}

}  // namespace
