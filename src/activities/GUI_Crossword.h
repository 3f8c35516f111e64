#pragma once
// The crossword of a quiet evening: one clue, a row of letter boxes with up to two letters given,
// and 25 seconds on a ticking stopwatch that mutes the music. The player types the answer; a solve
// counts "CROSSWORDS_FINISHED" and applies the activity's effects, running out of time runs
// "crossword_failed.txt". Clues come from the difficulty's list and the list of the job's
// industry, and no clue is given twice in a game (the ids seen are saved with it). Modal while the
// clock runs; it stays open until the player closes it, and closing it ends the evening's screen.
#include <string>
#include <vector>

#include "GTimer.h"
#include "GUI_Dialog.h"
#include "SIM_CrosswordClue.h"

class GUI_Crossword : public GUI_Dialog {
 public:
  enum DIFFICULTY { DIFFICULTY_CRYPTIC = 0, DIFFICULTY_EASY = 1 };
  enum STATE { STATE_PLAYING = 0, STATE_SOLVED = 1, STATE_TIMEDOUT = 2 };
  static constexpr int kMaxLetters = (int)SIM_CrosswordClue::kMaxAnswer;
  static constexpr double kTimeLimitMs = 25000.0;

  // Closes an open crossword and opens one with an unseen clue. When every clue of the lists in
  // play has been given, their ids are forgotten and the choice starts over; when the lists hold
  // no clue at all, nothing opens and one warning names them.
  static void Create(DIFFICULTY difficulty);
  static void Close();

  static void ClearSeenIDs();  // a new game, or before a load
  static bool Unseen(int id);
  // The word lists a crossword of that difficulty reads for the player's current job: the
  // difficulty's list, then the industry's list when the job's industry has one.
  static std::vector<std::string> ListsInPlay(DIFFICULTY difficulty);
  // UnseenClues refilled from the lists in play. Returns every id the lists hold, seen or not.
  static std::vector<int> LoadClues(DIFFICULTY difficulty);
  // Appends the unseen clues of one list (a missing list adds nothing); a clue whose id an earlier
  // row of the lists in play already used is left out with a warning. `ids` collects every id read.
  static void LoadClues(const std::string& file, std::vector<int>& ids);
  // Takes an unseen clue at random (the lists in play forgotten first when none is left) and
  // records it as seen; false when the lists hold no clue at all.
  static bool ChooseClue(DIFFICULTY difficulty, SIM_CrosswordClue& out);

  GUI_Crossword(DIFFICULTY difficulty, const SIM_CrosswordClue& clue);
  ~GUI_Crossword() override;

  void Draw() override;
  void HandleKey(unsigned key) override;
  // The clock read and the time-out taken; the frame's Draw calls it.
  void CheckTime();
  // The stopwatch from 0 again on the clock GTimer reads now (a player driven by a stepped clock).
  void RestartClock() { m_timer.StartTimer(); }
  void CheckWord();

  const SIM_CrosswordClue& GetClue() const { return m_clue; }
  const std::string& GetTyped() const { return m_typed; }
  int GetCursor() const { return m_cursor; }
  bool IsHint(int i) const { return i >= 0 && i < kMaxLetters && m_hints[i]; }
  int GetState() const { return m_state; }
  DIFFICULTY GetDifficulty() const { return m_difficulty; }
  int GetStopwatchChannel() const { return m_stopwatchChannel; }
  double GetElapsedMs() const { return m_timer.GetElapsed(); }
  int GetSecondsLeft() const;  // as the timer shows it: truncated, never below 0
  float GetFractionLeft() const;

  static GUI_Crossword* PTheWindow;
  static std::vector<int> SeenIDs;  // every clue given in this game, in order
  static std::vector<SIM_CrosswordClue> UnseenClues;

 private:
  void StartTicking();
  void StopTicking();
  void DrawWordBoxes();
  void DrawTimerBar();
  float BoxLeft(int i) const;

  GTimer m_timer;
  bool m_hints[kMaxLetters] = {};
  std::string m_typed;  // what the player typed, at most the answer's length
  int m_cursor = 0;
  SIM_CrosswordClue m_clue;
  int m_state = STATE_PLAYING;
  DIFFICULTY m_difficulty;
  int m_stopwatchChannel = -1;
  bool m_ticking = false;
  std::string m_timerText, m_timeoutText, m_correctText, m_helpText, m_timeoutBody, m_correctBody;
};
