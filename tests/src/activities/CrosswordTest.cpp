// The crossword: clues chosen from the difficulty's list and the job's industry list, never twice
// in a game and started over once all are seen; hints that accept any letter; answers compared
// without case; the keys at the ends of the buffer; the 25-second limit on a stepped clock with its
// failure script run once; the stopwatch that mutes the music; broken list rows warned by file and
// line; and the headless player that plays one out. Each test starts a fresh game and writes small
// word lists into its private world.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GTimer.h"
#include "GUI_Crossword.h"
#include "GUI_GUI.h"
#include "GUI_Sounds.h"
#include "HeadlessCrossword.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_JobBase.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// Mac key codes of the letters the tests type.
unsigned Key(char c) {
  switch (c) {
    case 'a': return 0;
    case 'e': return 14;
    case 'i': return 34;
    case 'l': return 37;
    case 'm': return 46;
    case 'n': return 45;
    case 'o': return 31;
    case 'p': return 35;
    case 'x': return 7;
    case 'z': return 6;
    default: return 36;  // Return: types nothing
  }
}
constexpr unsigned KEY_DELETE = 51;

uint32_t g_now = 0;
uint32_t SteppedClock() { return g_now; }

std::string ListPath(const char* name) {
  return testsupport::ResourcesRoot() + "/data/simulation/" + name + "_crossword.txt";
}

// The linked list of the repository is replaced, never written through.
void WriteList(const char* name, const std::string& rows) {
  std::filesystem::remove(ListPath(name));
  testsupport::WriteFile(ListPath(name), "A word list for the test\n" + rows);
}

int EffectsNamed(const char* attribute, const std::string& source) {
  SIM_Attribute* a = SIM_Attribute::GetAttribute(attribute);
  if (!a) return -1;
  return (int)std::count_if(a->GetEffects().begin(), a->GetEffects().end(),
                            [&source](const SIM_Effect* e) { return e->GetDebugName() == source; });
}

std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }

class Crossword : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    GUI_Crossword::ClearSeenIDs();
    g_now = 1000;
    GTimer::SetClock(&SteppedClock);
    WriteList("easy", "#,1,lemon,A sour fruit\n#,2,Piano,Keys\n#,3,tiger,Striped cat\n");
    WriteList("hard", "#,10,stone,\"Notes changed, in a rock\"\n");
    WriteList("science", "#,20,atom,Tiny\n");
    TakeJobIn("sales");
  }
  void TearDown() override {
    GUI_Crossword::Close();
    GTimer::SetClock(nullptr);
  }
  static void TakeJobIn(const std::string& industry) {
    for (SIM_JobBase* job : SIM_JobBase::AllJobs) {
      if (job->GetIndustryName() == industry) {
        SIM_GetVede()->SetJob(job);
        return;
      }
    }
    FAIL() << "no job in " << industry;
  }
  static GUI_Crossword* Open(GUI_Crossword::DIFFICULTY difficulty) {
    GUI_Crossword::Create(difficulty);
    EXPECT_NE(GUI_Crossword::PTheWindow, nullptr);
    return GUI_Crossword::PTheWindow;
  }
  static int OpenAndClose(GUI_Crossword::DIFFICULTY difficulty) {
    GUI_Crossword* crossword = Open(difficulty);
    const int id = crossword ? crossword->GetClue().id : -1;
    GUI_Crossword::Close();
    return id;
  }
  // A crossword on the clue whose draws gave exactly these hints.
  static GUI_Crossword* WithHints(const SIM_CrosswordClue& clue, std::set<int> hints) {
    for (unsigned seed = 1; seed < 2000; ++seed) {
      std::srand(seed);
      auto* crossword = new GUI_Crossword(GUI_Crossword::DIFFICULTY_EASY, clue);
      std::set<int> drawn;
      for (int i = 0; i < GUI_Crossword::kMaxLetters; ++i)
        if (crossword->IsHint(i)) drawn.insert(i);
      if (drawn == hints) return crossword;
      GUI_Crossword::Close();
    }
    ADD_FAILURE() << "no seed draws those hints";
    return nullptr;
  }
  static void Type(GUI_Crossword* crossword, const std::string& letters) {
    for (char c : letters) crossword->HandleKey(Key(c));
  }
  static void Step(GUI_Crossword* crossword, uint32_t ms) {
    g_now += ms;
    crossword->Draw();
  }
};

