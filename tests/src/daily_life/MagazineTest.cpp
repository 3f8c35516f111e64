// Magazines: the weekly issue on sale, a night's reading and the finished issue that goes, the
// title's flag while another issue is owned, and bad rows. Each test starts a fresh game and
// reads a small table of its own.
#include <gtest/gtest.h>

#include <string>

#include "GDebug.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Magazine.h"
#include "SIM_MagazineAsset.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

const char* const kMagazineRows =
    "Header line, never a row\n"
    "#,mag_news,The News,All the news.,mag_news.dds,3.50,\"ApplyEffect(culture,0.01,1.0,The News)\"\n"
    "#,mag_sport,Sport Today,Goals.,mag_sport.dds,two pounds,\n";

class Magazines : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    m_file = testsupport::TestRoot() + "/magazines_fixture.csv";
    testsupport::WriteFile(m_file, kMagazineRows);
    SIM_Magazine::Open(m_file.c_str());
    SIM_GetGlobalVariables()->Set("MAGAZINE_PERCENT_PER_DAY", 0.25f);
    SIM_GetGlobalVariables()->Set("MAGAZINE_MAX_TIREDNESS", 0.8f);
    SetTiredness(0.1f);
  }
  static void SetTiredness(float value) { SIM_GetVede()->GetNamedValue("tiredness", true)->SetValue(value); }
  static SIM_Magazine* News() { return SIM_Magazine::GetByName("mag_news"); }
  // The issue on sale bought, as the shop does.
  static SIM_MagazineAsset* Buy(SIM_Magazine* title) {
    SIM_MagazineAsset* issue = title->GetIssues().back();
    EXPECT_FALSE(issue->IsOwned());
    issue->Purchase();
    return issue;
  }
  static float Flag() { return SIM_NamedValueList::Globals.GetValue("mag_news"); }
  static size_t Owned() {
    size_t owned = 0;
    for (SIM_MagazineAsset* issue : SIM_MagazineAsset::All) owned += issue->IsOwned() ? 1 : 0;
    return owned;
  }
  std::string m_file;
};

TEST_F(Magazines, EachTitleStartsWithOneIssueOnSaleCopiedFromItsRow) {
  ASSERT_EQ(SIM_Magazine::All.size(), 2u);
  ASSERT_EQ(News()->GetIssues().size(), 1u);
  const SIM_MagazineAsset* issue = News()->GetIssues().front();
  EXPECT_EQ(issue->GetGUIName(), "The News");
  EXPECT_EQ(issue->GetTextureName(), "mag_news.dds");
  EXPECT_FLOAT_EQ(issue->GetPurchaseCost(), 3.5f);
  EXPECT_TRUE(issue->GetFlag(SIM_Asset::STEALABLE));
  EXPECT_FALSE(issue->GetFlag(SIM_Asset::SELLABLE));
  EXPECT_FLOAT_EQ(issue->GetReadPercentage(), 0.0f);
}

TEST_F(Magazines, AQuarterANightFinishesOnTheFourthAndOnlyTheEarlierIssueIsRead) {
  SIM_MagazineAsset* first = Buy(News());
  News()->Refresh();
  SIM_MagazineAsset* second = Buy(News());
  ASSERT_NE(first, second);
  EXPECT_FLOAT_EQ(Flag(), 1.0f);
  for (int night = 1; night <= 3; ++night) {
    SIM_MagazineAsset::ProcessMagazines();
    EXPECT_FLOAT_EQ(first->GetReadPercentage(), 0.25f * (float)night);
    EXPECT_FLOAT_EQ(second->GetReadPercentage(), 0.0f);
  }
  SIM_MagazineAsset::ProcessMagazines();
  // The first is gone; the second still owned keeps the title's flag.
  ASSERT_EQ(Owned(), 1u);
  EXPECT_TRUE(second->IsOwned());
  EXPECT_FLOAT_EQ(Flag(), 1.0f);
  for (int night = 0; night < 4; ++night) SIM_MagazineAsset::ProcessMagazines();
  EXPECT_EQ(Owned(), 0u);
  EXPECT_FLOAT_EQ(Flag(), 0.0f);
}

TEST_F(Magazines, APlayerAsTiredAsTheLimitReadsNothing) {
  SIM_MagazineAsset* issue = Buy(News());
  SetTiredness(0.8f);
  SIM_MagazineAsset::ProcessMagazines();
  EXPECT_FLOAT_EQ(issue->GetReadPercentage(), 0.0f);
  SetTiredness(0.79f);
  SIM_MagazineAsset::ProcessMagazines();
  EXPECT_FLOAT_EQ(issue->GetReadPercentage(), 0.25f);
}

TEST_F(Magazines, ANewIssueComesOnDayFourWhileAtMostTwoAreHeld) {
  SIM_Date::PPresentDay->SetDayOfWeek(3);
  SIM_Magazine::UpdateAll();
  EXPECT_EQ(News()->GetIssues().size(), 1u);
  // The unsold issue is replaced by a new one.
  News()->GetIssues().front()->SetReadPercentage(0.5f);
  SIM_Date::PPresentDay->SetDayOfWeek(4);
  SIM_Magazine::UpdateAll();
  ASSERT_EQ(News()->GetIssues().size(), 1u);
  EXPECT_FLOAT_EQ(News()->GetIssues().front()->GetReadPercentage(), 0.0f);
  // Three unfinished issues held: none on sale until one is finished.
  for (int week = 0; week < 3; ++week) {
    Buy(News());
    SIM_Magazine::UpdateAll();
  }
  EXPECT_EQ(News()->GetIssues().size(), 3u);
  EXPECT_EQ(Owned(), 3u);
}

TEST_F(Magazines, ANonNumericPriceIsNamedWithItsLineAndAMissingFileLeavesNoTitles) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find(m_file + ":3: price \"two pounds\" of magazine mag_sport is not a number; taken as 0"), std::string::npos);
  EXPECT_FLOAT_EQ(SIM_Magazine::GetByName("mag_sport")->GetPrice(), 0.0f);
  SIM_Magazine::Open((testsupport::TestRoot() + "/no_magazines.csv").c_str());
  EXPECT_TRUE(SIM_Magazine::All.empty());
  EXPECT_TRUE(SIM_MagazineAsset::All.empty());
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("no_magazines.csv"), std::string::npos);
}

}  // namespace
