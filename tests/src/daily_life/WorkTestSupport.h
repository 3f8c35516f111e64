#pragma once
// A new game on tables of the test's own: a few jobs, two industries and one story of every
// type, written into this process's world in place of the game's data before the game starts.
// The world's data files are links into the repository: they are removed, never written through.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "GDebug.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace worktest {

// Columns: GUID, name, categories, display name, male title, female title, employer, workplace,
// industry, advert, min and max salary, tips, suit, unlockable, chance, colleague frequency,
// spare, unused, influences..., "#", prerequisites...
// Performance follows the game-wide value "test_talent"; the actor's part needs "test_flag".
inline const char* kJobs =
    "Jobs of the tests\n"
    "#,1112,clerk,\"office,desk\",Clerk,Clerk,Clerk,<TOWNNAME> Council,the town hall,sales,plain,13000,26000,\"5,15\",0,0,1,1,7,0,\"test_talent,1\",#\n"
    "#,1201,extra,stage,Film extra,Actor,Actress,Studio One,the studio,acting,showbiz,14000,20000,N/A,1,0,1,1,1,0,\"test_talent,1\",#,\"test_flag,0.5\"\n"
    "#,1300,ledger,office,Ledger keeper,Ledger Keeper,Ledger Keeper,Flat Co,the office,sales,plain,15000,15000,N/A,0,0,1,1,1,0,\"test_talent,1\",#\n";

inline const char* kIndustries =
    "#,sales,Sales,\"cynic,joker\",You got the job at <EMPLOYERNAME>.,No luck this time.\n"
    "#,acting,Acting,diva,Break a leg at <EMPLOYERNAME>.,Not this part.\n";

// A story file's text.
inline std::string Story(const std::string& type, const std::string& categories, float frequency,
                         const std::string& onTrigger = "") {
  return "[data]\nType=" + type + "\nTitle=" + type + " title\nDescription=" + type + " text\nOnTrigger=" + onTrigger +
         "\nFrequency=" + std::to_string(frequency) + "\nCategories=" + categories + "\n";
}

inline std::string DataPath(const std::string& relative) { return testsupport::ResourcesRoot() + "/data/" + relative; }

// The file of the game's data replaced by the text.
inline void ReplaceData(const std::string& relative, const std::string& text) {
  std::filesystem::remove(DataPath(relative));
  testsupport::WriteFile(DataPath(relative), text);
}

// The story tree replaced by the files given as "folder/name.txt" and their text.
inline void ReplaceStories(const std::vector<std::pair<std::string, std::string>>& files) {
  std::filesystem::remove_all(DataPath("simulation/jobevents"));
  std::filesystem::create_directories(DataPath("simulation/jobevents"));
  for (const auto& [name, text] : files) testsupport::WriteFile(DataPath("simulation/jobevents/" + name), text);
}

inline std::vector<std::pair<std::string, std::string>> OneStoryOfEachType() {
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* type :
       {"default", "firstday", "good_performance", "bad_performance", "newfriend", "promotion", "fired"}) {
    files.push_back({std::string("all/") + type + ".txt", Story(type, "default", 1.0f)});
  }
  return files;
}

inline int CountLogLines(const std::string& text) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  int count = 0;
  for (size_t pos = log.find(text); pos != std::string::npos; pos = log.find(text, pos + text.size())) ++count;
  return count;
}

inline void Tune(const char* key, float value) { SIM_GetGlobalVariables()->Set(key, value); }

// A new game on the test tables, Monday morning.
class WorkGame : public ::testing::Test {
 protected:
  void SetUp() override { Start(kJobs, kIndustries, OneStoryOfEachType()); }

  static void Start(const std::string& jobs, const std::string& industries,
                    const std::vector<std::pair<std::string, std::string>>& stories, unsigned seed = 5) {
    ReplaceData("simulation/jobs.csv", jobs);
    ReplaceData("simulation/industries.csv", industries);
    ReplaceStories(stories);
    for (const char* name : {"clerk", "extra", "ledger"}) {
      ReplaceData(std::string("simulation/scripts/jobs/") + name + ".txt", "");
    }
    HeadlessPlayer::StartNewGame(seed);
    SIM_NamedValueList::ForceGlobal("test_talent", 0.7f);
    SIM_NamedValueList::ForceGlobal("test_flag", 0.0f);
  }

  static SIM_Vede* Vede() { return SIM_GetVede(); }
  static SIM_JobInstance* Instance() { return SIM_GetVede()->GetJobInstance(); }
  static SIM_JobBase* Job(int guid) { return SIM_JobBase::GetJobByGUID(guid); }
  // The player's job, taken afresh.
  static SIM_JobInstance* Take(int guid) {
    SIM_GetVede()->SetJob(Job(guid));
    return Instance();
  }
  static void SetWeekday(int day) { SIM_Date::PPresentDay->SetDayOfWeek(day); }
  static void SetBase(const char* attribute, float value) { SIM_GetVede()->InitAttrib(attribute, value); }
};

}  // namespace worktest
