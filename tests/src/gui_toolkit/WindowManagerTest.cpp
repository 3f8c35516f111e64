// The window manager: z-order, modal windows, dialogs above windows, Escape, full-screen windows,
// the restart sweep, catch-clicks / bring-to-top, and deletion through a base pointer.
#include "GuiToolkitTestSupport.h"

#include <algorithm>

#include "GUI_ButtonText.h"
#include "GUI_TabContainer.h"
#include "GUI_WindowTab.h"

using namespace guitest;

namespace {
int g_clicks = 0;
int g_lastArgument = -1;
void CountClick(int argument) {
  ++g_clicks;
  g_lastArgument = argument;
}

GUI_ButtonText* AddCountingButton(GUI_WindowBase* window, RECT r, int argument) {
  GUI_ButtonText* b = new GUI_ButtonText("CONFIRM_OK", CountClick, argument);
  b->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
  window->AddButton(b);
  return b;
}

std::vector<std::string> Draws() {
  std::vector<std::string> out;
  for (const std::string& s : Log())
    if (s.rfind("draw ", 0) == 0) out.push_back(s.substr(5));
  return out;
}
}  // namespace

TEST_F(GuiTest, ModalWindowSwallowsClicksAndHoverOutsideIt) {
  g_clicks = 0;
  LogWindow* below = new LogWindow("below", Rect(0, 0, 300, 300));
  GUI_ButtonText* button = AddCountingButton(below, Rect(50, 50, 200, 80), 1);
  LogWindow* modal = new LogWindow("modal", Rect(500, 400, 700, 600));
  AddCountingButton(modal, Rect(520, 420, 660, 444), 2);
  modal->SetModal(true);

  // A click on the lower window's button is taken by the manager but reaches nobody.
  EXPECT_TRUE(ClickAt(100, 60));
  EXPECT_EQ(g_clicks, 0);
  // Nor does the lower window show hover: only modal windows get the frame's input.
  MoveMouse(100, 60);
  Frame();
  EXPECT_EQ(button->GetState(), GUI_ButtonBase::GUIBUTTONSTATE_NORMAL);
  // Empty space outside every window is swallowed as well.
  EXPECT_TRUE(ClickAt(900, 50));
  // The modal window itself works.
  EXPECT_TRUE(ClickAt(560, 430));
  EXPECT_EQ(g_clicks, 1);
  EXPECT_EQ(g_lastArgument, 2);

  // Once it is no longer modal, the window below gets its clicks again.
  modal->SetModal(false);
  EXPECT_TRUE(ClickAt(100, 60));
  EXPECT_EQ(g_clicks, 2);
  EXPECT_EQ(g_lastArgument, 1);
  EXPECT_FALSE(ClickAt(900, 50));
}

TEST_F(GuiTest, ClicksRaiseCatchOrPassThrough) {
  LogWindow* a = new LogWindow("a", Rect(0, 0, 400, 400));
  LogWindow* b = new LogWindow("b", Rect(200, 200, 600, 600));
  const auto& windows = GUI_GetWindowManager()->GetWindows();
  ASSERT_EQ(windows.back(), b);

  // A click on empty space of the lower window is caught and raises it.
  EXPECT_TRUE(ClickAt(50, 50));
  EXPECT_EQ(windows.back(), a);

  // With catch clicks and bring to top cleared, clicks outside its buttons pass to the window below.
  a->SetCatchClicks(false);
  a->SetBringToTop(false);
  EXPECT_TRUE(ClickAt(300, 300));  // b takes it from under a
  EXPECT_EQ(windows.back(), b);
  EXPECT_FALSE(ClickAt(50, 50));   // nothing below a

  // Adding a listed window again does not list it twice.
  GUI_GetWindowManager()->AddWindow(a, true);
  GUI_GetWindowManager()->AddWindow(a, false);
  EXPECT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows.front(), a);
}

