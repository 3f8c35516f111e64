#pragma once
// Remembers, from one run to the next, one-off things the player has already done
// ("player_actions.txt" in the user folder).
#include <string>
#include <vector>

class PlayerActionsLog {
 public:
  virtual ~PlayerActionsLog() = default;
  void Log(const std::string& action);
  bool HasDone(const std::string& action) const;
  void Load();
  void Save();
  const std::vector<std::string>& Actions() const { return m_actions; }

 private:
  std::vector<std::string> m_actions;
};

PlayerActionsLog* GetPlayerActionsLog();

// A placeholder for logging user data; nothing creates it.
class GUserDataLog {
 public:
  virtual ~GUserDataLog() = default;
  void Initialise() {}
  void Close() {}
  void LogAction(const char*) {}

 private:
  std::string m_name;
};
