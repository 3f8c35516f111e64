#pragma once
// The headless player at the cinema: on the film chooser it pages through the three films showing,
// picks the first it has not seen (popcorn by a draw) and watches it; with nothing new showing it
// closes the chooser. Going out, it now and then fancies a film, never one it has seen.
class SIM_SocialiseType;

namespace HeadlessCinema {
// How much more the player wants this evening than the friends would: a film night now and then
// when something new is showing, never the cinema when nothing is.
float Fancy(SIM_SocialiseType* type, float friends);
// Plays out an open film chooser; false when none was open.
bool WatchOpenFilm();
// Whether a film the player has not seen is showing.
bool NewFilmShowing();
}  // namespace HeadlessCinema