TEST_F(GuiTest, DialogsDrawAboveWindowsAndEscapeClosesTheTopmost) {
  new LogDialog("d1", Rect(100, 100, 400, 300));
  new LogWindow("w1", Rect(0, 0, 200, 200));
  new LogDialog("d2", Rect(150, 150, 450, 350));
  LogWindow* hidden = new LogWindow("hidden", Rect(0, 0, 10, 10));
  hidden->SetVisible(false);
  new LogWindow("w2", Rect(300, 0, 500, 200));

  GUI_GetWindowManager()->Draw();
  EXPECT_EQ(Draws(), (std::vector<std::string>{"w1", "w2", "d1", "d2"}));

  ASSERT_TRUE(GUI_GetWindowManager()->DialogActive());
  Log().clear();
  GUI_GetWindowManager()->HandleEscapeKey();
  EXPECT_EQ(Log(), (std::vector<std::string>{"delete d2"}));
  GUI_GetWindowManager()->HandleEscapeKey();
  EXPECT_EQ(Log(), (std::vector<std::string>{"delete d2", "delete d1"}));
  EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());
  GUI_GetWindowManager()->HandleEscapeKey();  // no dialog: the windows stay
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().size(), 3u);
}

TEST_F(GuiTest, OpeningAFullScreenWindowDeletesEveryDialog) {
  g_clicks = 0;
  new LogDialog("d1", Rect(100, 100, 400, 300));
  new LogDialog("d2", Rect(150, 150, 450, 350));
  new LogWindow("w", Rect(0, 0, 200, 200));
  LogWindow* screen = new LogWindow("screen", Rect(0, 0, 10, 10), false);
  Log().clear();
  screen->MakeFullScreenWindow();
  EXPECT_EQ(Log(), (std::vector<std::string>{"delete d1", "delete d2"}));
  EXPECT_EQ(screen->GetWidth(), 1024);
  EXPECT_EQ(screen->GetHeight(), 768);
  EXPECT_TRUE(GUI_GetWindowManager()->HasFullscreen());

  // The ordinary windows are not drawn while it is open; dialogs opened later are, on top.
  new LogDialog("later", Rect(300, 300, 600, 500));
  Log().clear();
  GUI_GetWindowManager()->Draw();
  EXPECT_TRUE(Draws().empty());
  EXPECT_TRUE(GUI_GetWindowManager()->DrawFullscreen());
  EXPECT_EQ(Draws(), (std::vector<std::string>{"screen", "later"}));

  // Only the dialogs and the full-screen window get clicks; empty space is still swallowed.
  AddCountingButton(screen, Rect(10, 700, 150, 724), 7);
  EXPECT_TRUE(ClickAt(100, 100));  // where the hidden ordinary window lies
  EXPECT_EQ(g_clicks, 0);
  EXPECT_TRUE(ClickAt(50, 710));
  EXPECT_EQ(g_clicks, 1);

  // Its close callback deletes it; with none left it does nothing.
  GUI_WindowManager::CloseTopFullScreen(0);
  EXPECT_FALSE(GUI_GetWindowManager()->HasFullscreen());
  GUI_WindowManager::CloseTopFullScreen(0);
}

namespace {
// A window that takes a companion window with it when it goes, as screens with side panels do.
class WindowWithCompanion : public LogWindow {
 public:
  WindowWithCompanion() : LogWindow("owner", Rect(0, 0, 50, 50)) {
    m_companion = new LogWindow("companion", Rect(60, 0, 100, 50));
  }
  ~WindowWithCompanion() override { delete m_companion; }

 private:
  GUI_WindowBase* m_companion;
};
}  // namespace

