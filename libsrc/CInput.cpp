#include "CInput.h"

#include "StringUtils.h"
#include "Timing.h"

namespace {
uint32_t (*g_buttonPoller)() = nullptr;
uint32_t (*g_clock)() = timeGetTime;
CInput* g_input = nullptr;
}  // namespace

void CBaseInputManager::SetButtonPoller(uint32_t (*poller)()) { g_buttonPoller = poller; }
void CBaseInputManager::SetClock(uint32_t (*clock)()) { g_clock = clock ? clock : timeGetTime; }

CBaseInputManager::CBaseInputManager() {
  m_lastClickMs = g_clock();
  lastClickTime = (float)m_lastClickMs;
}

void CBaseInputManager::Initialise(void*, void* aWindow) {
  window = aWindow;
  doubleClick = false;
  doubleClickInterval = 500.0f;
  m_lastClickMs = g_clock();
  lastClickTime = (float)m_lastClickMs;
}

bool CBaseInputManager::KeyDown(unsigned key) const { return key < KEYCOUNT && m_held[key]; }

void CBaseInputManager::OnKeyDown(unsigned key) {
  if (key >= KEYCOUNT) return;
  keyFlags[key] = true;
  m_held[key] = true;
  m_releasePending[key] = false;
}

void CBaseInputManager::OnKeyUp(unsigned key) {
  // The press flag stays: a key pressed and released between two passes is still delivered once.
  // The key stays held until the end of the next pass.
  if (key < KEYCOUNT && m_held[key]) m_releasePending[key] = true;
}

void CBaseInputManager::OnKeyPressed(unsigned key) {
  if (key < KEYCOUNT) keyFlags[key] = true;
}

void CBaseInputManager::OnMouseMove(float x, float y) {
  mouseX = x;
  mouseY = y;
}

void CBaseInputManager::OnLeftButton(bool down) {
  rawLeft = down;
  if (down) m_leftLatched = true;
}

void CBaseInputManager::OnRightButton(bool down) {
  m_rawRight = down;
  if (down) m_rightLatched = true;
}

void CBaseInputManager::OnWheel(int steps) { m_wheelSteps += steps; }

void CBaseInputManager::ReleaseAll() {
  for (bool& held : m_held) held = false;
  for (bool& pending : m_releasePending) pending = false;
  rawLeft = false;
  m_rawRight = false;
}

void CBaseInputManager::PollButtons() {
  // The poll can only let go of a button: a press belongs to the window that saw it, and a click
  // on the title bar or on another window must not reach the game.
  if (!g_buttonPoller) return;
  uint32_t state = g_buttonPoller();
  if (!(state & 1u)) rawLeft = false;
  if (!(state & 2u)) m_rawRight = false;
}

void CBaseInputManager::ButtonEdges() {
  // A press that came and went between two passes counts as down for the whole pass it is seen
  // in, and is released at the next.
  bool left = rawLeft || m_leftThisPass;
  if (left && !leftDown) {
    LeftMouseDown();
  } else if (!left && leftDown) {
    LeftMouseUp();
  }
  bool right = m_rawRight || m_rightThisPass;
  if (right && !m_rightDown) {
    m_rightDown = true;
    RightMouseDown();
  } else if (!right && m_rightDown) {
    m_rightDown = false;
    RightMouseUp();
  }
}