TEST_F(Crossword, NoClueRepeatsUntilTheListsInPlayAreSpentThenOnlyThoseStartOver) {
  const int cryptic = OpenAndClose(GUI_Crossword::DIFFICULTY_CRYPTIC);
  EXPECT_EQ(cryptic, 10);
  std::set<int> easy;
  for (int i = 0; i < 3; ++i) easy.insert(OpenAndClose(GUI_Crossword::DIFFICULTY_EASY));
  EXPECT_EQ(easy, (std::set<int>{1, 2, 3}));
  // Every easy clue seen: the easy ids are forgotten, the cryptic one is still remembered.
  const int again = OpenAndClose(GUI_Crossword::DIFFICULTY_EASY);
  EXPECT_TRUE(again >= 1 && again <= 3) << again;
  EXPECT_EQ(GUI_Crossword::SeenIDs, (std::vector<int>{10, again}));
}

TEST_F(Crossword, TheIndustryListJoinsOnlyForItsOwnIndustry) {
  EXPECT_EQ(GUI_Crossword::ListsInPlay(GUI_Crossword::DIFFICULTY_EASY),
            (std::vector<std::string>{"data/simulation/easy_crossword.txt"}));
  std::set<int> ids;
  for (int i = 0; i < 3; ++i) ids.insert(OpenAndClose(GUI_Crossword::DIFFICULTY_EASY));
  EXPECT_EQ(ids, (std::set<int>{1, 2, 3}));

  GUI_Crossword::ClearSeenIDs();
  TakeJobIn("science");
  EXPECT_EQ(GUI_Crossword::ListsInPlay(GUI_Crossword::DIFFICULTY_CRYPTIC),
            (std::vector<std::string>{"data/simulation/hard_crossword.txt", "data/simulation/science_crossword.txt"}));
  ids.clear();
  for (int i = 0; i < 4; ++i) ids.insert(OpenAndClose(GUI_Crossword::DIFFICULTY_EASY));
  EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 20}));
}

TEST_F(Crossword, HintPositionsAcceptAnyLetterTheOthersMustMatch) {
  const SIM_CrosswordClue lemon{1, "Clue: \"A sour fruit\"", "lemon"};
  struct Case {
    const char* typed;
    bool solved;
  } cases[] = {{"lxmxn", true}, {"lemon", true}, {"lzmzn", true}, {"xemon", false}, {"lemo", false}, {"lemoa", false}};
  for (const Case& c : cases) {
    GUI_Crossword* crossword = WithHints(lemon, {1, 3});
    ASSERT_NE(crossword, nullptr);
    Type(crossword, c.typed);
    EXPECT_EQ(crossword->GetState() == GUI_Crossword::STATE_SOLVED, c.solved) << c.typed;
    GUI_Crossword::Close();
  }
}

