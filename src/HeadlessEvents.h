#pragma once
// How the player without a window keeps its appointments: on the day of the charity run or of the
// dentist it picks that activity from the solo chooser before anything else, then reads the result
// and closes it. It counts the appointments kept, for vorla2-sim's report.
#include <map>
#include <string>

class HeadlessEvents {
 public:
  // True when an appointment due today was kept and used the slot.
  static bool KeepAppointment();
  static void StartGame() { Kept.clear(); }
  static const std::map<std::string, int>& GetKept() { return Kept; }

 private:
  static std::map<std::string, int> Kept;
};
