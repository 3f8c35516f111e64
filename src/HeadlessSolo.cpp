#include "HeadlessSolo.h"

#include <cstdlib>

#include "GUI_ButtonText.h"
#include "GUI_SoloActivityChooser.h"
#include "HeadlessShopping.h"
#include "SIM_BowlingTeam.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_SoloActivityType.h"

std::map<std::string, int> HeadlessSolo::Evenings;

bool HeadlessSolo::SpendEvening() {
  GUI_SoloActivityChooser::Create();
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
  if (!chooser) return false;
  const size_t listed = chooser->GetList().size();
  // A member keeps the team's appointments: a missed match is the end of the team.
  if (SIM_GetBowlingTeam()->IsOnTeam() && SIM_GetScheduledEvents()->ScheduledForToday("bowlingmatch")) {
    GUI_SoloActivityChooser::ScrollToActivity("bowlingmatch");
    if (chooser->GetType() && chooser->GetType()->GetName() == "bowlingmatch" &&
        chooser->GetStartButton()->IsEnabled()) {
      ++Evenings["bowlingmatch"];
      GUI_SoloActivityChooser::StartActivity(0);
      return true;
    }
  }
  // The arrow pressed a few times, as the player reads what there is; then on past what is greyed.
  const size_t pages = listed ? (size_t)std::rand() % listed : 0;
  for (size_t page = 0; page < pages; ++page) GUI_SoloActivityChooser::NextActivity(0);
  for (size_t tried = 0; tried < listed && !chooser->GetStartButton()->IsEnabled(); ++tried)
    GUI_SoloActivityChooser::NextActivity(0);
  if (!chooser->GetType() || !chooser->GetStartButton()->IsEnabled()) {
    GUI_SoloActivityChooser::Close();
    return false;
  }
  ++Evenings[chooser->GetType()->GetName()];
  GUI_SoloActivityChooser::StartActivity(0);
  HeadlessShopping::Shop();  // the evening's script may have opened the shop
  return true;
}
