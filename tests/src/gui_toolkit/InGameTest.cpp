// The in-game mode and its control panel, headless on the recording renderer, in a real new game:
// the panel's buttons by turn mode, its layout, the end-of-day prompt, the end-day button's night,
// Escape and the quit question, the frame's draw order, the key routing, the music by happiness,
// the render throttle, the debug panel, the click count and dragging a person.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GTimer.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_ControlPanel.h"
#include "GUI_Cursor.h"
#include "GUI_DragIcon.h"
#include "GUI_SchoolPicker.h"
#include "GUI_GUI.h"
#include "GUI_HelpWindow.h"
#include "GUI_HintHelp.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_IconButton.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_WindowManager.h"
#include "GUI_WokeUpScreen.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "PrivateProfile.h"
#include "SIM_Date.h"
#include "SIM_Health.h"
#include "SIM_NPC.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

namespace {

using Mode = SIM_SIM::TURNMODE;

// A new game on the headless player's fixed first day, with the morning page put away so that
// the in-game screen itself shows.
class InGame : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(11);
    GUI_WokeUpScreen::Close();
    panel = GUI_GetControlPanel();
    D3DEngine::GetRecorder().Clear();
  }
  void TearDown() override { GTimer::SetClock(nullptr); }

  static SIM_SIM* Sim() { return SIM_GetSim(); }
  // One in-game frame as the shell runs it: the mode's input, then its drawing.
  static void Frame() {
    GUI_GetGUI()->ProcessInput();
    GUI_GetGUI()->Draw();
  }
  static bool ClickAt(const GUI_BaseElement* element) {
    GetInput()->mouseX = element->GetCenterX();
    GetInput()->mouseY = element->GetCenterY();
    return GUI_GetGUI()->CheckClick();
  }
  // The index in this frame's drawing of the first entry that satisfies the test, or -1.
  template <typename Test>
  static int IndexOf(Test test) {
    const auto& entries = D3DEngine::GetRecorder().Entries();
    for (size_t i = 0; i < entries.size(); ++i)
      if (test(entries[i])) return (int)i;
    return -1;
  }
  // Textures are recorded by the file found for the name ("arrow.dds" may be "arrow.png").
  static bool IsTexture(const DrawRecord& r, const std::string& name) {
    const std::string stem = name.substr(0, name.rfind('.'));
    return r.texture.rfind(stem + ".", 0) == 0;
  }
  static int IndexOfTexture(const std::string& name) {
    return IndexOf([&](const DrawRecord& r) { return IsTexture(r, name); });
  }

  GUI_ControlPanel* panel = nullptr;
};

struct Enabled {
  bool classes, solo, social, job, quit, endDay;
  bool operator==(const Enabled& o) const {
    return classes == o.classes && solo == o.solo && social == o.social && job == o.job && quit == o.quit &&
           endDay == o.endDay;
  }
};

Enabled Buttons(GUI_ControlPanel* panel) {
  return {panel->GetEveningClassButton()->IsEnabled(), panel->GetSoloButton()->IsEnabled(),
          panel->GetSocialButton()->IsEnabled(),       panel->GetJobButton()->IsEnabled(),
          panel->GetQuitButton()->IsEnabled(),         panel->GetEndDayButton()->IsEnabled()};
}

TEST_F(InGame, ThePanelsButtonsFollowTheTurnMode) {
  struct Case {
    Mode mode;
    bool healthy;
    Enabled expected;
  };
  const Case cases[] = {
      {SIM_SIM::TURNMODE_WOKEUP, true, {false, false, false, false, true, false}},
      {SIM_SIM::TURNMODE_COMMUTEIN, true, {false, false, false, false, true, false}},
      {SIM_SIM::TURNMODE_WORKDAY, true, {false, false, false, false, true, false}},
      {SIM_SIM::TURNMODE_COMMUTEBACK, true, {false, false, false, false, true, false}},
      {SIM_SIM::TURNMODE_EVENING, true, {true, true, true, true, true, false}},
      // Ill, the player may do anything in the evening but go out with friends.
      {SIM_SIM::TURNMODE_EVENING, false, {true, true, false, true, true, false}},
      {SIM_SIM::TURNMODE_DAYENDED, true, {false, false, false, false, true, true}},
  };
  for (const Case& c : cases) {
    Sim()->SetMode(c.mode);
    SIM_GetHealth()->SetState(c.healthy ? 0 : 2, c.healthy ? 0 : 3);
    Frame();
    EXPECT_TRUE(Buttons(panel) == c.expected) << "turn mode " << (int)c.mode << (c.healthy ? "" : ", ill");
  }
}

