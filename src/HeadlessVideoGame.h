#pragma once
// How the player without a window plays the video game its evening opened: it reads the
// instructions for a moment, clicks the sky, then aims at a plane where it will be when the
// shells arrive (not always well) and fires while it has shells, until the time is up; it reads
// the result and closes the window. The game runs on a clock stepped one frame at a time.
class HeadlessVideoGame {
 public:
  // Plays the open game to its end on the stepped clock (HeadlessClock) and closes it: true when a
  // game was open. The clock is let go afterwards either way.
  static bool Play();
  static void StartGame() {
    Played = 0;
    BestScore = 0;
  }
  static int GamesPlayed() { return Played; }
  static int GetBestScore() { return BestScore; }

 private:
  static int Played;
  static int BestScore;
};
