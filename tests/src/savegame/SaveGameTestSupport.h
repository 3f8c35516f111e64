#pragma once
// What the savegame's tests share: a headless game of a seed played for some nights, and the file
// of a save read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "HeadlessPlayer.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"
#include "TestSupport.h"

namespace savetest {

// A new game of the seed (or the game as it stands) played for `nights` nights; a yearly review or
// the end of the game is passed with its continue button, as a player would.
inline void PlayNights(int nights, unsigned seed = 1, bool newGame = true) {
  if (newGame) HeadlessPlayer::StartNewGame(seed);
  for (int night = 0; night < nights; ++night) {
    switch (HeadlessPlayer::PlayDay()) {
      case HeadlessPlayer::NIGHT_YEARLYREVIEW: GUI_YearlyReview::Continue(0); break;
      case HeadlessPlayer::NIGHT_GAMEOVER: GUI_EndGame::Continue(0); break;
      case HeadlessPlayer::NIGHT_MORNING: break;
    }
  }
}

inline std::string SaveFile(const std::string& name) { return testsupport::ReadFile(SIM_SaveGame::PathOf(name)); }

// The top-level sections of a file's text, in order.
inline std::vector<std::string> Sections(const std::string& text) {
  std::vector<SIM_LoadGame::Line> lines;
  std::string why;
  EXPECT_EQ(SIM_LoadGame::Parse(text, &lines, &why), SIM_LoadGame::LOAD_OK) << why;
  std::vector<std::string> sections;
  int depth = 0;
  for (const SIM_LoadGame::Line& line : lines) {
    if (line.kind == SIM_LoadGame::Line::OPEN && depth++ == 1) sections.push_back(line.tag);
    if (line.kind == SIM_LoadGame::Line::CLOSE) --depth;
  }
  return sections;
}

inline void ExpectCleanLog() {
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

}  // namespace savetest
