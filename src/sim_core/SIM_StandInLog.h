#pragma once
// The calls that reach a stand-in of a subsystem not built yet. Every such call says so once in
// the debug log ("STAND-IN: <name>"); while recording is on it is also appended to a list, so a
// test can check the order in which the day turn reaches the other subsystems.
#include <string>
#include <vector>

class SIM_StandInLog {
 public:
  // Logs the name once and, while recording, appends it to the call list.
  static void Called(const char* name);
  // Appends a name while recording, without logging: a test marks the moments it watches.
  static void Record(const char* name);

  static void SetRecording(bool on) { Recording = on; }
  static bool IsRecording() { return Recording; }
  static const std::vector<std::string>& GetCalls() { return Calls; }
  static void Clear() { Calls.clear(); }
  // How often the name was recorded.
  static int Count(const std::string& name);

  // Called after every recorded call with its name (tests look at the state of the game there).
  typedef void (*Observer)(const std::string& name);
  static void SetObserver(Observer observer) { TheObserver = observer; }

 private:
  static bool Recording;
  static std::vector<std::string> Calls;
  static Observer TheObserver;
};
