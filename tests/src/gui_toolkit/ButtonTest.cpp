// Buttons: the disabled explanation, fade-first callbacks through the screen fader, the check
// box, the slider and the confirmation dialog.
#include "GuiToolkitTestSupport.h"

#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_CloseButton.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_HelpWindow.h"
#include "GUI_ScreenFader.h"
#include "GUI_SliderControl.h"
#include "GUI_Sounds.h"

using namespace guitest;

namespace {
std::vector<int> g_calls;
void Record(int argument) { g_calls.push_back(argument); }

GUI_ButtonText* MakeButton(GUI_WindowBase* window, RECT r, GUI_ButtonBase::Callback callback, int argument) {
  GUI_ButtonText* b = new GUI_ButtonText("CONFIRM_OK", callback, argument);
  b->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
  window->AddButton(b);
  return b;
}
}  // namespace

TEST_F(GuiTest, DisabledButtonExplainsItselfOrDoesNothing) {
  g_calls.clear();
  LogWindow* window = new LogWindow("w", Rect(0, 0, 1024, 768));
  GUI_ButtonText* silent = MakeButton(window, Rect(10, 10, 150, 34), Record, 1);
  silent->SetEnabled(false);
  GUI_ButtonText* explained = MakeButton(window, Rect(840, 688, 960, 712), Record, 2);
  explained->SetEnabled(false);
  explained->SetDisabledClickExplanation("DEFAULT");

  // Without an explanation the click is taken and nothing happens.
  EXPECT_TRUE(ClickAt(50, 20));
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(GUI_HelpWindow::PTheWindow, nullptr);

  // With one, a help window opens beside the button's centre (900, 700): up and to the left.
  EXPECT_TRUE(ClickAt(900, 700));
  EXPECT_TRUE(g_calls.empty());
  GUI_HelpWindow* help = GUI_HelpWindow::PTheWindow;
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->GetText(), "Untitled");
  EXPECT_EQ(help->GetRect()->left, 580);
  EXPECT_EQ(help->GetRect()->top, 468);
  EXPECT_TRUE(help->IsModal());
  EXPECT_TRUE(help->IsDialog());

  // It is a dialog: Escape closes it and clears its pointer.
  GUI_GetWindowManager()->HandleEscapeKey();
  EXPECT_EQ(GUI_HelpWindow::PTheWindow, nullptr);
  // Near the top-left corner it opens below and to the right.
  GUI_HelpWindow::Create("DEFAULT", V2(10, 10));
  EXPECT_EQ(GUI_HelpWindow::PTheWindow->GetRect()->left, 30);
  EXPECT_EQ(GUI_HelpWindow::PTheWindow->GetRect()->top, 30);
}

TEST_F(GuiTest, EnabledButtonPlaysTheClickAndRunsItsCallbackOnce) {
  g_calls.clear();
  LogWindow* window = new LogWindow("w", Rect(0, 0, 400, 400));
  MakeButton(window, Rect(10, 10, 150, 34), Record, 5);
  GUI_ButtonText* quiet = MakeButton(window, Rect(10, 50, 150, 74), Record, 6);
  quiet->SetSilent(true);
  EXPECT_TRUE(ClickAt(50, 20));
  EXPECT_EQ(g_calls, (std::vector<int>{5}));
  EXPECT_NE(GUI_GetSounds()->GetLastPlayed(), "");
  EXPECT_TRUE(ClickAt(50, 60));
  EXPECT_EQ(g_calls, (std::vector<int>{5, 6}));
}

namespace {
// Advances the clock and runs the fader as the shell does after each frame.
void FadeFrames(int milliseconds) {
  g_now += (uint32_t)milliseconds;
  GUI_GetFader()->Draw();
}
}  // namespace