TEST_F(Crossword, ASolveCountsAppliesTheActivitysEffectsAndStopsTheStopwatch) {
  const SIM_CrosswordClue piano{2, "Clue: \"Keys\"", "Piano"};  // a capital in the list is typed in lower case
  GUI_Crossword* crossword = WithHints(piano, {4});
  ASSERT_NE(crossword, nullptr);
  GUI_Sounds* sounds = GUI_GetSounds();
  const int slot = crossword->GetStopwatchChannel();
  ASSERT_GE(slot, 0);
  EXPECT_EQ(sounds->GetSlotName(slot), "data/sounds/stopwatch.ogg");
  EXPECT_TRUE(sounds->IsSlotLooping(slot));
  EXPECT_TRUE(sounds->IsMusicMuted());
  EXPECT_TRUE(crossword->IsModal());
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), crossword);

  const int before = SIM_GetStatistics()->GetIntCounter("CROSSWORDS_FINISHED");
  const size_t happiness = SIM_Attribute::GetAttribute("happiness")->GetEffects().size();
  Type(crossword, "pian");
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_SOLVED);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("CROSSWORDS_FINISHED"), before + 1);
  EXPECT_EQ(SIM_Attribute::GetAttribute("happiness")->GetEffects().size(), happiness + 1);
  EXPECT_FALSE(sounds->IsSlotPlaying(slot));
  EXPECT_FALSE(sounds->IsMusicMuted());
  EXPECT_FALSE(crossword->IsModal());
  // Solved, the clock no longer matters.
  Step(crossword, 30000);
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_SOLVED);
  GUI_Crossword::Close();
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

TEST_F(Crossword, KeysStopAtTheEndsOfTheBoxes) {
  GUI_Crossword* crossword = WithHints({1, "Clue: \"x\"", "lemon"}, {0});
  ASSERT_NE(crossword, nullptr);
  crossword->HandleKey(KEY_DELETE);
  EXPECT_EQ(crossword->GetCursor(), 0);
  Type(crossword, "lzzzzzzzzzzz");  // twelve letters into five boxes
  EXPECT_EQ(crossword->GetCursor(), 5);
  EXPECT_EQ(crossword->GetTyped(), "lzzzz");
  crossword->HandleKey(53);  // Escape leaves the crossword open
  EXPECT_EQ(GUI_Crossword::PTheWindow, crossword);
  crossword->HandleKey(KEY_DELETE);
  crossword->HandleKey(KEY_DELETE);
  Type(crossword, "on");
  EXPECT_EQ(crossword->GetTyped(), "lzzon");
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_PLAYING);
  GUI_Crossword::Close();

  // The longest answer there is takes ten letters and no more.
  crossword = WithHints({1, "Clue: \"x\"", "aaaaaaaaaa"}, {0, 9});
  ASSERT_NE(crossword, nullptr);
  Type(crossword, "xxxxxxxxxxxxx");
  EXPECT_EQ(crossword->GetCursor(), 10);
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_PLAYING);
}

TEST_F(Crossword, AtTwentyFiveSecondsTheClockReadsZeroAndTheFailureRunsOnce) {
  GUI_Crossword* crossword = Open(GUI_Crossword::DIFFICULTY_EASY);
  ASSERT_NE(crossword, nullptr);
  Step(crossword, 24000);
  EXPECT_EQ(crossword->GetSecondsLeft(), 1);
  Step(crossword, 999);
  EXPECT_EQ(crossword->GetSecondsLeft(), 0);
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_PLAYING);
  Step(crossword, 1);
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_TIMEDOUT);
  EXPECT_EQ(crossword->GetSecondsLeft(), 0);
  EXPECT_FLOAT_EQ(crossword->GetFractionLeft(), 0.0f);
  EXPECT_EQ(EffectsNamed("confidence", "Beaten by the crossword"), 1);
  EXPECT_FALSE(GUI_GetSounds()->IsPlaying("data/sounds/stopwatch.ogg"));
  EXPECT_FALSE(GUI_GetSounds()->IsMusicMuted());
  for (int frame = 0; frame < 5; ++frame) Step(crossword, 5000);
  Type(crossword, crossword->GetClue().answer);  // too late
  EXPECT_EQ(crossword->GetState(), GUI_Crossword::STATE_TIMEDOUT);
  EXPECT_EQ(EffectsNamed("confidence", "Beaten by the crossword"), 1);
}

