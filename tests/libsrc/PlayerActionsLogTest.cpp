#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GDebug.h"
#include "Paths.h"
#include "PlayerActionsLog.h"
#include "TestSupport.h"

namespace {
std::string ActionsFile() { return GetUserFolder() + "/player_actions.txt"; }
}  // namespace

TEST(PlayerActionsLog, RecordsOnceAndRoundTrips) {
  PlayerActionsLog* log = GetPlayerActionsLog();
  EXPECT_EQ(log, GetPlayerActionsLog());
  log->Load();  // absent file: empty
  EXPECT_TRUE(log->Actions().empty());
  log->Save();
  EXPECT_EQ(testsupport::ReadFile(ActionsFile()), "");

  log->Log("clicked npc icon");
  log->Log("clicked npc icon");
  log->Log("");
  log->Log("Clicked NPC icon");
  EXPECT_EQ(log->Actions(), (std::vector<std::string>{"clicked npc icon", "Clicked NPC icon"}));
  log->Save();
  EXPECT_EQ(testsupport::ReadFile(ActionsFile()), "clicked npc icon\nClicked NPC icon\n");

  testsupport::WriteFile(ActionsFile(), "clicked npc icon   \r\n\nclicked npc icon\nsecond\n");
  log->Load();
  EXPECT_EQ(log->Actions(), (std::vector<std::string>{"clicked npc icon", "second"}));
  EXPECT_TRUE(log->HasDone("second"));
  EXPECT_FALSE(log->HasDone("third"));
}

TEST(PlayerActionsLog, UnwritableFileRaisesTheAssertionReportAndGoesOn) {
  GetDebug()->Initialise();
  // The user folder's place is taken by a plain file, so nothing can be written there.
  std::string base = testsupport::TestRoot() + "/blocked";
  testsupport::WriteFile(base + "/Vorla 2", "not a folder");
  setenv("XDG_DATA_HOME", base.c_str(), 1);
  GetPlayerActionsLog()->Log("something");
  testing::internal::CaptureStderr();
  GetPlayerActionsLog()->Save();
  testing::internal::GetCapturedStderr();
  std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  std::string last = log.substr(log.rfind('\n', log.size() - 2) + 1);
  EXPECT_EQ(last.rfind("Assertion failure:filename:", 0), 0u);
  EXPECT_NE(last.find("PlayerActionsLog.cpp"), std::string::npos);
  GetDebug()->Shutdown();
}