TEST_F(GuiTest, FadeFirstButtonRunsItsCallbackOnceAfterTheFade) {
  g_calls.clear();
  LogWindow* window = new LogWindow("w", Rect(0, 0, 400, 400));
  GUI_ButtonText* button = MakeButton(window, Rect(10, 10, 150, 34), Record, 9);
  button->SetFadeFirst();

  EXPECT_TRUE(ClickAt(50, 20));
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(GUI_GetFader()->GetType(), GUI_ScreenFader::TYPE_FADEOUT);
  EXPECT_TRUE(GetInput()->IsIgnoringClicks());

  FadeFrames(100);
  EXPECT_TRUE(g_calls.empty());
  // Half-way the veil is about two thirds black.
  const DrawRecord* veil = D3DEngine::GetRecorder().Last(DrawKind::Fill);
  ASSERT_NE(veil, nullptr);
  EXPECT_NEAR(veil->a(), 170, 1);
  EXPECT_EQ(veil->Width(), 1024);

  FadeFrames(50);  // 150 ms: the last, fully black frame, then the callback
  EXPECT_EQ(g_calls, (std::vector<int>{9}));
  EXPECT_EQ(D3DEngine::GetRecorder().Last(DrawKind::Fill)->a(), 255);
  EXPECT_FALSE(GetInput()->IsIgnoringClicks());
  EXPECT_EQ(GUI_GetFader()->GetType(), GUI_ScreenFader::TYPE_NONE);
  FadeFrames(200);
  EXPECT_EQ(g_calls, (std::vector<int>{9}));
}

TEST_F(GuiTest, ReplacedFadeOutStillRunsItsCallbackOnce) {
  // A table of what replaces the running fade-out half-way: a fade-in, or another fade-out.
  struct Case {
    bool replaceWithFadeOut;
    std::vector<int> expected;
  };
  for (const Case& c : {Case{false, {1}}, Case{true, {1, 2}}}) {
    g_calls.clear();
    GUI_ScreenFader* fader = GUI_GetFader();
    fader->FadeOut(Record, 1);
    FadeFrames(75);
    if (c.replaceWithFadeOut) {
      fader->FadeOut(Record, 2);
    } else {
      fader->FadeIn();
    }
    EXPECT_EQ(fader->PendingCallbacks(), c.expected.size());
    FadeFrames(100);
    EXPECT_TRUE(g_calls.empty()) << "a callback ran before its fade ended";
    FadeFrames(50);
    EXPECT_EQ(g_calls, c.expected);
    FadeFrames(200);
    EXPECT_EQ(g_calls, c.expected);
    EXPECT_FALSE(GetInput()->IsIgnoringClicks());
  }
}

TEST_F(GuiTest, CheckBoxTogglesOnlyFromItsBox) {
  g_calls.clear();
  LogWindow* window = new LogWindow("w", Rect(0, 0, 600, 400));
  GUI_CheckButton* box = new GUI_CheckButton("Autosave", Record, 4);
  box->SetPosition(100, 100, 400, 136);
  window->AddButton(box);

  EXPECT_TRUE(ClickAt(300, 118));  // on the label: caught by the window, the box untouched
  EXPECT_FALSE(box->IsChecked());
  EXPECT_TRUE(g_calls.empty());
  EXPECT_TRUE(ClickAt(118, 118));
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(g_calls, (std::vector<int>{4}));

  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  window->Draw();
  const DrawRecord* tick = rec.FindTexture("checkbox_checked.png");
  ASSERT_NE(tick, nullptr) << rec.Dump();
  EXPECT_EQ(tick->left, 100);
  EXPECT_EQ(tick->top, 100);
  EXPECT_EQ(tick->Width(), 36);
  EXPECT_TRUE(rec.HasText("Autosave"));

  // A disabled box keeps its tick.
  box->SetEnabled(false);
  EXPECT_TRUE(ClickAt(118, 118));
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(g_calls.size(), 1u);
}

namespace {
int g_changes = 0;
void Changed() { ++g_changes; }
}  // namespace

