#include "winmain.h"

#include <SDL.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "Game.h"
#include "KeyMap.h"
#include "SystemPointer.h"

bool BActive = false;
void* gWnd = nullptr;
void* gInstance = nullptr;
bool canGoWindowed = true;

namespace {

constexpr double FRAMEMS = 1000.0 / 30.0;
bool g_quitLoop = false;
volatile std::sig_atomic_t g_quitSignal = 0;

// SIGTERM and SIGINT: the frame loop ends the game as a normal quit does. SA_RESETHAND leaves a
// second signal its default effect, so a game that hangs can still be stopped.
extern "C" void OnQuitSignal(int number) { g_quitSignal = number; }

void InstallQuitSignals() {
  struct sigaction action = {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// Between frames, so nothing is half done: released, options written and the log closed, as when
// the player quits from the menu.
bool QuitOnSignal() {
  if (!g_quitSignal) return false;
  GetDebug()->DebugOut(GFormat("Quitting on signal %d", int(g_quitSignal)).c_str());
  BActive = false;
  GetGame()->ReleaseResources();
  return true;
}

double NowMs() { return (double)SDL_GetPerformanceCounter() * 1000.0 / (double)SDL_GetPerformanceFrequency(); }

// The system's button state, so that a release outside the window is seen.
uint32_t PollButtons() {
  uint32_t sdl = SDL_GetGlobalMouseState(nullptr, nullptr);
  uint32_t state = 0;
  if (sdl & SDL_BUTTON_LMASK) state |= 1u;
  if (sdl & SDL_BUTTON_RMASK) state |= 2u;
  return state;
}

void MouseTo(int windowX, int windowY) {
  float x = 0.0f, y = 0.0f;
  GetD3DEngine()->WindowToScreen((float)windowX, (float)windowY, &x, &y);
  GetInput()->OnMouseMove(x, y);
}

void HandleEvent(const SDL_Event& event) {
  CInput* input = GetInput();
  switch (event.type) {
    case SDL_QUIT:
      // The platform's quit request is the player pressing Escape: the current mode decides.
      input->OnKeyPressed(53);
      break;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          GetD3DEngine()->RedrawNextFrame();
          ApplicationActivated();
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          ApplicationDeactivated();
          break;
        // The window's contents may be gone or the picture stretched: the next frame is drawn
        // even if nothing in it changed.
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
          GetD3DEngine()->RedrawNextFrame();
          break;
        default:
          break;
      }
      break;
    case SDL_KEYDOWN:
      if (!event.key.repeat) {
        int key = MacKeyFromScancode(event.key.keysym.scancode);
        if (key >= 0) input->OnKeyDown((unsigned)key);
      }
      break;
    case SDL_KEYUP: {
      int key = MacKeyFromScancode(event.key.keysym.scancode);
      if (key >= 0) input->OnKeyUp((unsigned)key);
      break;
    }
    case SDL_MOUSEMOTION:
      MouseTo(event.motion.x, event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      MouseTo(event.button.x, event.button.y);
      bool down = event.type == SDL_MOUSEBUTTONDOWN;
      if (event.button.button == SDL_BUTTON_LEFT) input->OnLeftButton(down);
      if (event.button.button == SDL_BUTTON_RIGHT) input->OnRightButton(down);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int steps = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
      if (steps != 0) input->OnWheel(steps);
      break;
    }
    default:
      break;
  }
}

// In full screen the game draws its own cursor; in a window the system's pointer shows unless a
// screen has hidden it.
void UpdateSystemCursor() { ApplySystemPointer(GetD3DEngine()->GetIsWindowed()); }

// The frame loop: one frame every 1/30 s on this thread, sleeping in between (waiting for events
// while there is time, so input is taken as it comes).
void RunWindowedLoop() {
  double next = NowMs();
  while (!g_quitLoop) {
    if (QuitOnSignal()) break;
    double wait = next - NowMs();
    SDL_Event event;
    if (wait > 1.0 ? SDL_WaitEventTimeout(&event, (int)wait) : SDL_PollEvent(&event)) {
      HandleEvent(event);
      while (SDL_PollEvent(&event)) HandleEvent(event);
    }
    double now = NowMs();
    if (now < next) continue;
    if (BActive) {
      UpdateSystemCursor();
      GetGame()->GameProc();
    }
    next += FRAMEMS;
    // After a stall (a long load, a modal alert) start afresh rather than racing to catch up.
    if (next < now) next = now + FRAMEMS;
  }
}

// Without a window the frames are only paced: nothing comes from outside, the game ends itself.
void RunHeadlessLoop() {
  auto next = std::chrono::steady_clock::now();
  const auto frame = std::chrono::microseconds((long long)(FRAMEMS * 1000.0));
  while (!g_quitLoop) {
    if (QuitOnSignal()) break;
    if (BActive) GetGame()->GameProc();
    next += frame;
    std::this_thread::sleep_until(next);
  }
}

SDL_Window* CreateMainWindow(const char* title) {
  // Created at the game's size; the renderer sizes and places it for window or full screen.
  SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
  if (!window) {
    GetDebug()->DebugOut(GFormat("SDL_CreateWindow: %s", SDL_GetError()).c_str());
    WindowsError("CreateMainWindow");
  }
  return window;
}

}  // namespace

void ApplicationActivated() {
  if (BActive || g_quitLoop || !GetGame()->IsInitialised()) return;
  BActive = true;
  GetGame()->Resume();
}

void ApplicationDeactivated() {
  if (!BActive) return;
  // Only the frames stop: the music plays on and the mode stays active, so coming back needs no
  // more than Resume's volume refresh and re-activation.
  BActive = false;
  // No key-up or button-up will reach us while we are in the background.
  GetInput()->ReleaseAll();
}

bool PreFlightCheck() { return true; }

void QuitEventLoop() { g_quitLoop = true; }

void RestoreD3D() { GetGame()->RebuildSurfaces(); }

int WinMain(void* instance, void*, const char*, int) {
  if (!PreFlightCheck()) return 1;
  gInstance = instance;
  bool headless = IsHeadless();
  SDL_Window* window = nullptr;
  if (!headless) {
    // SDL would turn the signals into its quit event, which the game takes for Escape.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
      GetDebug()->DebugOut(GFormat("SDL_Init: %s", SDL_GetError()).c_str());
      WindowsError("SDL_Init");
    }
    D3DEngine::SetGLAttributes();
    window = CreateMainWindow("Vorla 2");
    SDL_RaiseWindow(window);
    gWnd = window;
    CBaseInputManager::SetButtonPoller(PollButtons);
    GetD3DEngine()->SetSkipUnchangedFrames(!DrawsEveryFrame());
  }
  InstallQuitSignals();

  GetGame();
  BActive = GetGame()->InitApp();
  if (BActive) {
    if (headless) {
      RunHeadlessLoop();
    } else {
      RunWindowedLoop();
    }
  }

  if (window) {
    CBaseInputManager::SetButtonPoller(nullptr);
    SDL_DestroyWindow(window);
    gWnd = nullptr;
    SDL_Quit();
  }
  return 0;
}