TEST_F(InGame, ThePanelIsLaidOutAlongTheBottomRight) {
  ASSERT_EQ(GetD3DEngine()->GetScreenWidth(), 1024);
  EXPECT_EQ(panel->GetEveningClassButton()->rect.left, 586);
  EXPECT_EQ(panel->GetSoloButton()->rect.left, 660);
  EXPECT_EQ(panel->GetQuitButton()->rect.left, 882);
  const RECT& endDay = panel->GetEndDayButton()->rect;
  EXPECT_EQ(endDay.left, 956);
  EXPECT_EQ(endDay.right, 1020);
  EXPECT_EQ(endDay.top, 705);
  EXPECT_EQ(endDay.bottom, 769);
  // A new game keeps the panel: it is not closed by the restart sweep.
  EXPECT_FALSE(panel->GetCloseOnRestart());
  Game* game = GetGame();
  game->StartNewGame();
  EXPECT_EQ(GUI_GetControlPanel(), panel);
  EXPECT_TRUE(GUI_GetWindowManager()->IsRegistered(panel));
}

TEST_F(InGame, ADisabledEndDayButtonExplainsWhyAndRunsNoNight) {
  Sim()->SetMode(SIM_SIM::TURNMODE_WORKDAY);
  Frame();
  const int turns = Sim()->GetTurnCount();
  EXPECT_TRUE(ClickAt(panel->GetEndDayButton()));
  ASSERT_NE(GUI_HelpWindow::PTheWindow, nullptr);
  EXPECT_EQ(GUI_HelpWindow::PTheWindow->GetText(), GTranslation::GetString("NEXTDAY_DISABLED"));
  EXPECT_EQ(Sim()->GetTurnCount(), turns);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_WORKDAY);
}

TEST_F(InGame, AQuietEveningEndsTheDayAndEndDayRunsTheNightToTheNextMorning) {
  // A weekday with one evening: the solo button opens the chooser, its start button uses the slot
  // on the first activity listed.
  Sim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  Sim()->SetSlots(1, 0);
  Frame();
  EXPECT_TRUE(ClickAt(panel->GetSoloButton()));
  ASSERT_TRUE(GUI_SoloActivityChooser::IsOpen());
  // The chooser's first opening brings up its hint, which holds the clicks until it is read.
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  EXPECT_TRUE(ClickAt(GUI_SoloActivityChooser::PTheWindow->GetStartButton()));
  EXPECT_FALSE(GUI_SoloActivityChooser::IsOpen());
  ASSERT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);

  const SIM_Date today = *SIM_Date::PPresentDay;
  const int turns = Sim()->GetTurnCount();
  Frame();  // the prompt, and with it the pre-bed step
  EXPECT_TRUE(Sim()->ArePreBedTasksDone());
  EXPECT_TRUE(ClickAt(panel->GetEndDayButton()));

  EXPECT_EQ(Sim()->GetTurnCount(), turns + 1);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDaysAsInt(), today.GetDaysAsInt() + 1);
  EXPECT_EQ(SIM_Date::PPresentDay->GetDayOfWeek(), (today.GetDayOfWeek() + 1) % 7);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  ASSERT_NE(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetTitle(), GUI_WokeUpScreen::DateTitle());
  // The next frame shows the new morning's page and no prompt.
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_NE(IndexOfTexture("diary.dds"), -1);
  EXPECT_EQ(IndexOfTexture("arrow.dds"), -1);
}

TEST_F(InGame, AnActivityButtonPressedTwiceClosesWhatItOpenedAndAnotherReplacesIt) {
  Sim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  Frame();
  ClickAt(panel->GetSoloButton());
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  ClickAt(panel->GetSoloButton());
  EXPECT_FALSE(GUI_SoloActivityChooser::IsOpen());

  ClickAt(panel->GetSocialButton());
  EXPECT_TRUE(GUI_SocialActivityChooser::IsOpen());
  // The social chooser's first opening brings up its hint, which holds the clicks until it is read.
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  ClickAt(panel->GetJobButton());
  EXPECT_FALSE(GUI_SocialActivityChooser::IsOpen());
  EXPECT_TRUE(GUI_JobInstanceDetails::IsOpen());
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  // The C key toggles the evening classes the same way.
  GUI_GetGUI()->HandleKey(8);
  EXPECT_TRUE(GUI_SchoolPicker::IsOpen());
}

TEST_F(InGame, ThePromptShowsAtTheEndOfTheDayUnlessPostponed) {
  Sim()->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  panel->PostponeEndDay(true);
  Frame();
  EXPECT_TRUE(panel->GetEndDayButton()->IsEnabled());
  EXPECT_EQ(IndexOfTexture("arrow.dds"), -1);
  EXPECT_FALSE(Sim()->ArePreBedTasksDone());

  panel->PostponeEndDay(false);
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_TRUE(Sim()->ArePreBedTasksDone());
  const int arrow = IndexOfTexture("arrow.dds");
  ASSERT_NE(arrow, -1);
  const DrawRecord& a = D3DEngine::GetRecorder().Entries()[arrow];
  // Between the prompt (956 - 260 .. 956 - 60) and the button: centred at (896 + 25, 734).
  EXPECT_FLOAT_EQ((a.left + a.right) / 2.0f, 921.0f);
  EXPECT_FLOAT_EQ((a.top + a.bottom) / 2.0f, 734.0f);
  EXPECT_FLOAT_EQ(a.Width(), 64.0f);
  EXPECT_NE(D3DEngine::GetRecorder().FindText("moon"), nullptr);
}