TEST_F(Crossword, BrokenRowsAreWarnedByFileAndLineAndLeftOut) {
  WriteList("easy",
            "#,1,lemon,A sour fruit\n"   // line 2
            "#,one,pear,Green fruit\n"   // 3: not a number
            "#,1,plum,Purple fruit\n"    // 4: the id again
            "#,4,,Nothing at all\n"      // 5: no answer
            "#,5,strawberry1,Too long\n"  // 6: eleven characters
            "#,6,kiwi,\n"                // 7: no clue
            "#,7,fig-tree,Not a word\n"  // 8
            "#,8,fig,Small sweet fruit\n");
  std::vector<int> ids;
  GUI_Crossword::UnseenClues.clear();
  GUI_Crossword::LoadClues("data/simulation/easy_crossword.txt", ids);
  EXPECT_EQ(ids, (std::vector<int>{1, 8}));
  ASSERT_EQ(GUI_Crossword::UnseenClues.size(), 2u);
  EXPECT_EQ(GUI_Crossword::UnseenClues[0].clue, "Clue: \"A sour fruit\"");
  const std::string log = Log();
  for (int line = 3; line <= 8; ++line)
    EXPECT_NE(log.find("easy_crossword.txt:" + std::to_string(line) + ": crossword"), std::string::npos) << line;
  // Read again for the next evening: no new warnings.
  const size_t length = Log().size();
  GUI_Crossword::LoadClues("data/simulation/easy_crossword.txt", ids = {});
  EXPECT_EQ(Log().size(), length);
}

TEST_F(Crossword, ListsWithoutAClueOpenNothingAndSaySoOnce) {
  WriteList("easy", "#,x,,\n");
  std::filesystem::remove(ListPath("hard"));
  GUI_Crossword::Create(GUI_Crossword::DIFFICULTY_EASY);
  GUI_Crossword::Create(GUI_Crossword::DIFFICULTY_EASY);
  EXPECT_EQ(GUI_Crossword::PTheWindow, nullptr);
  SIM_HookCrypticCrossword();
  EXPECT_EQ(GUI_Crossword::PTheWindow, nullptr);
  const std::string log = Log();
  const size_t first = log.find("no clue to give: no usable row in data/simulation/easy_crossword.txt");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(log.find("no clue to give: no usable row in data/simulation/easy_crossword.txt", first + 1), std::string::npos);
  EXPECT_NE(log.find("no clue to give: no usable row in data/simulation/hard_crossword.txt"), std::string::npos);
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

TEST_F(Crossword, TheHooksOpenTheirDifficulty) {
  SIM_HookEasyCrossword();
  ASSERT_NE(GUI_Crossword::PTheWindow, nullptr);
  EXPECT_EQ(GUI_Crossword::PTheWindow->GetDifficulty(), GUI_Crossword::DIFFICULTY_EASY);
  SIM_HookCrypticCrossword();  // replaces the open one
  ASSERT_NE(GUI_Crossword::PTheWindow, nullptr);
  EXPECT_EQ(GUI_Crossword::PTheWindow->GetClue().id, 10);
}

TEST_F(Crossword, TheHeadlessPlayerFinishesAndClosesEveryCrosswordOnItsOwnClock) {
  HeadlessCrossword::StartGame();
  for (int evening = 0; evening < 12; ++evening) {
    GUI_Crossword::ClearSeenIDs();
    SIM_HookCrypticCrossword();
    HeadlessCrossword::Play();
    EXPECT_EQ(GUI_Crossword::PTheWindow, nullptr);
  }
  EXPECT_EQ(HeadlessCrossword::GetSolved() + HeadlessCrossword::GetTimedOut(), 12);
  EXPECT_GT(HeadlessCrossword::GetSolved(), HeadlessCrossword::GetTimedOut());
  EXPECT_GT(HeadlessCrossword::GetTimedOut(), 0);
  EXPECT_EQ(EffectsNamed("confidence", "Beaten by the crossword") > 0, true);
}

}  // namespace
