#include "HeadlessEvents.h"

#include "GUI_ButtonText.h"
#include "GUI_Dentist.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_WindowManager.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityType.h"

std::map<std::string, int> HeadlessEvents::Kept;

namespace {
// The day each appointment was last kept: a weekend's second slot does not run it twice.
std::map<std::string, int> g_keptOnTurn;
}  // namespace

bool HeadlessEvents::KeepAppointment() {
  const int turn = SIM_GetSim()->GetTurnCount();
  for (const char* name : {"dentist", "charityrun"}) {
    if (!SIM_GetScheduledEvents()->ScheduledForToday(name)) continue;
    auto kept = g_keptOnTurn.find(name);
    if (kept != g_keptOnTurn.end() && kept->second == turn) continue;
    GUI_SoloActivityChooser::ScrollToActivity(name);
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
    if (!chooser) return false;
    if (!chooser->GetType() || chooser->GetType()->GetName() != name || !chooser->GetStartButton()->IsEnabled()) {
      GUI_SoloActivityChooser::Close();
      continue;
    }
    g_keptOnTurn[name] = turn;
    ++Kept[name];
    GUI_SoloActivityChooser::StartActivity(0);
    // The result read, the window closed as a player would.
    if (GUI_Dentist::PTheWindow) {
      GUI_Dentist::Close();
    } else {
      GUI_GetWindowManager()->CloseTopDialog();
    }
    return true;
  }
  return false;
}
