#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GUI_SocialActivityChooser.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_TutHighlighter.h"
#include "GUI_TutorialWindow.h"
#include "Paths.h"
#include "SIM_Dirt.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SimCoreTestSupport.h"

namespace {

// Every call of the registered test command "Capture" records its five argument slots.
std::vector<std::vector<std::string>> g_captured;
void Capture(int) {
  std::vector<std::string> args;
  for (int i = 0; i < SIM_Script::MAX_ARGUMENTS; ++i) args.push_back(SIM_GetScript()->GetArgument(i));
  g_captured.push_back(args);
}
void Nested(int) { SIM_GetScript()->RunScript("ApplyEffect(loneliness,0.1,0,nested)", 1.0f); }

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load(testsupport::FixturePath("sim_core/config.txt").c_str());
    simtest::PlayerFrom("sim_core/attributes.csv");
    SIM_GetScript()->AddScriptableFunction(Capture, "Capture");
    SIM_GetScript()->AddScriptableFunction(Nested, "Nested");
    g_captured.clear();
  }
  void TearDown() override { simtest::ResetPlayerState(); }

  static SIM_Effect* LastEffect(const char* attribute) {
    SIM_Attribute* a = SIM_Attribute::GetAttribute(attribute);
    return (a && !a->GetEffects().empty()) ? a->GetEffects().back() : nullptr;
  }
};

TEST_F(ScriptTest, ApplyEffectScalesTheAmountButNotTheDegrade) {
  struct Case {
    const char* script;
    float scale;
    float amount;
    float degrade;
  } cases[] = {
      {"ApplyEffect(confidence,0.1,0.02,test)", 2.0f, 0.2f, 0.02f},
      {"ApplyEffect(confidence,0.1,0.02,test)", 0.5f, 0.05f, 0.02f},
      {"ApplyEffect(confidence,_TEST_AMOUNT,_TEST_DEGRADE,test)", 2.0f, 0.5f, 0.5f},  // tuning variables
      {"ApplyEffect(confidence, 0.1 ,0.3,test)", 1.0f, 0.1f, 0.3f},  // blanks around numbers do no harm
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    simtest::PlayerFrom("sim_core/attributes.csv");
    SIM_GetScript()->RunScript(c.script, c.scale);
    SIM_Effect* effect = LastEffect("confidence");
    ASSERT_NE(effect, nullptr);
    EXPECT_FLOAT_EQ(effect->GetEffect(), c.amount);
    EXPECT_FLOAT_EQ(effect->GetDegrade(), c.degrade);
    EXPECT_EQ(effect->GetDebugName(), "test");
    EXPECT_FLOAT_EQ(SIM_GetScript()->GetScale(), 1.0f);
  }
}

TEST_F(ScriptTest, AnArgumentLeftOutReadsEmptyNotTheEarlierOne) {
  SIM_GetScript()->RunScript("ApplyEffect(confidence,0.1,0.9,first);ApplyEffect(optimism,0.1)", 1.0f);
  ASSERT_NE(LastEffect("optimism"), nullptr);
  EXPECT_FLOAT_EQ(LastEffect("optimism")->GetDegrade(), 0.0f);
  EXPECT_EQ(LastEffect("optimism")->GetDebugName(), "");
}

