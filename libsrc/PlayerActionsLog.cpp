#include "PlayerActionsLog.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "GDebug.h"
#include "MacFile.h"
#include "Paths.h"
#include "StringUtils.h"

namespace {
std::string ActionsPath() { return GetUserFolder() + "/player_actions.txt"; }
}  // namespace

PlayerActionsLog* GetPlayerActionsLog() {
  static PlayerActionsLog log;
  return &log;
}

void PlayerActionsLog::Log(const std::string& action) {
  if (action.empty() || HasDone(action)) return;
  m_actions.push_back(action);
}

bool PlayerActionsLog::HasDone(const std::string& action) const {
  for (const std::string& a : m_actions)
    if (a == action) return true;
  return false;
}

void PlayerActionsLog::Load() {
  m_actions.clear();
  FILE* f = Mac_fopen(ActionsPath().c_str(), "rt");
  if (!f) return;
  char line[2048];
  while (std::fgets(line, sizeof line, f)) {
    line[std::strcspn(line, "\n")] = 0;  // TrimEnd leaves very long lines alone
    Log(TrimEnd(line));
  }
  std::fclose(f);
}

void PlayerActionsLog::Save() {
  std::string path = ActionsPath();
  std::error_code ec;
  std::filesystem::create_directories(GetUserFolder(), ec);
  FILE* f = Mac_fopen(path.c_str(), "wt");
  if (!f) {
    GAssert(false, __FILE__, __LINE__);
    return;
  }
  for (const std::string& a : m_actions) {
    std::fputs(a.c_str(), f);
    std::fputc('\n', f);
  }
  std::fclose(f);
}
