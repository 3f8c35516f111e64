#pragma once
// A player without a window: runs the real game with VORLA2_HEADLESS=1 and presses each day's
// buttons as a player would (wake up, commute in on a working day or stay at home, work, commute
// back, after work, each evening slot spent out with friends through the social chooser or alone
// through the solo chooser, the end-of-day prompt, end day). With a
// fixed seed a whole game replays exactly, so the digest of the final state proves the simulation
// and the time it takes measures it. The program vorla2-sim and the tests drive it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class HeadlessPlayer {
 public:
  enum NIGHT {
    NIGHT_MORNING = 0,       // the next morning's page is open
    NIGHT_YEARLYREVIEW = 1,  // the yearly review is open
    NIGHT_GAMEOVER = 2,      // the end-of-game screen is open
  };
  struct Result {
    int days = 0;      // nights played
    int reviews = 0;   // yearly reviews seen
    bool ended = false;
    uint64_t digest = 0;
  };

  // Starts the application headless (once per process), then a new game whose every random draw
  // follows from the seed, set up through the new-game screen (a preset and three names drawn, its
  // Start, the intro's Start). The first day is the same fixed date in every run (a new game otherwise
  // starts in the month of the machine's clock).
  static void StartNewGame(unsigned seed);
  // Presses the day's buttons from where the day stands up to the end-of-day prompt, or with
  // `toEvening` only up to the in-game screen of the evening, its first activity not chosen yet.
  static void PlayToEndOfDay(bool toEvening = false);
  // One whole day: to the end-of-day prompt, then the end-day button and the night.
  static NIGHT PlayDay();
  // A new game played for up to `days` nights or to the end of the game. Every yearly review is
  // closed with its continue button. `print` gets one line per year and nothing else. With
  // `reloadEvery` K above 0, every K-th morning the game is saved, loaded back and played on.
  static Result Run(int days, unsigned seed, const std::function<void(const std::string&)>& print,
                    int reloadEvery = 0);
  // Saves the game under the name and loads it back, as a player would from the menus; false (with
  // an error in the debug log) when either fails.
  static bool SaveAndReload(const char* name);

  // A hash of the simulation's state: the date, the turn, the cash, every attribute with its
  // effects, the skills, the game-wide values, the character's names, layers and tints, the town
  // (every NPC, visible or gone, and every link), the held job, the way to work and the standing in
  // the job, the weather, health and the statistics.
  static uint64_t Digest();
  static std::string Hex(uint64_t value);
  // "year N: date=... turns=... cash=...", the main attributes, the town, and the held job with the
  // pay taken and the lowest cash since the last line.
  static std::string YearLine(int year);
  // The lines of the debug log that report an assertion or an error (alerts included).
  static std::vector<std::string> LogProblems();
  static int CountLogProblems() { return (int)LogProblems().size(); }
  // A working day: a job held, the player healthy, Monday to Friday.
  static bool IsWorkingDay();
  // Called after every button pressed and every night, as frames come between a player's clicks;
  // empty (the default) draws nothing.
  static void SetBetweenPresses(std::function<void()> frame);
};
