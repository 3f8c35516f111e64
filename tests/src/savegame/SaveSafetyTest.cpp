// A broken save is refused whole, with its reason, and the running game is left exactly as it was;
// a save that fails or is killed half-way never costs the player the save it was replacing.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include "Game.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::PlayNights;
using savetest::SaveFile;

// The day-200 save cut short at twenty places: ten inside a line, ten just after a section closes.
std::vector<std::string> CutShort(const std::string& text) {
  std::vector<std::string> cuts;
  const size_t misc = text.find("\n<misc>");
  for (int i = 1; i <= 10; ++i) {
    size_t at = misc * i / 11;
    while (text[at] == '\n' || text[at - 1] == '\n') ++at;  // strictly inside a line
    cuts.push_back(text.substr(0, at));
  }
  size_t from = 0;
  for (const char* end : {"</header>\n", "</vede>\n", "</npcs>\n", "</relationships>\n", "</jobs_applied>\n",
                          "</assets>\n", "</date>\n", "</statistics>\n", "</unlocks>\n", "</crossword>\n"}) {
    const size_t at = text.find(end, from);
    EXPECT_NE(at, std::string::npos) << end;
    if (at == std::string::npos) continue;
    from = at + std::strlen(end);
    cuts.push_back(text.substr(0, from));
  }
  return cuts;
}

TEST(SaveSafety, ABrokenSaveIsRefusedAndTheGameIsUntouched) {
  PlayNights(200);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("day 200"));
  const std::string whole = SaveFile("day 200");
  GetGame()->SetCurrentGameName("the running game");
  const uint64_t digest = HeadlessPlayer::Digest();

  struct Case {
    std::string what;
    std::string text;
    SIM_LoadGame::FAILURE failure;
  };
  std::vector<Case> cases;
  for (const std::string& cut : CutShort(whole)) cases.push_back({"cut at " + std::to_string(cut.size()), cut, SIM_LoadGame::LOAD_DAMAGED});
  const size_t misc = whole.find("<misc>\n");
  const size_t miscEnd = whole.find("</misc>\n") + 8;
  cases.push_back({"no misc", whole.substr(0, misc) + whole.substr(miscEnd), SIM_LoadGame::LOAD_DAMAGED});
  std::string noTurnCount = whole;
  noTurnCount.erase(noTurnCount.find("<TurnCount>"), noTurnCount.find("</TurnCount>\n") + 13 - noTurnCount.find("<TurnCount>"));
  cases.push_back({"no turn count", noTurnCount, SIM_LoadGame::LOAD_DAMAGED});
  std::mt19937 random(21);
  std::string noise(4096, '\0');
  for (char& c : noise) c = (char)(random() & 0xff);
  cases.push_back({"random bytes", noise, SIM_LoadGame::LOAD_DAMAGED});
  cases.push_back({"random bytes after a good start", whole.substr(0, 5000) + noise, SIM_LoadGame::LOAD_DAMAGED});
  std::string newer = whole;
  newer.replace(newer.find("Vorla 2.0.0"), 11, "Vorla 3.0.0");
  cases.push_back({"a newer version", newer, SIM_LoadGame::LOAD_VERSION});
  cases.push_back({"an empty file", "", SIM_LoadGame::LOAD_DAMAGED});

  for (const Case& c : cases) {
    testsupport::WriteFile(SIM_SaveGame::PathOf("broken"), c.text);
    EXPECT_FALSE(SIM_GetLoadGame()->LoadGame("broken")) << c.what;
    EXPECT_EQ(SIM_GetLoadGame()->GetFailure(), c.failure) << c.what << ": " << SIM_GetLoadGame()->GetFailureText();
    EXPECT_EQ(HeadlessPlayer::Digest(), digest) << c.what;
  }
  EXPECT_FALSE(SIM_GetLoadGame()->LoadGame("never saved"));
  EXPECT_EQ(SIM_GetLoadGame()->GetFailure(), SIM_LoadGame::LOAD_MISSING);
  EXPECT_FALSE(SIM_GetLoadGame()->LoadGame(""));
  EXPECT_EQ(SIM_GetLoadGame()->GetFailure(), SIM_LoadGame::LOAD_BAD_NAME);
  EXPECT_EQ(HeadlessPlayer::Digest(), digest);
  EXPECT_EQ(GetGame()->GetCurrentGameName(), "the running game");

  // The whole file, and the file cut just before its closing tag, still load.
  std::string unclosed = whole.substr(0, whole.rfind("</xml>"));
  testsupport::WriteFile(SIM_SaveGame::PathOf("unclosed"), unclosed);
  EXPECT_TRUE(SIM_GetLoadGame()->LoadGame("unclosed")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_TRUE(SIM_GetLoadGame()->LoadGame("day 200")) << SIM_GetLoadGame()->GetFailureText();
  savetest::ExpectCleanLog();
}

// A write that fails part-way (a full disk) or a file that cannot be made leaves the old save as it
// was, and says so.
TEST(SaveSafety, AFailedWriteKeepsThePreviousSave) {
  PlayNights(1);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("kept"));
  const std::string before = SaveFile("kept");
  HeadlessPlayer::PlayDay();  // the next save would differ

  for (long bytes : {0L, 1L, 4096L, (long)before.size() / 2, (long)before.size() - 1}) {
    SIM_SaveGame::FailWritesAfter(bytes);
    EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("kept")) << bytes;
    EXPECT_NE(SIM_GetSaveGame()->GetLastError().find("kept.xml"), std::string::npos);
    EXPECT_EQ(SaveFile("kept"), before) << bytes;
    EXPECT_FALSE(testsupport::Exists(SIM_SaveGame::PathOf("kept") + ".tmp"));
  }
  SIM_SaveGame::FailWritesAfter(-1);

  // A folder that is not there cannot take the file, nor can a read-only one (root writes anyway).
  EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("no such folder/kept"));
  EXPECT_FALSE(SIM_GetSaveGame()->GetLastError().empty());
  if (geteuid() != 0) {
    const std::string folder = GetGame()->GetSaveGamesDir();
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("kept"));
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(SaveFile("kept"), before);
  }
  EXPECT_TRUE(SIM_GetSaveGame()->SaveGame("kept"));
  EXPECT_NE(SaveFile("kept"), before);
}

// A game saving over and over, killed at fifty moments: the save on the disk is always a whole one.
TEST(SaveSafety, AKillMidSaveAlwaysLeavesAWholeSave) {
  PlayNights(30);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("killed"));
  const std::string whole = SaveFile("killed");
  std::mt19937 random(50);
  for (int kill = 0; kill < 50; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) SIM_GetSaveGame()->SaveGame("killed");
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    const std::string text = SaveFile("killed");
    std::vector<SIM_LoadGame::Line> lines;
    std::string why;
    EXPECT_EQ(SIM_LoadGame::Parse(text, &lines, &why), SIM_LoadGame::LOAD_OK) << "kill " << kill << ": " << why;
    EXPECT_EQ(text, whole) << "kill " << kill;
  }
  EXPECT_TRUE(SIM_GetLoadGame()->LoadGame("killed")) << SIM_GetLoadGame()->GetFailureText();
}

}  // namespace