void CBaseInputManager::Process() {
  if (mouseX == prevMouseX && mouseY == prevMouseY) {
    ++stillPasses;
  } else {
    stillPasses = 0;
  }
  prevMouseX = mouseX;
  prevMouseY = mouseY;

  PollButtons();
  m_leftThisPass = m_leftLatched;
  m_leftLatched = false;
  m_rightThisPass = m_rightLatched;
  m_rightLatched = false;
  ButtonEdges();

  for (unsigned code = 0; code < 255; ++code) {
    if (keyFlags[code]) {
      keyFlags[code] = false;
      ProcessKey(code);
    }
  }

  // The wheel, a notch per call; a burst larger than this in one frame is a spin, not a request.
  constexpr int MAXNOTCHES = 10;
  int steps = m_wheelSteps;
  m_wheelSteps = 0;
  if (steps > MAXNOTCHES) steps = MAXNOTCHES;
  if (steps < -MAXNOTCHES) steps = -MAXNOTCHES;
  for (; steps > 0; --steps) MouseWheelUp();
  for (; steps < 0; ++steps) MouseWheelDown();

  for (unsigned code = 0; code < KEYCOUNT; ++code) {
    if (m_releasePending[code]) {
      m_releasePending[code] = false;
      m_held[code] = false;
    }
  }
}

void CBaseInputManager::LeftMouseDown() {
  leftDown = true;
  uint32_t now = g_clock();
  uint32_t elapsed = now - m_lastClickMs;
  m_lastClickMs = now;
  lastClickTime = (float)now;
  doubleClick = (float)elapsed < doubleClickInterval &&
                GetDist(lastClickX, lastClickY, mouseX, mouseY) < 32.0f;
  lastClickX = mouseX;
  lastClickY = mouseY;
}

void CBaseInputManager::LeftMouseUp() { leftDown = false; }

// ---------------------------------------------------------------------------------------------

CInput* GetInput() {
  if (!g_input) g_input = new CInput;
  return g_input;
}

void CInput::Process() {
  CBaseInputManager::Process();
  ButtonEdges();  // once more: fires only when dispatch changed the state
  m_mouseMovesEaten = false;
}

void CInput::LeftMouseDown() {
  CBaseInputManager::LeftMouseDown();
  if (m_routes.checkClick) m_routes.checkClick();
}

void CInput::LeftMouseUp() {
  if (m_routes.leftMouseUp) m_routes.leftMouseUp();
  CBaseInputManager::LeftMouseUp();
}

void CInput::RightMouseDown() {
  if (m_routes.checkRightClick) m_routes.checkRightClick();
}

void CInput::MouseWheelUp() {
  if (m_routes.mouseWheelUp) m_routes.mouseWheelUp();
}

void CInput::MouseWheelDown() {
  if (m_routes.mouseWheelDown) m_routes.mouseWheelDown();
}

void CInput::ProcessKey(unsigned key) {
  if (m_routes.handleKey) m_routes.handleKey(key);
}

// ---------------------------------------------------------------------------------------------

char DikToChar(unsigned key) {
  switch (key) {
    case 0: return 'a';
    case 1: return 's';
    case 2: return 'd';
    case 3: return 'f';
    case 4: return 'h';
    case 5: return 'g';
    case 6: return 'z';
    case 7: return 'x';
    case 8: return 'c';
    case 9: return 'v';
    case 11: return 'b';
    case 12: return 'q';
    case 13: return 'w';
    case 14: return 'e';
    case 15: return 'r';
    case 16: return 'y';
    case 17: return 't';
    case 18: return '1';
    case 19: return '2';
    case 20: return '3';
    case 21: return '4';
    case 22: return '6';
    case 23: return '5';
    case 25: return '9';
    case 26: return '7';
    case 27: return '-';
    case 28: return '8';
    case 29: return '0';
    case 31: return 'o';
    case 32: return 'u';
    case 34: return 'i';
    case 35: return 'p';
    case 37: return 'l';
    case 38: return 'j';
    case 39: return '\'';
    case 40: return 'k';
    case 43: return ',';
    case 45: return 'n';
    case 46: return 'm';
    case 47: return '.';
    case 49: return ' ';
    case 82: return '0';
    case 83: return '1';
    case 84: return '2';
    case 85: return '3';
    case 86: return '4';
    case 87: return '5';
    case 88: return '6';
    case 89: return '7';
    case 91: return '8';
    case 92: return '9';
    default: return 0;
  }
}