TEST_F(GuiTest, RestartSweepKeepsOnlyTheWindowsThatAskToStay) {
  LogWindow* panel = new LogWindow("panel", Rect(0, 700, 1024, 768));
  panel->SetCloseOnRestart(false);
  new WindowWithCompanion;
  LogWindow* child = new LogWindow("child", Rect(10, 710, 40, 740), false);
  panel->AddChild(child);
  LogWindow* screen = new LogWindow("screen", Rect(0, 0, 10, 10), false);
  screen->MakeFullScreenWindow();
  LogWindow* keptScreen = new LogWindow("kept screen", Rect(0, 0, 10, 10), false);
  keptScreen->SetCloseOnRestart(false);
  keptScreen->MakeFullScreenWindow();
  new LogDialog("dialog", Rect(100, 100, 400, 300));  // over the full-screen windows

  Log().clear();
  GUI_GetWindowManager()->CloseOnRestart();
  const auto& windows = GUI_GetWindowManager()->GetWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows.front(), panel);
  EXPECT_EQ(panel->GetChildren().size(), 1u);
  ASSERT_EQ(GUI_GetWindowManager()->GetFullscreens().size(), 1u);
  EXPECT_EQ(GUI_GetWindowManager()->GetFullscreens().front(), keptScreen);
  // Every other window went exactly once, the companion through its owner's destructor.
  std::vector<std::string> deleted = Log();
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(deleted, (std::vector<std::string>{"delete companion", "delete dialog", "delete owner", "delete screen"}));
}

namespace {
bool g_derivedDestructorRan = false;
class PanelWithState : public GUI_WindowBase {
 public:
  PanelWithState() {
    SetPosition(0, 0, 100, 100);
    AddToGUI();
    SetModal(true);
    MakeFullScreenWindow();
  }
  ~PanelWithState() override { g_derivedDestructorRan = true; }
};
}  // namespace

TEST_F(GuiTest, DeletingAWindowThroughABasePointerLeavesEveryList) {
  g_derivedDestructorRan = false;
  LogWindow* parent = new LogWindow("parent", Rect(0, 0, 500, 500));
  PanelWithState* panel = new PanelWithState;
  GUI_BaseElement* element = panel;
  parent->AddChild(panel);
  GUI_WindowManager* manager = GUI_GetWindowManager();
  ASSERT_EQ(manager->GetModals().size(), 1u);

  delete element;  // as the named-object registry and scripts do
  EXPECT_TRUE(g_derivedDestructorRan);
  EXPECT_FALSE(manager->IsRegistered(panel));  // the address only is compared
  EXPECT_TRUE(manager->GetModals().empty());
  EXPECT_TRUE(manager->GetFullscreens().empty());
  EXPECT_TRUE(parent->GetChildren().empty());
  // The manager goes on working with what is left.
  Log().clear();
  manager->Draw();
  EXPECT_EQ(Draws(), (std::vector<std::string>{"parent"}));
}

TEST_F(GuiTest, TabContainerShowsAndClicksOnlyItsActiveTab) {
  g_clicks = 0;
  LogWindow* screen = new LogWindow("screen", Rect(0, 0, 600, 500));
  GUI_TabContainer* tabs = new GUI_TabContainer;
  tabs->SetPosition(100, 100, 401, 301);  // odd width and height
  screen->AddChild(tabs);
  GUI_WindowTab* first = new GUI_WindowTab;
  GUI_WindowTab* second = new GUI_WindowTab;
  tabs->AddTab(first);
  tabs->AddTab(second);
  AddCountingButton(second, Rect(150, 150, 300, 174), 3);
  EXPECT_EQ(second->GetIndex(), 1);

  // No tab active: nothing but the container's buttons is drawn, and no click is taken by it.
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  tabs->Draw();
  EXPECT_EQ(rec.Count(DrawKind::Quad), 0);
  EXPECT_FALSE(tabs->CheckClick(200, 160));

  tabs->ActivateTab(1);
  EXPECT_FALSE(first->IsVisible());
  EXPECT_TRUE(second->IsVisible());
  rec.Clear();
  tabs->Draw();
  // The odd-sized page is drawn one pixel wider and taller.
  EXPECT_EQ(second->GetRect()->right, 402);
  EXPECT_EQ(second->GetRect()->bottom, 302);
  EXPECT_GT(rec.Count(DrawKind::Quad), 0);
  MoveMouse(200, 160);
  EXPECT_TRUE(tabs->CheckClick(200, 160));
  EXPECT_EQ(g_clicks, 1);
  tabs->ActivateTab(5);  // a missing index leaves every tab inactive
  EXPECT_FALSE(second->IsVisible());
}
