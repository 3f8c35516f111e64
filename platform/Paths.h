#pragma once
// Where things live on Linux: the resources directory (the folder that holds data/), the user
// folder ("Vorla 2" under XDG_DATA_HOME) and the preferences store file (under XDG_CONFIG_HOME).
#include <string>

// $VORLA2_DATA_DIR, else the nearest folder holding data/strings.ini walking up from the
// executable's folder, else ../share/vorla2 beside the executable. Empty when none exists.
const std::string& GetResourcesDir();
// $XDG_DATA_HOME/Vorla 2 (default ~/.local/share/Vorla 2), without a trailing "/".
std::string GetUserFolder();
// $XDG_CONFIG_HOME/Vorla 2/preferences.ini (default ~/.config/...).
std::string GetPreferencesPath();
// Forget cached answers (tests change the environment between cases).
void ResetPathCache();
