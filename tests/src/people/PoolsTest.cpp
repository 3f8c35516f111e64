// Name and portrait pools, and what broken or missing tables do: one warning naming the file (and
// the row, where there is one), a default, and the game goes on.
#include <algorithm>
#include <set>

#include "Game.h"
#include "PeopleTestSupport.h"

namespace {

using peopletest::Town;

std::string Folder(const std::string& name, const std::vector<std::string>& files) {
  std::string folder = testsupport::TestRoot() + "/" + name;
  for (const std::string& file : files) testsupport::WriteFile(folder + "/" + file, "");
  return folder;
}

TEST_F(Town, PortraitPoolsSkipGreyVersionsAndRefillFromTheFullList) {
  SIM_PortraitDatabase portraits;
  std::vector<std::string> all, unused;
  portraits.FillList(all, unused, (Folder("builtin", {"b.png", "a.png", "a_grey.png", "c.txt"}) + "/*.png").c_str());
  portraits.FillList(all, unused, (Folder("mods", {"m_grey_1.png", "z.png"}) + "/*.png").c_str());
  EXPECT_EQ(all, (std::vector<std::string>{"a.png", "b.png", "z.png"})) << "sorted, mods after built-ins";
  EXPECT_EQ(unused, all);

  // The database: the player's mods after the built-in portraits, then the unused pool first.
  GetGame()->InitDirectories();
  const std::string mods = GetGame()->GetUserDir() + "/mods/portraits_m";
  for (const char* file : {"zz_mod.png", "zz_mod_grey.png"}) testsupport::WriteFile(mods + "/" + file, "");
  SIM_PortraitDatabase* db = SIM_GetPortraits();
  db->Open();
  ASSERT_FALSE(db->GetAllMale().empty());
  EXPECT_EQ(db->GetAllMale().back(), "zz_mod.png");
  EXPECT_EQ(db->GetUnusedMale(), db->GetAllMale());
  for (const std::string& name : db->GetAllMale()) {
    if (name != "zz_mod.png") db->SetUsed(name, SIM_MALE);
  }
  for (int i = 0; i < 10; ++i) EXPECT_EQ(db->GetMalePortrait(), "zz_mod.png") << "the unused pool first";
  db->SetUsed("zz_mod.png", SIM_MALE);
  EXPECT_TRUE(db->GetUnusedMale().empty());
  EXPECT_FALSE(db->GetMalePortrait().empty()) << "faces repeat once all are used";
  db->ReusePortrait("zz_mod.png", SIM_MALE);
  db->ReusePortrait("zz_mod.png", SIM_MALE);
  EXPECT_EQ(db->GetUnusedMale().size(), 2u);
  db->SetUsed("zz_mod.png", SIM_MALE);
  EXPECT_TRUE(db->GetUnusedMale().empty()) << "every copy goes";
  db->Close();
}

TEST_F(Town, NoPortraitsAtAllGiveAnEmptyNameAndOneWarning) {
  SIM_PortraitDatabase* db = SIM_GetPortraits();
  db->Close();
  for (int i = 0; i < 5; ++i) {
    SIM_NPC* npc = Npc(i % 2 ? SIM_MALE : SIM_FEMALE);
    EXPECT_EQ(npc->GetPortraitTexture(), "");
  }
  db->Open();  // the repository's folders, which may be empty on this branch
  if (db->GetAllMale().empty()) {
    EXPECT_EQ(Occurrences("No portraits in data/bitmaps/male_portraits/"), 1);
  }
}

TEST_F(Town, NamesAreDrawnFromTheirTablesAndNeverThePlayersForename) {
  std::list<SIM_Name*> list;
  SIM_Names::LoadNames(WriteTable("names.csv", "Header line\n#,Alex\n#,Sam,extra field\n\n#,Kim\n").c_str(), list);
  std::vector<std::string> names;
  for (SIM_Name* name : list) names.push_back(name->Get());
  EXPECT_EQ(names, (std::vector<std::string>{"Alex", "Sam", "Kim"}));
  for (SIM_Name* name : list) delete name;

  for (int i = 0; i < 50; ++i) EXPECT_NE(SIM_Names::GetForename(0, "English", SIM_MALE, true), "Alex");
  EXPECT_FALSE(SIM_Names::GetTownName().empty());
}

struct BadTable {
  const char* what;
  const char* file;  // under data/simulation/
  const char* text;
  const char* warning;  // the log names the problem with this
};

void PrintTo(const BadTable& table, std::ostream* os) { *os << table.what; }

class BadInput : public Town, public ::testing::WithParamInterface<BadTable> {};

TEST_P(BadInput, OneWarningADefaultAndTheTownStillGrows) {
  const BadTable& bad = GetParam();
  const std::string path = WriteTable(bad.file, bad.text);
  auto reload = [&path](std::list<SIM_Name*>& list) {
    for (SIM_Name* name : list) delete name;
    list.clear();
    SIM_Names::LoadNames(path.c_str(), list);
  };
  if (std::string(bad.file) == "surnames.csv") {
    reload(SIM_Names::Surnames);
  } else if (std::string(bad.file) == "maleforenames.csv") {
    reload(SIM_Names::MaleForenames);
  } else if (std::string(bad.file) == "charactertypes.csv") {
    SIM_CharacterType::Open(path.c_str());
  } else if (std::string(bad.file) == "interests.csv") {
    SIM_InterestType::Open(path.c_str());
  } else if (std::string(bad.file) == "hidden_attributes.csv") {
    SIM_HiddenAttribute::Open(path.c_str());
  }
  for (int i = 0; i < 30; ++i) Npc(i % 2 ? SIM_MALE : SIM_FEMALE);
  EXPECT_EQ(SIM_NPC::All.size(), 30u);
  EXPECT_EQ(Occurrences(bad.warning), 1) << bad.what;
  for (SIM_NPC* npc : SIM_NPC::All) {
    if (std::string(bad.file) == "charactertypes.csv") {
      EXPECT_EQ(npc->GetCharacterTypes().size(), 2u) << bad.what;
    }
  }
  SIM_NPC::ProcessAllNPCS();
  SIM_Names::Open();
}

const BadTable kBadTables[] = {
    {"empty surnames", "surnames.csv", "Columns: #,surname\n", "No names found in "},
    {"every forename the player's", "maleforenames.csv", "#,Alex\n#,Alex\n", "Every forename of the pool is the player's"},
    {"all frequencies 0", "charactertypes.csv", "#,a,A,d,d2,0,1,\n#,b,B,d,d2,0,1,\n#,c,C,d,d2,0,0,\n",
     "charactertypes.csv: every frequency is 0"},
    {"a word for a number", "interests.csv", "#,chess,Chess,lots,,,#\n#,golf,Golf,0.3,,,#\n",
     "interests.csv:1: \"lots\" is not a number"},
    {"a word for a chance", "hidden_attributes.csv", "#,calm,0.1,\n#,jumpy,often,\n",
     "hidden_attributes.csv:2: \"often\" is not a number"},
};

INSTANTIATE_TEST_SUITE_P(People, BadInput, ::testing::ValuesIn(kBadTables),
                         [](const ::testing::TestParamInfo<BadTable>& info) {
                           std::string name = info.param.what;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !isalnum((unsigned char)c); }, '_');
                           return name;
                         });

}  // namespace