TEST_F(ScriptTest, SplittingOfInstructionsAndArguments) {
  SIM_GetScript()->RunScript("Capture(\"a,b;c\",second);  Capture(x) ;Capture;", 1.0f);
  ASSERT_EQ(g_captured.size(), 3u);
  EXPECT_EQ(g_captured[0], (std::vector<std::string>{"a,b;c", "second", "", "", ""}));
  EXPECT_EQ(g_captured[1], (std::vector<std::string>{"x", "", "", "", ""}));
  EXPECT_EQ(g_captured[2], (std::vector<std::string>{"", "", "", "", ""}));

  // More than five arguments: the extra ones are dropped.
  g_captured.clear();
  SIM_GetScript()->RunScript("Capture(1,2,3,4,5,6,7)", 1.0f);
  ASSERT_EQ(g_captured.size(), 1u);
  EXPECT_EQ(g_captured[0], (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST_F(ScriptTest, FileFromTheModsFolderRunsAsOneLine) {
  // The first instruction breaks after a ",": lines are joined without a separator.
  testsupport::WriteFile(GetUserFolder() + "/mods/scripts/test_split.txt", "Capture(a,\r\n   b);\nCapture(c)  \n");
  SIM_GetScript()->RunScript("test_split.txt", 1.0f);
  ASSERT_EQ(g_captured.size(), 2u);
  EXPECT_EQ(g_captured[0][0], "a");
  EXPECT_EQ(g_captured[0][1], "b");
  EXPECT_EQ(g_captured[1][0], "c");
}

TEST_F(ScriptTest, MissingFileAndOverlongScriptAreReportedOnceAndRunNothing) {
  std::string longScript;
  while (longScript.size() < SIM_Script::MAX_SCRIPT_LENGTH) longScript += "Capture(x);";
  for (int i = 0; i < 3; ++i) {
    SIM_GetScript()->RunScript("nosuch.txt", 2.0f);
    EXPECT_FLOAT_EQ(SIM_GetScript()->GetScale(), 1.0f);
    SIM_GetScript()->RunScript(longScript, 1.0f);
  }
  EXPECT_TRUE(g_captured.empty());
  EXPECT_EQ(simtest::CountLogLines("Failed to find data/simulation/scripts/nosuch.txt"), 1);
  EXPECT_EQ(simtest::CountLogLines("Script of 16"), 1);  // "... characters refused"

  SIM_GetScript()->RunScript("Frobnicate(1);Frobnicate(2);Capture(after)", 1.0f);
  EXPECT_EQ(simtest::CountLogLines("Unknown scripted function"), 1);
  ASSERT_EQ(g_captured.size(), 1u);  // the rest of the script still runs
}

TEST_F(ScriptTest, StoredScriptsRunInOrderAndLeaveTheListEmpty) {
  SIM_Script* script = SIM_GetScript();
  script->RunStoredScripts();  // nothing stored: nothing happens
  script->StoreScript("Capture(1)");
  script->StoreScript("nosuch_stored.txt");
  script->StoreScript("Capture(2)");
  script->RunStoredScripts();
  ASSERT_EQ(g_captured.size(), 2u);
  EXPECT_EQ(g_captured[0][0], "1");
  EXPECT_EQ(g_captured[1][0], "2");
  EXPECT_TRUE(script->GetStoredScripts().empty());
}

TEST_F(ScriptTest, ScriptRunFromACommandKeepsTheOuterScale) {
  SIM_GetScript()->RunScript("ApplyEffect(confidence,0.1,0,a);Nested();ApplyEffect(optimism,0.1,0,b)", 2.0f);
  EXPECT_FLOAT_EQ(LastEffect("loneliness")->GetEffect(), 0.1f);
  EXPECT_FLOAT_EQ(LastEffect("optimism")->GetEffect(), 0.2f);
  EXPECT_FLOAT_EQ(SIM_GetScript()->GetScale(), 1.0f);
}

TEST_F(ScriptTest, CommandsReachWhatTheyDrive) {
  SIM_Script* script = SIM_GetScript();
  GUI_Sounds* sounds = GUI_GetSounds();

  SIM_GetVede()->SetGender(SIM_MALE);
  script->RunScript("PlayGenderSound(grunt_m.ogg,grunt_f.ogg)", 1.0f);
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/grunt_m.ogg");
  SIM_GetVede()->SetGender(SIM_FEMALE);
  script->RunScript("PlayGenderSound(grunt_m.ogg,grunt_f.ogg)", 1.0f);
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/grunt_f.ogg");
  script->RunScript("PlaySound(applause.ogg);OverrideMusic(party.ogg,1)", 1.0f);
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/applause.ogg");
  EXPECT_EQ(sounds->GetOverrideName(), "data/sounds/party.ogg");

  script->RunScript("SelectSocial(cinema)", 1.0f);
  EXPECT_TRUE(GUI_SocialActivityChooser::IsOpen());
  // Both are left-hand windows: the solo chooser takes the social one's place.
  script->RunScript("SelectSolo(walkpark)", 1.0f);
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  EXPECT_FALSE(GUI_SocialActivityChooser::IsOpen());

  script->RunScript("TutorialWindow(TITLE_KEY,TEXT_KEY,1,-1,-1);HighlightRect(10,20,30,40)", 1.0f);
  ASSERT_NE(GUI_TutorialWindow::PTheWindow, nullptr);
  EXPECT_EQ(GUI_TutorialWindow::PTheWindow->GetTitle(), "TITLE_KEY");  // not a key: shown as written
  EXPECT_EQ(GUI_TutHighlighter::GetHighlightRect().bottom, 40);
  script->RunScript("AllowButton(NoSuchButton);CloseWindow(NoSuchWindow)", 1.0f);  // nothing found: nothing done

  script->RunScript("AddSmalltalk(SMALLTALK_TEST,4)", 1.0f);
  ASSERT_FALSE(SIM_GetSmallTalk()->GetTempEvents().empty());
  EXPECT_EQ(SIM_GetSmallTalk()->GetTempEvents().back()->key, "SMALLTALK_TEST");
  EXPECT_EQ(SIM_GetSmallTalk()->GetTempEvents().back()->duration, 4);

  SIM_GetDirt()->Initialise();
  SIM_Dirt::GetDirtValue()->SetValue(0.7f);
  script->RunScript("Call(cleanhome)", 1.0f);
  EXPECT_FLOAT_EQ(SIM_Dirt::GetDirtValue()->GetValue(), 0.0f);
}

// The shipped scripts: every one that the game runs by name exists, and each runs cleanly against
// the shipped tables (known commands, known attributes, known tuning variables).
TEST(ShippedScripts, ExistAndRunCleanly) {
  const char* named[] = {
      "birthday_party.txt", "daily_grind.txt", "birthday_good.txt", "birthday_depressing.txt",
      "drunk_driving.txt", "stuck_in_traffic.txt", "missed_bus.txt", "burgled.txt", "arrested_mugger.txt",
      "defeated_mugger.txt", "mugged.txt", "promotion.txt", "stuck_in_boring_job.txt", "job_offered.txt",
      "job_rejection.txt", "won_bowling_match.txt", "lost_bowling_match.txt", "bowling_team_kicked_off.txt",
      "bar_brawl.txt", "restaurant_hip.txt", "restaurant_snooty.txt", "restaurant_cheapo.txt",
      "eatboringfood.txt", "ate_popcorn.txt", "read_magazine.txt", "service_not_enough_money.txt",
      "solo_event.txt", "bored_by_solo_choice.txt", "bored_by_social_choice.txt",
      "organised_big_positive_event.txt", "arranged_social_event.txt", "attended_social_event.txt",
      "invite_rejected.txt", "falsely_pleaded_poverty.txt", "romance_effects.txt",
      "restaurant_turned_away.txt", "crossword_failed.txt", "course_completed.txt", "cat_left_home.txt",
      "dog_left_home.txt", "fish_died.txt", "newfriend.txt", "lost_a_friend.txt", "dumped_by_partner.txt"};
  const std::string folder = testsupport::RepoPath("data/simulation/scripts/");
  for (const char* name : named) EXPECT_TRUE(testsupport::Exists(folder + name)) << name;

  GetDebug()->Initialise();
  SIM_GetGlobalVariables()->Load();
  simtest::ResetPlayerState();
  SIM_GetVede()->LoadAttributes();
  SIM_GetDirt()->Initialise();
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    // The tutorial's steps name the in-game screen's panels; the tutorial's own test plays them.
    if (name.rfind("tutorial_", 0) == 0) continue;
    // The jobs' and the ways to work's own folders are run by the lints of their data.
    if (entry.is_directory()) continue;
    SCOPED_TRACE(name);
    SIM_GetScript()->RunScript(name, 1.0f);
    EXPECT_EQ(SIM_GetVede()->CountSkills(), 0);  // every name is one of the player's attributes
  }
  for (const char* fault : {"Unknown scripted function", "Failed to find", "Missing Global variable",
                            "Error: Attempt to affect"}) {
    EXPECT_EQ(simtest::CountLogLines(fault), 0) << fault;
  }
  simtest::ResetPlayerState();
}

}  // namespace
