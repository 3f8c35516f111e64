// What a whole in-game frame costs through real GL (the offscreen video driver, Mesa's software
// rasteriser): the in-game screen of a new game with its HUD, ten friends' icons round the avatar,
// rain at full strength with lightning striking every second and a home as dirty as it gets, with
// a dog. Each frame is the game's own (input, the mode, the fader, the
// swap) followed by glFinish, so the driver's work is counted. 300 frames after 30 of warm-up;
// prints the median and the 95th centile. Goal: a median of 5 ms or less.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "BenchSupport.h"
#include "D3DEngine.h"
#include "GUI_Avatar.h"
#include "GUI_Dirt.h"
#include "GUI_Lightning.h"
#include "GUI_MenuIntro.h"
#include "GUI_MenuNew.h"
#include "GUI_NPCIcon.h"
#include "HeadlessPlayer.h"
#include "Game.h"
#include "Paths.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"
#include "winmain.h"

extern "C" void glFinish(void);

int main() {
  const std::string root = bench::MakeGameWorld();
  unsetenv("VORLA2_HEADLESS");
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SceneFrameBench: no video (%s)\n", SDL_GetError());
    return 1;
  }
  D3DEngine::SetGLAttributes();
  SDL_Window* window = SDL_CreateWindow("Vorla 2 frame bench", 0, 0, 1024, 768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!window) {
    std::fprintf(stderr, "SceneFrameBench: no window (%s)\n", SDL_GetError());
    return 1;
  }
  gWnd = window;
  GetD3DEngine()->SetSkipUnchangedFrames(false);  // every frame drawn, as with the scene moving
  BActive = GetGame()->InitApp();

  // A new game as a player starts one: the offered figure and names, the intro's Start.
  GUI_GetAvatar()->Init();
  GUI_MenuNew::Get()->Reset();
  GUI_MenuNew::Start(0);
  GUI_MenuIntro::Start(0);
  HeadlessPlayer::PlayToEndOfDay(true);  // the day's pages pressed: the town in the evening
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_RAIN);
  SIM_GetWeather()->ForceIntensity(SIM_Weather::WEATHER_RAIN, 1.0f);
  SIM_NamedValueList::ForceGlobal("glob_dirt", 1.0f);
  SIM_NamedValueList::ForceGlobal("dog", 1.0f);
  GUI_GetDirt()->Process();
  bench::BefriendUpTo(10);
  GUI_NPCIcon::PositionAll();

  constexpr int kWarmUp = 30, kMeasured = 300;
  std::vector<double> ms;
  ms.reserve(kMeasured);
  for (int frame = 0; frame < kWarmUp + kMeasured; ++frame) {
    if (frame % 30 == 0) GUI_GetLightning()->PrepareNextStrike();
    const auto start = std::chrono::steady_clock::now();
    GetGame()->GameProc();
    glFinish();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (frame >= kWarmUp) ms.push_back(took.count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("in-game frame, rain %.2f with lightning, mess 1.0, ten friends: median %.2f ms, 95th centile %.2f ms (%d frames)\n",
              double(SIM_GetWeather()->GetIntensity(SIM_Weather::WEATHER_RAIN)), ms[ms.size() / 2],
              ms[ms.size() * 95 / 100], kMeasured);

  SDL_DestroyWindow(window);
  gWnd = nullptr;
  SDL_Quit();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return 0;
}