TEST_F(InGame, EscapeWithNoDialogAsksToLeaveAndOkGoesToTheMainMenu) {
  GUI_GUI* gui = GUI_GetGUI();
  gui->HandleKey(53);
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetTitle(), GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TITLE"));
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetText(), GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TEXT"));

  // With the question open, Escape only takes it back.
  gui->HandleKey(53);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_INGAME);

  // Escape under a full-screen page asks too, and the question is drawn over the page; OK leaves.
  GUI_WokeUpScreen::Create();
  gui->HandleKey(53);
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_NE(D3DEngine::GetRecorder().FindText(GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TITLE")), nullptr);
  EXPECT_TRUE(ClickAt(GUI_ConfirmDialog::PTheWindow->GetOkButton()));
  EXPECT_EQ(GetGame()->GetGameMode(), Game::GAMEMODE_MAINMENU);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
}

TEST_F(InGame, TheFrameDrawsTheSceneUnderTheWindowsAndTheCursorLast) {
  // Full screen, where the game draws its own cursor.
  WritePrivateProfileInt("config", "IsWindowed", 0, "data\\config.ziz");
  GetGame()->Init3D();
  ASSERT_FALSE(GetD3DEngine()->GetIsWindowed());
  D3DEngine::GetRecorder().Clear();
  Sim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  GetInput()->mouseX = 300.0f;
  GetInput()->mouseY = 400.0f;
  Frame();
  const auto& entries = D3DEngine::GetRecorder().Entries();
  ASSERT_FALSE(entries.empty());
  // The scene's sky first, the panel's strip and buttons over it, the cursor last of all.
  const int sky = IndexOf([](const DrawRecord& r) { return r.call == "DrawGradientQuad" && r.Width() > 1024.0f; });
  const int strip = IndexOfTexture("menu_strip.dds");
  const int buttons = IndexOfTexture("bigbuttons.dds");
  ASSERT_NE(sky, -1);
  EXPECT_EQ(sky, 0);
  EXPECT_GT(strip, sky);
  EXPECT_GT(buttons, strip);
  EXPECT_TRUE(IsTexture(entries.back(), "cursor.dds")) << entries.back().Describe();

  // Under a full-screen page the scene and the panel are not drawn, the page is, and the cursor
  // still comes last.
  GUI_WokeUpScreen::Create();
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_NE(IndexOfTexture("diary.dds"), -1);
  int panelButtons = 0;
  for (const DrawRecord& r : D3DEngine::GetRecorder().Entries())
    if (IsTexture(r, "bigbuttons.dds")) ++panelButtons;
  EXPECT_EQ(panelButtons, 1);  // only the page's own button
  EXPECT_TRUE(IsTexture(D3DEngine::GetRecorder().Entries().back(), "cursor.dds"))
      << D3DEngine::GetRecorder().Entries().back().Describe();
}

TEST_F(InGame, KeysGoToTheInputHandlerFirstAndOnlyItsOwnerRemovesIt) {
  class KeyWindow : public GUI_WindowBase {
   public:
    void HandleKey(unsigned key) override { keys.push_back(key); }
    std::vector<unsigned> keys;
  };
  KeyWindow handler, other;
  GUI_GUI* gui = GUI_GetGUI();
  gui->SetInputHandler(&handler);
  gui->HandleKey(53);
  gui->HandleKey(8);
  EXPECT_EQ(handler.keys, (std::vector<unsigned>{53, 8}));
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_SchoolPicker::PTheWindow, nullptr);

  gui->RemoveInputHandler(&other);
  EXPECT_EQ(gui->GetInputHandler(), &handler);
  gui->RemoveInputHandler(&handler);
  EXPECT_EQ(gui->GetInputHandler(), nullptr);
}

TEST_F(InGame, AClickThatNobodyTakesStillCounts) {
  const int before = SIM_GetStatistics()->GetIntCounter("MCLICKS");
  GetInput()->mouseX = 700.0f;
  GetInput()->mouseY = 300.0f;
  EXPECT_FALSE(GUI_GetGUI()->CheckClick());
  EXPECT_FALSE(GUI_GetGUI()->CheckRightClick());
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("MCLICKS"), before + 2);
}

