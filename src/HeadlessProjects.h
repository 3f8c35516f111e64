#pragma once
// How the player without a window keeps at the long projects: on some evenings alone it picks the
// project it has worked on least (of those it may start tonight), then reads and closes the
// progress dialog. It counts evenings, finished projects and royalties for vorla2-sim's report.
#include <string>

class HeadlessProjects {
 public:
  struct Counts {
    int evenings = 0;
    int finished[4] = {};  // theory, story, screenplay, song
    int succeeded[4] = {};
  };

  // True when a project evening ran and used the slot.
  static bool SpendEvening();
  static void StartGame() { TheCounts = Counts(); }
  static const Counts& GetCounts() { return TheCounts; }
  static float RoyaltiesPaid();  // by every stream of this game
  static std::string ReportLine();

 private:
  static Counts TheCounts;
};
