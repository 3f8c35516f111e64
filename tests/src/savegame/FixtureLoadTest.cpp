// Hand-made saves (tests/fixtures/savegame/) load with the fallbacks an old or odd file needs:
// missing optional sections and elements read as the reset left them or as 0 and empty, a group
// naming something the game does not have is skipped with one warning, and the saved turn decides
// where the day goes on.
#include <fstream>

#include "GDebug.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_Avatar.h"
#include "GUI_AvatarLayer.h"
#include "Game.h"
#include "SIM_Finances.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"
#include "SaveGameTestSupport.h"

namespace {

// The debug log's lines that hold the text.
int LogLinesWith(const std::string& text) {
  std::ifstream log(GetDebug()->GetPath());
  int count = 0;
  for (std::string line; std::getline(log, line);) count += line.find(text) != std::string::npos;
  return count;
}

class Fixture : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(1); }
  void Load(const std::string& name) {
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromPath(testsupport::FixturePath("savegame/" + name + ".xml"), name))
        << SIM_GetLoadGame()->GetFailureText();
  }
  static SIM_NPC* Npc(int slid) { return dynamic_cast<SIM_NPC*>(SIM_Person::GetBySLID(slid)); }
};

TEST_F(Fixture, ASaveWithoutOptionalSectionsLoads) {
  Load("no_optional");
  EXPECT_EQ(GetGame()->GetTownName(), "Millbrook");
  EXPECT_EQ(SIM_GetFinances()->GetCash(), 1000.5f);
  EXPECT_EQ(SIM_NPC::All.size(), 2u);
  EXPECT_EQ(SIM_GetVede()->GetSLID(), 0);
  EXPECT_EQ(SIM_GetVede()->CountFriendships(), 1);
  ASSERT_NE(Npc(2), nullptr);
  EXPECT_NE(SIM_GetVede()->GetRelationship(Npc(1)), nullptr);
  EXPECT_EQ(SIM_GetVede()->GetJob()->GetGUID(), 1112);
  EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 3);
  // Without a saved turn and with a slot left, the save was made at the day's boundary: the
  // morning's page is open.
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_WOKEUP);
  EXPECT_TRUE(GUI_WokeUpScreen::IsOpen());
  // Persons made after the load take identities nobody holds.
  EXPECT_EQ(SIM_GetSaveGame()->GetSLIDCounter(), 3);
  EXPECT_EQ(LogLinesWith("is not known"), 0);
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, MissingElementsReadAsZeroOrEmptyAndTheNextOnesStillLoad) {
  Load("missing_elements");
  ASSERT_NE(Npc(1), nullptr);
  ASSERT_NE(Npc(2), nullptr);
  EXPECT_EQ(Npc(1)->GetSnubCause(), "");
  EXPECT_EQ(Npc(1)->GetDaysSinceSeen(), 11);  // the element after the missing one
  EXPECT_EQ(Npc(2)->GetWeeklyCash(), 0.0f);
  EXPECT_GT(Npc(2)->GetCash(), 0.0f);
  const SIM_Relationship* link = SIM_GetVede()->GetRelationship(Npc(1));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->GetBalance(), 0.0f);
  EXPECT_TRUE(link->IsPlayerCreated());
  EXPECT_TRUE(link->IsFriendship());
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, ARelationshipToSomeoneMissingIsDroppedAndTheOthersLoad) {
  Load("missing_person");
  EXPECT_EQ(SIM_Relationship::All.size(), 2u);
  EXPECT_EQ(SIM_GetVede()->CountRelationships(), 1);
  EXPECT_EQ(LogLinesWith("missing_person.xml:"), 1);
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, ADayWithEverySlotUsedEndsAtOnce) {
  Load("all_slots_used");
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
  EXPECT_EQ(SIM_GetSim()->GetSlots(), 2);
  EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), 0);
  // The night goes on as after any ended day.
  HeadlessPlayer::PlayDay();
  EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 4);
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, AnUnknownNameSkipsItsGroupWithOneWarning) {
  Load("unknown_names");
  // Each kind once, naming the file and the line: attribute, avatar layer, interest, character
  // type, memory, job held, job applied for, commute, asset and special event.
  for (const char* name : {"sixth_sense", "Man's Kilt", "jousting", "pirate", "space_race", "4242", "9999", "jetpack",
                           "hovercraft", "moon_landing"}) {
    EXPECT_EQ(LogLinesWith(std::string("\"") + name + "\" is not known"), 1) << name;
  }
  EXPECT_EQ(LogLinesWith("unknown_names.xml:"), 10);
  // A job the tables do not hold leaves the player out of work.
  ASSERT_NE(SIM_GetVede()->GetJob(), nullptr);
  EXPECT_EQ(SIM_GetVede()->GetJob()->GetGUID(), SIM_JobBase::kOutOfWorkGUID);
  EXPECT_EQ(SIM_NPC::All.size(), 2u);
  EXPECT_EQ(SIM_GetFinances()->GetCash(), 1000.5f);
  // The game plays on.
  HeadlessPlayer::PlayDay();
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, LayersBeyondTenAreIgnored) {
  Load("eleven_layers");
  EXPECT_EQ(LogLinesWith("more than ten avatar layers"), 1);
  const GUI_AvatarLayer* shoes = GUI_GetAvatar()->GetLayer(5);
  ASSERT_NE(shoes, nullptr);
  EXPECT_EQ(shoes->GetGUIName(), "Man's Trainers");
  EXPECT_EQ(shoes->GetColorTint().r, 235);  // the ignored eleventh layer's tint is not taken
  savetest::ExpectCleanLog();
}

TEST_F(Fixture, ASaveMadeAfterWorkReopensItsPageAndIsPaidOnce) {
  Load("after_work");
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_COMMUTEBACK);
  EXPECT_TRUE(GUI_CommuteBackScreen::IsOpen());
  HeadlessPlayer::PlayToEndOfDay();
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
  EXPECT_LE(SIM_GetFinances()->GetCash(), 1000.5f);
  savetest::ExpectCleanLog();
}

}  // namespace