TEST_F(InGame, TheDebugPanelShowsOnlyWhileShiftAndDAreHeld) {
  CInput* input = GetInput();
  Frame();
  auto panelFill = [] {
    for (const DrawRecord& r : D3DEngine::GetRecorder().Entries())
      if (r.kind == DrawKind::Fill && r.left == 32.0f && r.top == 32.0f && r.right == 232.0f && r.bottom == 232.0f &&
          r.colour == 0xC0000000u)
        return true;
    return false;
  };
  EXPECT_FALSE(panelFill());
  input->OnKeyDown(56);
  input->Process();
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_FALSE(panelFill());  // Shift alone

  input->OnKeyDown(2);
  input->Process();
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_TRUE(panelFill());
  EXPECT_NE(D3DEngine::GetRecorder().FindText("blood-alcohol: 0.00"), nullptr);
  input->ReleaseAll();
}

TEST_F(InGame, DraggingAPersonFollowsTheMouseAndTheReleaseDropsIt) {
  SIM_NPC npc;
  RECT icon;
  SetRect(&icon, 100, 100, 164, 164);
  GetInput()->mouseX = 120.0f;
  GetInput()->mouseY = 110.0f;
  GUI_DragIcon::Create(&npc, icon, "smallbuttons.dds");
  EXPECT_TRUE(GUI_GetCursor()->IsDragging());
  EXPECT_EQ(GUI_DragIcon::GetDraggedNPC(), &npc);

  // Grabbed 12 pixels left of and 22 above the icon's centre, it keeps that offset as it moves.
  GetInput()->mouseX = 500.0f;
  GetInput()->mouseY = 300.0f;
  D3DEngine::GetRecorder().Clear();
  GUI_DragIcon::DrawAll();
  const int background = IndexOfTexture("npc_icon_background.dds");
  const int portrait = IndexOfTexture("smallbuttons.dds");
  ASSERT_NE(background, -1);
  EXPECT_LT(background, portrait);
  const DrawRecord& b = D3DEngine::GetRecorder().Entries()[background];
  EXPECT_FLOAT_EQ((b.left + b.right) / 2.0f, 512.0f);
  EXPECT_FLOAT_EQ((b.top + b.bottom) / 2.0f, 322.0f);
  EXPECT_FLOAT_EQ(b.Width(), 64.0f);

  GUI_GetGUI()->LeftMouseUp();
  EXPECT_EQ(GUI_DragIcon::GetIcon(), nullptr);
  EXPECT_FALSE(GUI_GetCursor()->IsDragging());

  // With nothing dragged the release only lets go of whatever the cursor held.
  int held = 0;
  GUI_GetCursor()->SetDragObject(&held);
  GUI_GetGUI()->LeftMouseUp();
  EXPECT_FALSE(GUI_GetCursor()->IsDragging());
  // Nobody to drag: an assertion (answered headless) and no icon.
  EXPECT_EQ(GUI_DragIcon::Create(nullptr, icon, nullptr), nullptr);
  EXPECT_EQ(GUI_DragIcon::GetIcon(), nullptr);
}

uint32_t g_now = 1000;
uint32_t Now() { return g_now; }

TEST(InGameMode, TheRenderThrottleIsTheFrameTimeFactorAtMostThree) {
  GTimer::SetClock(&Now);
  GUI_GUI* gui = GUI_GetGUI();
  gui->UpdateRenderThrottle();
  g_now += 60;  // five frames' worth
  gui->UpdateRenderThrottle();
  EXPECT_FLOAT_EQ(gui->GetRenderThrottle(), 3.0f);
  g_now += 3;
  gui->UpdateRenderThrottle();
  EXPECT_FLOAT_EQ(gui->GetRenderThrottle(), 0.25f);
  GTimer::SetClock(nullptr);
}

TEST(InGameMode, TheMusicFollowsHappinessWithTheMiddlePairAtTheBounds) {
  struct Case {
    float happiness;
    std::set<std::string> pair;
  };
  const Case cases[] = {
      {0.61f, {"daily_motion.ogg", "casual_peppy.ogg"}},
      {0.6f, {"average_day.ogg", "swingin_calm.ogg"}},
      {0.3f, {"average_day.ogg", "swingin_calm.ogg"}},
      {0.29f, {"determined_ladies_and_gents.ogg", "cheer_up_old_timer.ogg"}},
  };
  std::srand(5);
  SIM_NamedValue* happiness = SIM_GetVede()->GetNamedValue("happiness", true);
  for (const Case& c : cases) {
    happiness->SetValue(c.happiness);
    ASSERT_FLOAT_EQ(SIM_GetVede()->GetValue("happiness"), c.happiness);
    std::set<std::string> seen;
    for (int i = 0; i < 64; ++i) seen.insert(GUI_GetGUI()->GetBestMusic());
    EXPECT_EQ(seen, c.pair) << "happiness " << c.happiness;
  }
}

}  // namespace
