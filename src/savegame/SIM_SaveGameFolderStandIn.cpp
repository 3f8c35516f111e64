// Stand-in until the savegame's own folder functions arrive: the listing and deleting the menus
// need. Dropped when the real ones land.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "GDebug.h"
#include "Game.h"
#include "SIM_SaveGame.h"

std::string SIM_SaveGame::PathOf(const std::string& name) { return GetGame()->GetSaveGamesDir() + "/" + name + ".xml"; }

std::vector<std::string> SIM_SaveGame::ListSaves() {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(GetGame()->GetSaveGamesDir(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string file = it->path().filename().string();
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".xml") == 0 && it->is_regular_file(ec))
      names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool SIM_SaveGame::Exists(const std::string& name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathOf(name), ec);
}

bool SIM_SaveGame::DeleteSave(const std::string& name) {
  if (std::remove(PathOf(name).c_str()) == 0) return true;
  GWarning(GFormat("The save %s cannot be deleted", PathOf(name).c_str()).c_str(), __FILE__, __LINE__);
  return false;
}
