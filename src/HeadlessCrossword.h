#pragma once
// How the player without a window does the crossword its evening opened: it reads the clue, then
// either types the answer a letter at a time (most evenings; less often for the cryptic one) or
// sits stumped until the stopwatch runs out, and closes the dialog. Its clock is one it steps by
// hand, so no run ever waits; every draw comes from the game's seeded source.
class HeadlessCrossword {
 public:
  static void Play();  // the open crossword, if any, played out and closed
  static void StartGame() { Solved = TimedOut = 0; }
  static int GetSolved() { return Solved; }
  static int GetTimedOut() { return TimedOut; }

 private:
  static int Solved;
  static int TimedOut;
};
