// The crossword's seen clues come back from a saved game: 150 ids survive save, load, save
// unchanged, and the next crossword after the load gives none of them again.
#include <algorithm>
#include <numeric>

#include "GDebug.h"
#include "GUI_Crossword.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::SaveFile;

TEST(CrosswordSave, HundredAndFiftySeenCluesSurviveAndNeverRepeat) {
  savetest::PlayNights(1, 5);
  // All but the last three easy clues, and ten cryptic ones.
  std::vector<int> seen(140);
  std::iota(seen.begin(), seen.end(), 1000);
  for (int id = 2000; id < 2010; ++id) seen.push_back(id);
  GUI_Crossword::SeenIDs = seen;

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("crossword")) << SIM_GetSaveGame()->GetLastError();
  const std::string saved = SaveFile("crossword");
  GUI_Crossword::SeenIDs.clear();
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("crossword")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(GUI_Crossword::SeenIDs, seen);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(SaveFile("again"), saved);

  for (int evening = 0; evening < 3; ++evening) {
    GUI_Crossword::Create(GUI_Crossword::DIFFICULTY_EASY);
    ASSERT_NE(GUI_Crossword::PTheWindow, nullptr);
    const int id = GUI_Crossword::PTheWindow->GetClue().id;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), id), 0) << id;
    seen.push_back(id);
    GUI_Crossword::Close();
  }
  savetest::ExpectCleanLog();
}

TEST(CrosswordSave, ABrokenIdInTheListIsWarnedAndTheRestKept) {
  savetest::PlayNights(1, 5);
  GUI_Crossword::SeenIDs = {1001, 1002};
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("broken"));
  std::string text = SaveFile("broken");
  const size_t at = text.find("1001,1002,");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 10, "1001,x7,1002,");
  testsupport::WriteFile(SIM_SaveGame::PathOf("broken"), text);
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("broken")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(GUI_Crossword::SeenIDs, (std::vector<int>{1001, 1002}));
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  const size_t warning = log.find("crossword clue id \"x7\"");
  ASSERT_NE(warning, std::string::npos);
  EXPECT_EQ(log.find("crossword clue id", warning + 1), std::string::npos) << "one warning only";
  EXPECT_NE(log.rfind("broken", warning), std::string::npos) << "the warning names the file";
  savetest::ExpectCleanLog();
}

}  // namespace
