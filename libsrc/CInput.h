#pragma once
// The input manager: turns the window's raw mouse and keyboard events into what the game modes
// consume: a mouse position, a left button with clean press and release edges, a double-click
// flag, a count of passes the mouse has rested, and one delivery per key press.
//
// Key codes are Mac virtual key codes throughout (36 Return, 53 Escape, 55 Command, 56 and 60
// Shift). The window's event pump writes raw state through the On... calls between frames; the
// shell runs Process() once a frame, which dispatches edges and presses.
//
// Two kinds of key state are kept: the press flags (set on key down, cleared when the press is
// delivered, so each press reaches the game once even when the key is released before the next
// pass) and the held state, which KeyDown and IsShiftDown answer: a key counts as held from its
// key down until the end of the pass that follows its key up, so a modifier typed together with a
// key (Command+Return in one burst of events) is still held when that key is delivered.
#include <cstdint>

class GUI_WindowBase;

// Where CInput sends what it dispatches. The engine knows nothing of the game: the shell fills
// these in. An unset route drops the event.
struct CInputRoutes {
  void (*checkClick)() = nullptr;
  void (*checkRightClick)() = nullptr;
  void (*mouseWheelUp)() = nullptr;
  void (*mouseWheelDown)() = nullptr;
  void (*handleKey)(unsigned key) = nullptr;
  void (*leftMouseUp)() = nullptr;  // the in-game mode drops what the mouse carries
};

struct InputPoint {
  int x = 0;
  int y = 0;
};

class CBaseInputManager {
 public:
  static constexpr int KEYCOUNT = 256;

  CBaseInputManager();
  virtual ~CBaseInputManager() = default;

  virtual void Process();
  virtual void MouseWheelUp() {}
  virtual void MouseWheelDown() {}
  virtual void LeftMouseDown();
  virtual void LeftMouseUp();
  virtual void RightMouseDown() {}
  virtual void RightMouseUp() {}
  virtual void ProcessKey(unsigned) {}

  // The instance is unused on this platform; the window is only recorded.
  void Initialise(void* instance, void* window);

  bool KeyDown(unsigned key) const;  // held now
  bool IsShiftDown() const { return KeyDown(56) || KeyDown(60); }
  bool IsDoubleClick() const { return doubleClick; }
  void SetMouseSpeed(float s) { mouseSpeed = 0.6f + 2.5f * s; }
  InputPoint GetPoint() const { return InputPoint{(int)mouseX, (int)mouseY}; }
  void DirectInputError(long, const char*) {}

  // Raw events from the window's event pump.
  void OnKeyDown(unsigned key);
  void OnKeyUp(unsigned key);
  // A press with no key held behind it (the platform's quit request arrives as Escape this way).
  void OnKeyPressed(unsigned key);
  void OnMouseMove(float x, float y);
  void OnLeftButton(bool down);
  void OnRightButton(bool down);
  void OnWheel(int steps);  // positive = away from the player (up)
  // Lets go of every held key and button (the window lost the keyboard, so no key-up will come).
  void ReleaseAll();

  // The system's button state, polled once a pass so that a release outside the window is seen.
  // Bit 0 = left, bit 1 = right. Without a poller the events alone decide.
  static void SetButtonPoller(uint32_t (*poller)());
  // The millisecond clock of the double-click test (timeGetTime unless replaced, e.g. by tests).
  static void SetClock(uint32_t (*clock)());

  // The fields other readers use directly.
  float prevMouseX = 100.0f, prevMouseY = 100.0f;
  float mouseX = 100.0f, mouseY = 100.0f;  // window content coordinates of the game's screen
  bool leftDown = false;                   // as dispatched
  int stillPasses = 0;
  bool keyFlags[KEYCOUNT] = {};  // presses waiting for delivery
  bool rawLeft = false;
  float lastClickTime = 0.0f;
  bool doubleClick = false;
  float doubleClickInterval = 500.0f;
  float lastClickX = 0.0f, lastClickY = 0.0f;
  void* window = nullptr;
  float mouseSpeed = 1.0f;

 protected:
  // Dispatches the button edges: a press when the button is down and was not, a release when it
  // is up and was down.
  void ButtonEdges();

 private:
  void PollButtons();

  bool m_held[KEYCOUNT] = {};
  bool m_releasePending[KEYCOUNT] = {};
  bool m_leftLatched = false;  // a press arrived since the last pass
  bool m_leftThisPass = false;
  bool m_rawRight = false;
  bool m_rightLatched = false;
  bool m_rightThisPass = false;
  bool m_rightDown = false;
  int m_wheelSteps = 0;
  uint32_t m_lastClickMs = 0;
};

class CInput : public CBaseInputManager {
 public:
  void Process() override;
  void MouseWheelUp() override;
  void MouseWheelDown() override;
  void LeftMouseDown() override;
  void LeftMouseUp() override;
  void RightMouseDown() override;
  void ProcessKey(unsigned key) override;

  void EatMouseMoves(GUI_WindowBase*) { m_mouseMovesEaten = true; }
  bool IsMouseMovesEaten() const { return m_mouseMovesEaten; }
  void SetIgnoreClicks(bool ignore) { m_ignoreClicks = ignore; }
  bool IsIgnoringClicks() const { return m_ignoreClicks; }

  void SetRoutes(const CInputRoutes& routes) { m_routes = routes; }

 private:
  bool m_mouseMovesEaten = false;
  bool m_ignoreClicks = false;
  CInputRoutes m_routes;
};

CInput* GetInput();

// The lower-case character a key types, for the text-entry screens; 0 for a key without one.
char DikToChar(unsigned key);
