// The nightly autosave on a real headless game: written under "autosave" in the save-games folder,
// and when it cannot be written, logged every night and told to the player once (again only after
// a night whose save worked), with the night and the morning going on as usual.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_PlayerOptions.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "SimCoreTestSupport.h"

namespace {

namespace fs = std::filesystem;

std::vector<GUI_Message*> AutosaveMessages() {
  std::vector<GUI_Message*> found;
  const std::string text = GTranslation::GetString("AUTOSAVE_FAILED_TEXT");
  for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows())
    if (auto* message = dynamic_cast<GUI_Message*>(window); message && message->GetText() == text) found.push_back(message);
  return found;
}

TEST(Autosave, AFailedNightIsLoggedEachTimeAndToldOnceUntilASaveWorksAgain) {
  HeadlessPlayer::StartNewGame(5);
  SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, true);
  const std::string file = GetGame()->GetSaveGamesDir() + "/autosave.xml";

  struct Night {
    bool fails;
    int loggedSoFar;
    size_t messagesOpen;  // after the night, the player having closed the earlier ones
    bool fileThere;       // a failed save leaves the last good one
  };
  const Night nights[] = {{true, 1, 1, false}, {true, 2, 0, false}, {false, 2, 0, true}, {true, 3, 1, true}};
  for (const Night& night : nights) {
    for (GUI_Message* message : AutosaveMessages()) delete message;
    SIM_SaveGame::FailWritesAfter(night.fails ? 64 : -1);
    const int turn = SIM_GetSim()->GetTurnCount();
    ASSERT_EQ(HeadlessPlayer::PlayDay(), HeadlessPlayer::NIGHT_MORNING);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 1);
    EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
    EXPECT_EQ(simtest::CountLogLines("Autosave failed"), night.loggedSoFar);
    EXPECT_EQ(AutosaveMessages().size(), night.messagesOpen);
    EXPECT_EQ(fs::exists(file), night.fileThere);
  }
  SIM_SaveGame::FailWritesAfter(-1);
}

}  // namespace
