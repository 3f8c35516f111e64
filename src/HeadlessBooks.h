#pragma once
// How the player without a window reads: some evenings, when it owns a book it has not finished
// (and can read), it clicks the book, presses Read and closes the reading dialog, as a player
// would. Every draw comes from the game's seeded source.
#include <cstdint>

class HeadlessBooks {
 public:
  // True when a reading evening used the slot.
  static bool ReadTonight();
  static void StartGame() { EveningsRead = 0; }
  static int GetEveningsRead() { return EveningsRead; }
  // What it owns and has read, for the run's digest: books' pages, issues' fractions.
  static uint64_t ReadingState();

 private:
  static int EveningsRead;
};
