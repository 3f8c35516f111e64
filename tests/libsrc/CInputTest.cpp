// The input manager: button edges and the double-click window, one delivery per key press with a
// separate held state, right clicks and the wheel, and the key tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CInput.h"
#include "KeyMap.h"

namespace {

uint32_t g_now = 10000;
uint32_t FakeClock() { return g_now; }

uint32_t g_buttons = 0;
uint32_t FakeButtons() { return g_buttons; }

std::vector<std::string> g_events;

CInputRoutes RecordingRoutes() {
  CInputRoutes routes;
  routes.checkClick = [] { g_events.push_back("click"); };
  routes.checkRightClick = [] { g_events.push_back("right"); };
  routes.mouseWheelUp = [] { g_events.push_back("wheel up"); };
  routes.mouseWheelDown = [] { g_events.push_back("wheel down"); };
  routes.handleKey = [](unsigned key) { g_events.push_back("key " + std::to_string(key)); };
  routes.leftMouseUp = [] { g_events.push_back("up"); };
  return routes;
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_now = 10000;
    g_buttons = 0;
    g_events.clear();
    CBaseInputManager::SetClock(FakeClock);
    CBaseInputManager::SetButtonPoller(nullptr);
    input.SetRoutes(RecordingRoutes());
    input.Initialise(nullptr, nullptr);
  }
  void TearDown() override {
    CBaseInputManager::SetClock(nullptr);
    CBaseInputManager::SetButtonPoller(nullptr);
  }

  // A whole click at a point: press in one pass, release in the next.
  void ClickAt(float x, float y) {
    input.OnMouseMove(x, y);
    input.OnLeftButton(true);
    input.Process();
    input.OnLeftButton(false);
    input.Process();
  }

  CInput input;
};

TEST_F(InputTest, DoubleClickNeedsLessThan500MsAndLessThan32Pixels) {
  struct Case {
    uint32_t gap;
    float dx;
    bool doubleClick;
  };
  const Case cases[] = {{499, 31.0f, true}, {500, 0.0f, false}, {0, 32.0f, false}, {499, 0.0f, true}};
  for (const Case& c : cases) {
    ClickAt(300.0f, 200.0f);
    g_now += c.gap;
    ClickAt(300.0f + c.dx, 200.0f);
    EXPECT_EQ(input.IsDoubleClick(), c.doubleClick) << "gap " << c.gap << " ms, distance " << c.dx;
    g_now += 5000;  // well apart from the next case
  }
}

TEST_F(InputTest, PressAndReleaseAreDispatchedOncePerEdge) {
  input.OnMouseMove(50.0f, 60.0f);
  input.OnLeftButton(true);
  input.Process();
  input.Process();  // still held: no new press
  EXPECT_TRUE(input.leftDown);
  input.OnLeftButton(false);
  input.Process();
  EXPECT_FALSE(input.leftDown);
  EXPECT_EQ(g_events, (std::vector<std::string>{"click", "up"}));
}

TEST_F(InputTest, AQuickClickBetweenTwoPassesIsDownForOnePassThenUp) {
  input.OnLeftButton(true);
  input.OnLeftButton(false);
  input.Process();
  EXPECT_TRUE(input.leftDown);
  EXPECT_EQ(g_events, (std::vector<std::string>{"click"}));
  input.Process();
  EXPECT_FALSE(input.leftDown);
  EXPECT_EQ(g_events, (std::vector<std::string>{"click", "up"}));
}

TEST_F(InputTest, AReleaseOutsideTheWindowIsSeenByPolling) {
  CBaseInputManager::SetButtonPoller(FakeButtons);
  g_buttons = 1;
  input.OnLeftButton(true);
  input.Process();
  EXPECT_TRUE(input.leftDown);
  g_buttons = 0;  // let go outside: no event reaches the window
  input.Process();
  EXPECT_FALSE(input.leftDown);
  EXPECT_EQ(g_events, (std::vector<std::string>{"click", "up"}));
}

TEST_F(InputTest, AHeldKeyIsDeliveredOnceAndAgainAfterItsRelease) {
  input.OnKeyDown(53);
  input.Process();
  input.Process();
  input.Process();
  EXPECT_EQ(g_events, (std::vector<std::string>{"key 53"}));
  EXPECT_TRUE(input.KeyDown(53));
  input.OnKeyUp(53);
  input.Process();
  EXPECT_FALSE(input.KeyDown(53));
  input.OnKeyDown(53);
  input.Process();
  EXPECT_EQ(g_events, (std::vector<std::string>{"key 53", "key 53"}));
}

TEST_F(InputTest, PressesAreFlagsDeliveredInKeyOrderEvenWhenReleasedBeforeThePass) {
  // Typed faster than a frame: the press is still delivered; two presses of one key are one.
  input.OnKeyDown(36);
  input.OnKeyUp(36);
  input.OnKeyDown(12);
  input.OnKeyUp(12);
  input.OnKeyDown(12);
  input.OnKeyUp(12);
  input.Process();
  EXPECT_EQ(g_events, (std::vector<std::string>{"key 12", "key 36"}));
}