TEST_F(GuiTest, SliderDraggedPastItsEndsStoresExactlyZeroOrOne) {
  g_changes = 0;
  float volume = 0.5f;
  GUI_SliderControl slider(&volume, "CONFIRM_OK", Changed);
  slider.SetPosition(100, 100, 400, 160);
  CInput* input = GetInput();

  // Grab the knob (at x 250, y 140), then drag beyond the right end.
  MoveMouse(250, 140);
  input->leftDown = true;
  slider.Draw();
  EXPECT_TRUE(slider.IsDragging());
  EXPECT_EQ(volume, 0.5f);  // the value changes from the next frame on
  MoveMouse(900, 140);
  slider.Draw();
  EXPECT_EQ(volume, 1.0f);
  MoveMouse(-50, 10);
  slider.Draw();
  EXPECT_EQ(volume, 0.0f);
  MoveMouse(175, 10);
  slider.Draw();
  EXPECT_FLOAT_EQ(volume, 0.25f);
  EXPECT_EQ(g_changes, 3);
  input->leftDown = false;
  slider.Draw();
  EXPECT_FALSE(slider.IsDragging());
  MoveMouse(300, 140);
  slider.Draw();
  EXPECT_FLOAT_EQ(volume, 0.25f);
}

namespace {
std::vector<std::string> g_confirmLog;
void Confirmed(int argument) {
  g_confirmLog.push_back("confirmed " + std::to_string(argument) +
                         (GUI_ConfirmDialog::PTheWindow ? " while open" : " after close"));
}
void ConfirmAndAskAgain(int) { GUI_ConfirmDialog::Create("Really?", "Quit", Confirmed); }
}  // namespace

TEST_F(GuiTest, ConfirmDialogRunsItsCallbackOnlyOnOk) {
  g_confirmLog.clear();
  GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::Create("Quit the game?", "Quit", Confirmed);
  EXPECT_TRUE(dialog->IsModal());
  EXPECT_EQ(dialog->GetWidth(), 370);
  EXPECT_EQ(dialog->GetRect()->left, (1024 - 370) / 2);
  EXPECT_EQ(dialog->GetOkButton()->GetText(), "OK");
  EXPECT_EQ(dialog->GetCancelButton()->GetText(), "Cancel");
  // The client area starts 48 below the top; the buttons sit 20 above its bottom.
  EXPECT_EQ(dialog->GetClientArea().top, dialog->GetRect()->top + 48);
  EXPECT_EQ(dialog->GetOkButton()->GetRect()->bottom, dialog->GetClientArea().bottom - 20);

  // Cancel, the close button and Escape close without the callback.
  const GUI_ButtonBase* cancel = dialog->GetCancelButton();
  EXPECT_TRUE(ClickAt(cancel->GetCenterX(), cancel->GetCenterY()));
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  dialog = GUI_ConfirmDialog::Create("Quit the game?", "Quit", Confirmed);
  dialog->Draw();  // places the close button
  const GUI_ButtonBase* close = dialog->GetCloseButton();
  EXPECT_TRUE(ClickAt(close->GetCenterX(), close->GetCenterY()));
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  GUI_ConfirmDialog::Create("Quit the game?", "Quit", Confirmed);
  GUI_GetWindowManager()->HandleEscapeKey();
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_TRUE(g_confirmLog.empty());

  // A second question replaces the first without its callback; OK runs it with 0, then closes.
  GUI_ConfirmDialog::Create("First?", "Quit", Confirmed);
  dialog = GUI_ConfirmDialog::Create("Second?", "Quit", Confirmed);
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().size(), 1u);
  const GUI_ButtonBase* ok = dialog->GetOkButton();
  EXPECT_TRUE(ClickAt(ok->GetCenterX(), ok->GetCenterY()));
  EXPECT_EQ(g_confirmLog, (std::vector<std::string>{"confirmed 0 while open"}));
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_GetWindowManager()->GetModals().empty());

  // A callback that asks a new question keeps that question open.
  dialog = GUI_ConfirmDialog::Create("Sure?", "Quit", ConfirmAndAskAgain);
  ok = dialog->GetOkButton();
  EXPECT_TRUE(ClickAt(ok->GetCenterX(), ok->GetCenterY()));
  ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
  EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetText(), "Really?");
}
