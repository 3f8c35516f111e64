#pragma once
// What the player without a window does on the web screen and with the television remote, once
// an evening has opened either: it clicks one of the websites (or leaves an empty web screen with
// Escape); on the remote it picks a channel, and before cable is bought now and then tries a
// cable channel first, hears it refused and picks a free one. The hidden remote is then put away.
// Every draw comes from the game's seeded source.
#include <string>

class HeadlessWebTV {
 public:
  struct Counts {
    int surfed = 0;          // websites visited
    int watched = 0;         // evenings in front of the set
    int cableWatched = 0;    // of them on a cable channel
    int cableRefused = 0;    // cable channels tried without cable
  };

  // Finishes the open web screen or remote, if any.
  static void Play();
  static void StartGame() { Tally = Counts(); }
  static const Counts& GetCounts() { return Tally; }
  static std::string ReportLine();

 private:
  static Counts Tally;
};