TEST_F(InputTest, HeldModifiersStayDownWhileTheirPressIsConsumed) {
  input.OnKeyDown(56);  // Shift
  input.OnKeyDown(55);  // Command
  input.Process();
  input.OnKeyDown(36);
  input.Process();
  EXPECT_TRUE(input.IsShiftDown());
  EXPECT_TRUE(input.KeyDown(55));
  input.OnKeyUp(56);
  input.Process();
  EXPECT_FALSE(input.IsShiftDown());
  input.OnKeyDown(60);  // right Shift
  EXPECT_TRUE(input.IsShiftDown());
  input.ReleaseAll();
  EXPECT_FALSE(input.IsShiftDown());
  EXPECT_FALSE(input.KeyDown(55));
}

TEST_F(InputTest, AModifierTypedTogetherWithAKeyIsHeldWhenTheKeyArrives) {
  // Command+Return typed in one burst, or with the release of Command just before the pass.
  bool commandHeld = false;
  static bool* seen = nullptr;
  seen = &commandHeld;
  static CInput* self = nullptr;
  self = &input;
  CInputRoutes routes;
  routes.handleKey = [](unsigned key) {
    if (key == 36) *seen = self->KeyDown(55);
  };
  input.SetRoutes(routes);
  input.OnKeyDown(55);
  input.OnKeyDown(36);
  input.OnKeyUp(36);
  input.OnKeyUp(55);
  input.Process();
  EXPECT_TRUE(commandHeld);
  EXPECT_FALSE(input.KeyDown(55));  // released at the end of that pass

  commandHeld = false;
  input.OnKeyDown(55);
  input.Process();
  input.OnKeyDown(36);
  input.OnKeyUp(36);
  input.OnKeyUp(55);
  input.Process();
  EXPECT_TRUE(commandHeld);
}

TEST_F(InputTest, TheQuitRequestArrivesAsAnEscapePressWithNothingHeld) {
  input.OnKeyPressed(53);
  EXPECT_FALSE(input.KeyDown(53));
  input.Process();
  EXPECT_EQ(g_events, (std::vector<std::string>{"key 53"}));
}

TEST_F(InputTest, RightClicksAndTheWheelReachTheGame) {
  input.OnRightButton(true);
  input.Process();
  input.Process();
  input.OnRightButton(false);
  input.Process();
  input.OnWheel(2);
  input.OnWheel(-3);
  input.Process();
  input.OnWheel(1);
  input.Process();
  EXPECT_EQ(g_events, (std::vector<std::string>{"right", "wheel down", "wheel up"}));
}

TEST_F(InputTest, StillPassesCountUntilTheMouseMoves) {
  input.OnMouseMove(10.0f, 10.0f);
  input.Process();
  for (int i = 0; i < 30; ++i) input.Process();
  EXPECT_EQ(input.stillPasses, 30);
  input.OnMouseMove(11.0f, 10.0f);
  input.Process();
  EXPECT_EQ(input.stillPasses, 0);
}

TEST_F(InputTest, MouseMovesEatenHoldUntilTheEndOfTheNextPass) {
  input.EatMouseMoves(nullptr);
  EXPECT_TRUE(input.IsMouseMovesEaten());
  input.Process();
  EXPECT_FALSE(input.IsMouseMovesEaten());
}

TEST(InputTables, DikToCharTypesLowerCaseLettersDigitsAndKeypadDigits) {
  EXPECT_EQ(DikToChar(0), 'a');
  EXPECT_EQ(DikToChar(6), 'z');
  EXPECT_EQ(DikToChar(22), '6');
  EXPECT_EQ(DikToChar(23), '5');
  EXPECT_EQ(DikToChar(39), '\'');
  EXPECT_EQ(DikToChar(49), ' ');
  EXPECT_EQ(DikToChar(82), '0');
  EXPECT_EQ(DikToChar(92), '9');
  for (unsigned noCharacter : {10u, 24u, 36u, 53u, 56u, 90u, 255u}) EXPECT_EQ(DikToChar(noCharacter), 0) << noCharacter;
}

TEST(InputTables, ScancodesMapToTheMacKeyCodesTheGameTests) {
  // Scancodes are the keyboard's USB usage numbers: 4 A, 20 Q, 16 M, 34 the 5 key, 40 Return,
  // 41 Escape, 42 Backspace, 44 Space, 55 the full stop, 95 keypad 7, 224 left Ctrl, 225 left Shift,
  // 227 the left GUI key, 229 right Shift.
  EXPECT_EQ(MacKeyFromScancode(40), 36);
  EXPECT_EQ(MacKeyFromScancode(41), 53);
  EXPECT_EQ(MacKeyFromScancode(42), 51);
  EXPECT_EQ(MacKeyFromScancode(227), 55);
  EXPECT_EQ(MacKeyFromScancode(224), 55);
  EXPECT_EQ(MacKeyFromScancode(225), 56);
  EXPECT_EQ(MacKeyFromScancode(229), 60);
  EXPECT_EQ(MacKeyFromScancode(0), -1);
  // Positions agree with the text-entry table: the key in A's place types 'a', and so on.
  const struct {
    int scancode;
    char typed;
  } keys[] = {{4, 'a'}, {20, 'q'}, {16, 'm'}, {34, '5'}, {95, '7'}, {44, ' '}, {55, '.'}};
  for (const auto& k : keys) EXPECT_EQ(DikToChar((unsigned)MacKeyFromScancode(k.scancode)), k.typed) << k.scancode;
}

}  // namespace
