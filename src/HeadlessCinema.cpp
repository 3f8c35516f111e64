#include "HeadlessCinema.h"

#include <cstdlib>

#include "GRandom.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_IconButton.h"
#include "GUI_MovieChooser.h"
#include "SIM_Movie.h"
#include "SIM_SocialiseType.h"

namespace {

constexpr float kFilmNightChance = 0.15f;
constexpr float kNoPopcornChance = 0.3f;

}  // namespace

bool HeadlessCinema::NewFilmShowing() {
  for (SIM_Movie* film : SIM_Movie::CurrentlyShowing)
    if (film && !film->Seen()) return true;
  return false;
}

float HeadlessCinema::Fancy(SIM_SocialiseType* type, float friends) {
  if (!type || type->GetProcessFunction() != "MOVIE") return 0.0f;
  if (!NewFilmShowing()) return -(friends + 1.0f);
  return GRandom::IsChance(kFilmNightChance) ? friends + 1.0f : 0.0f;
}

bool HeadlessCinema::WatchOpenFilm() {
  GUI_MovieChooser* chooser = GUI_MovieChooser::PTheWindow;
  if (!chooser) return false;
  // The arrows as a player uses them: on until a film not yet seen, or the last page.
  chooser->UpdateButtonStatus();
  while (!chooser->GetWatchButton()->IsEnabled() && chooser->GetNextButton()->IsEnabled()) {
    GUI_MovieChooser::NextMovie(0);
    chooser->UpdateButtonStatus();
  }
  if (!chooser->GetWatchButton()->IsEnabled()) {
    GUI_MovieChooser::Close();
    return true;
  }
  if (GRandom::IsChance(kNoPopcornChance)) {
    chooser->GetPopcornBox()->SetChecked(false);
    GUI_MovieChooser::TogglePopcorn(0);
  }
  GUI_MovieChooser::ChooseMovie(0);
  return true;
}
