#include "HeadlessCrossword.h"

#include <cctype>
#include <cstdint>
#include <string>

#include "CInput.h"
#include "GRandom.h"
#include "HeadlessClock.h"
#include "GUI_Crossword.h"

int HeadlessCrossword::Solved = 0;
int HeadlessCrossword::TimedOut = 0;

namespace {

constexpr float kSolveEasyChance = 0.85f;
constexpr float kSolveCrypticChance = 0.6f;
// A moment to read the clue, then a letter every so often.
constexpr float kReadMsLow = 1500.0f, kReadMsHigh = 6000.0f;
constexpr float kLetterMsLow = 250.0f, kLetterMsHigh = 900.0f;
constexpr uint32_t kStumpedStepMs = 500;

// The Mac key code that types the character, or the Return key's for one no key types.
unsigned KeyFor(char c) {
  for (unsigned key = 0; key < 128; ++key) {
    if (DikToChar(key) == c) return key;
  }
  return 36;
}

void Wait(GUI_Crossword* crossword, float ms) {
  HeadlessClock::Step((uint32_t)ms);
  crossword->CheckTime();
}

}  // namespace

void HeadlessCrossword::Play() {
  GUI_Crossword* crossword = GUI_Crossword::PTheWindow;
  if (!crossword) return;
  HeadlessClock::Hold();
  // The dialog's stopwatch started on the real clock; it starts again on the stepped one.
  crossword->RestartClock();
  const float chance = crossword->GetDifficulty() == GUI_Crossword::DIFFICULTY_EASY ? kSolveEasyChance : kSolveCrypticChance;
  if (GRandom::IsChance(chance)) {
    Wait(crossword, GRandom::RandReal(kReadMsLow, kReadMsHigh));
    const std::string& answer = crossword->GetClue().answer;
    for (size_t i = 0; i < answer.size() && crossword->GetState() == GUI_Crossword::STATE_PLAYING; ++i) {
      crossword->HandleKey(KeyFor((char)std::tolower((unsigned char)answer[i])));
      Wait(crossword, GRandom::RandReal(kLetterMsLow, kLetterMsHigh));
    }
  }
  while (crossword->GetState() == GUI_Crossword::STATE_PLAYING) Wait(crossword, (float)kStumpedStepMs);
  if (crossword->GetState() == GUI_Crossword::STATE_SOLVED) {
    ++Solved;
  } else {
    ++TimedOut;
  }
  HeadlessClock::Release();
  GUI_Crossword::Close();
}
