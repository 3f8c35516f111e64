#include "HeadlessSolo.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "GUI_ButtonText.h"
#include "GUI_Dentist.h"
#include "GUI_SoloActivityChooser.h"
#include "HeadlessCrossword.h"
#include "HeadlessClock.h"
#include "HeadlessShopping.h"
#include "HeadlessVideoGame.h"
#include "HeadlessWebTV.h"
#include "GUI_WindowManager.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_SoloActivityType.h"

std::map<std::string, int> HeadlessSolo::Evenings;

namespace {
// The turn on which each appointment was last kept.
std::map<std::string, int> g_keptOnTurn;
}  // namespace

void HeadlessSolo::StartGame() {
  Evenings.clear();
  g_keptOnTurn.clear();
}

bool HeadlessSolo::KeepAppointment() {
  const int turn = (int)SIM_GetSim()->GetTurnCount();
  std::vector<std::string> due;
  for (const SIM_ScheduledEvents::SIM_ScheduleData* data : SIM_GetScheduledEvents()->GetEvents()) {
    // A weekend's second slot does not keep the same appointment twice.
    auto kept = g_keptOnTurn.find(data->key);
    if (data->date.IsPresentDay() && (kept == g_keptOnTurn.end() || kept->second != turn)) due.push_back(data->key);
  }
  if (due.empty()) return false;
  for (const std::string& key : due) {
    // The chooser opened on the booked row, as the reminder note's click does.
    GUI_SoloActivityChooser::ScrollToActivity(key.c_str());
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
    if (!chooser) return false;
    if (chooser->GetType() && chooser->GetType()->GetName() == key && chooser->GetStartButton()->IsEnabled()) {
      g_keptOnTurn[key] = turn;
      ++Evenings[key];
      GUI_SoloActivityChooser::StartActivity(0);
      // The result read (the dentist's chair, the run's result) and closed as a player would.
      if (GUI_Dentist::PTheWindow) {
        GUI_Dentist::Close();
      } else {
        GUI_GetWindowManager()->CloseTopDialog();
      }
      return true;
    }
  }
  GUI_SoloActivityChooser::Close();
  return false;
}

bool HeadlessSolo::SpendEvening() {
  GUI_SoloActivityChooser::Create();
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  const size_t listed = chooser->GetList().size();
  // The arrow pressed a few times, as the player reads what there is; then on past what is greyed.
  const size_t pages = listed ? (size_t)std::rand() % listed : 0;
  for (size_t page = 0; page < pages; ++page) GUI_SoloActivityChooser::NextActivity(0);
  for (size_t tried = 0; tried < listed && !chooser->GetStartButton()->IsEnabled(); ++tried)
    GUI_SoloActivityChooser::NextActivity(0);
  if (!chooser->GetType() || !chooser->GetStartButton()->IsEnabled()) {
    GUI_SoloActivityChooser::Close();
    return false;
  }
  StartShown(chooser);
  return true;
}

bool HeadlessSolo::PlayAtHome() {
  // The mini-games at home, and the television.
  static const char* const kGames[] = {"crossword", "crypticcrossword", "surfweb", "watchtv", "videogame"};
  const char* key = kGames[(size_t)std::rand() % (sizeof kGames / sizeof kGames[0])];
  GUI_SoloActivityChooser::ScrollToActivity(key);
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  if (!chooser->GetType() || chooser->GetType()->GetName() != key || !chooser->GetStartButton()->IsEnabled()) {
    GUI_SoloActivityChooser::Close();
    return false;
  }
  StartShown(chooser);
  return true;
}

void HeadlessSolo::StartShown(GUI_SoloActivityChooser* chooser) {
  ++Evenings[chooser->GetType()->GetName()];
  // A timed screen the evening opens (the video game, the crossword) starts on the stepped clock, so
  // that a seeded run plays it the same however fast the machine is.
  HeadlessClock::Hold();
  GUI_SoloActivityChooser::StartActivity(0);
  HeadlessShopping::Shop();  // the evening's script may have opened the shop
  HeadlessWebTV::Play();     // or the web screen, or the television remote
  HeadlessVideoGame::Play();
  HeadlessCrossword::Play();
}
