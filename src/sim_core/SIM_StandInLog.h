#pragma once
// The calls that reach a stand-in of a subsystem not built yet. A stand-in marks itself with
// STAND_IN() as its first statement; the mark takes its name from the function it stands in, as
// "<Class>::<function>", so no name is typed by hand and a renamed function renames its mark.
// Every such call says so once in the debug log ("STAND-IN: <Class>::<function>"); while recording
// is on it is also appended to a list, so a test can check the order in which the day turn reaches
// the other subsystems.
//
//   void GUI_Fish::Draw() { STAND_IN(); }
#include <string>
#include <vector>

class SIM_StandInLog {
 public:
  // Logs the name once and, while recording, appends it to the call list. Reached through
  // STAND_IN(), which derives the name.
  static void Called(const char* name);
  // Appends a name while recording, without logging: a test marks the moments it watches.
  static void Record(const char* name);

  // "<Class>::<function>" from a compiler's signature of the function (__PRETTY_FUNCTION__): the
  // return type, the namespaces, the arguments, the qualifiers and any template bindings dropped.
  // A free function keeps its bare name.
  static std::string NameOf(const char* signature);

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

// The name is worked out once per place; a stand-in called every frame costs a set look-up.
#define STAND_IN()                                                                           \
  do {                                                                                       \
    static const std::string stand_in_name_ = SIM_StandInLog::NameOf(__PRETTY_FUNCTION__); \
    SIM_StandInLog::Called(stand_in_name_.c_str());                                          \
  } while (0)
