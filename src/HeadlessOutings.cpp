#include "HeadlessOutings.h"

#include <cstdint>
#include <cstdlib>

#include "GDebug.h"
#include "HeadlessCinema.h"
#include "GRandom.h"
#include "GTimer.h"
#include "GUI_BeerPostMortem.h"
#include "GUI_GUI.h"
#include "GUI_Gambling.h"
#include "GUI_GamblingWheel.h"
#include "GUI_IconButton.h"
#include "GUI_PostMortem.h"
#include "HeadlessRestaurants.h"
#include "SIM_BowlingTeam.h"
#include "SIM_OutingInstances.h"
#include "SIM_SocialiseType.h"
#include "Timing.h"

namespace {

uint32_t g_machineClock = 0;
uint32_t MachineClock() { return g_machineClock; }

constexpr uint32_t kFrameMs = 33;
// The last reel is told to stop after six seconds and finds its fruit within a turn: far fewer
// frames than this.
constexpr int kMaxFramesPerSpin = 2000;

// How far a player pushes the stake: a few presses of higher, fewer when cash is short.
constexpr int kMaxStakePresses = 4;
constexpr float kLeaveEarlyChance = 0.15f;
constexpr float kFlutterChance = 0.1f;
// A player who wants a place on the bowling team practises: most evenings out are spent at the
// lanes until the team has asked.
constexpr float kPracticeChance = 0.6f;

}  // namespace

float HeadlessOutings::Fancy(SIM_SocialiseType* type, float friends) {
  if (!type) return 0.0f;
  if (type->GetProcessFunction() == "MOVIE") return HeadlessCinema::Fancy(type, friends);
  if (type->GetProcessFunction() == "GAMBLING") return GRandom::IsChance(kFlutterChance) ? friends + 1.0f : 0.0f;
  if (type->GetName() == "bowling") {
    const SIM_BowlingTeam* team = SIM_GetBowlingTeam();
    if (team->IsOnTeam() || team->HasBeenOnTeam()) return 0.0f;
    return GRandom::IsChance(kPracticeChance) ? friends + 1.0f : 0.0f;
  }
  return 0.0f;
}

bool HeadlessOutings::PlayOneSpin() {
  GUI_Gambling* machine = GUI_Gambling::PTheWindow;
  if (!machine) return false;
  machine->UpdateButtons();
  if (!machine->GetSpinButton()->IsEnabled()) return false;
  g_machineClock = timeGetTime();
  GTimer::SetClock(&MachineClock);
  GUI_GetGUI()->UpdateRenderThrottle();
  GUI_Gambling::Spin(0);
  int frames = 0;
  while (machine->IsSpinning() && frames++ < kMaxFramesPerSpin) {
    g_machineClock += kFrameMs;
    GUI_GetGUI()->UpdateRenderThrottle();
    machine->UpdateButtons();
    machine->UpdateSpinning();
    for (int i = 0; i < 3; ++i) machine->GetWheel(i)->Turn();
  }
  if (machine->IsSpinning()) machine->UpdateSpinning();
  GTimer::SetClock(nullptr);
  GUI_GetGUI()->UpdateRenderThrottle();
  if (machine->IsSpinning()) {
    GError("The fruit machine's reels never stopped", __FILE__, __LINE__);
    return false;
  }
  return true;
}

bool HeadlessOutings::FinishOpenOuting() {
  bool any = HeadlessRestaurants::FinishWaitingMeal();
  any = HeadlessCinema::WatchOpenFilm() || any;
  if (GUI_Gambling* machine = GUI_Gambling::PTheWindow) {
    any = true;
    const int presses = std::rand() % (kMaxStakePresses + 1);
    for (int i = 0; i < presses; ++i) GUI_Gambling::Higher(0);
    while (machine->GetInstance()->MoreSpinsLeft()) {
      machine->UpdateButtons();
      // Too little cash for the stake: down until it fits, or leave.
      while (!machine->GetSpinButton()->IsEnabled() && machine->GetStake() > 1) GUI_Gambling::Lower(0);
      if (!PlayOneSpin()) break;
      if (GRandom::IsChance(kLeaveEarlyChance)) break;
    }
    GUI_Gambling::Stop(0);
  }
  if (GUI_PostMortem::PTheWindow) {
    any = true;
    GUI_PostMortem::Continue(0);
  }
  if (GUI_BeerPostMortem::PTheWindow) {
    any = true;
    GUI_BeerPostMortem::Continue(0);
  }
  return any;
}
