// The job and industry tables: what a row becomes, the job browser's list, mod jobs, bad rows and
// a table without the start job.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Game.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "WorkTestSupport.h"

namespace {

using worktest::CountLogLines;

class JobTables : public worktest::WorkGame {};

TEST_F(JobTables, ARowBecomesAJob) {
  SIM_JobBase* clerk = Job(1112);
  ASSERT_NE(clerk, nullptr);
  EXPECT_EQ(clerk->GetName(), "clerk");
  EXPECT_EQ(clerk->GetGUIName(), "Clerk");
  EXPECT_EQ(clerk->GetCategories(), (std::vector<std::string>{"office", "desk", "default"}));
  EXPECT_EQ(clerk->GetEmployerName(), GetGame()->GetTownName() + " Council");
  EXPECT_EQ(clerk->GetWorkplace(), "the town hall");
  EXPECT_EQ(clerk->GetIndustryName(), "sales");
  EXPECT_EQ(clerk->GetAdTemplate(), "plain");
  EXPECT_EQ(clerk->GetDailyScript(), "jobs/clerk.txt");
  EXPECT_EQ(clerk->GetMinSalary(), 13000.0f);
  EXPECT_EQ(clerk->GetMaxSalary(), 26000.0f);
  EXPECT_EQ(clerk->GetTipLow(), 5.0f);
  EXPECT_EQ(clerk->GetTipHigh(), 15.0f);
  EXPECT_FALSE(clerk->IsUnemployed());
  EXPECT_EQ(clerk->GetDesc(0), "Clerk");
  EXPECT_TRUE(clerk->GetRejectText().size() > 0);

  SIM_JobBase* extra = Job(1201);
  EXPECT_EQ(extra->GetCategories(), (std::vector<std::string>{"stage", "default"}));
  EXPECT_EQ(extra->GetTipLow(), 0.0f);
  EXPECT_EQ(extra->GetTipHigh(), 0.0f);
  EXPECT_TRUE(extra->RequiresSuit());
  ASSERT_EQ(extra->GetPreRequisites().size(), 1u);
  EXPECT_EQ(extra->GetPreRequisites()[0]->name, "test_flag");

  SIM_Industry* sales = SIM_Industry::GetIndustry("sales");
  ASSERT_NE(sales, nullptr);
  EXPECT_EQ(sales->GetGUIName(), "Sales");
  EXPECT_TRUE(sales->BoostsType("cynic"));
  EXPECT_TRUE(sales->BoostsType("joker"));
  EXPECT_FALSE(sales->BoostsType("diva"));
  EXPECT_EQ(sales->GetJobOfferText(), "You got the job at <EMPLOYERNAME>.");
  EXPECT_EQ(sales->GetJobRejectionText(), "No luck this time.");
  EXPECT_EQ(SIM_Industry::GetIndustry("plumbing"), nullptr);
}

TEST_F(JobTables, InfluencesEndAtTheFirstHashAndTheRestArePrerequisites) {
  const std::string jobs = std::string(worktest::kJobs) +
                           "#,1400,odd,,Odd job,Odd,Odd,Odds Ltd,the yard,sales,plain,0,60000,N/A,0,0,1,1,1,0,"
                           "\"test_talent,0.5\",\"ab\",,\"happiness,0.25\",#,\"test_flag,0.5\",\"happiness,0.1\"\n"
                           "#,1401,far,,Far job,Far,Far,Far Ltd,the tower,sales,plain,60000,90000,N/A,0,0,1,1,1,0,\"test_talent,1\",#\n";
  Start(jobs, worktest::kIndustries, worktest::OneStoryOfEachType());
  SIM_JobBase* odd = Job(1400);
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->GetCategories(), std::vector<std::string>{"default"});
  ASSERT_EQ(odd->GetInfluences().size(), 2u);
  EXPECT_EQ(odd->GetInfluences()[0].GetAttribute(), "test_talent");
  EXPECT_FLOAT_EQ(odd->GetInfluences()[0].GetWeight(), 0.5f);
  EXPECT_EQ(odd->GetInfluences()[1].GetAttribute(), "happiness");
  ASSERT_EQ(odd->GetPreRequisites().size(), 2u);
  EXPECT_EQ(odd->GetPreRequisites()[1]->name, "happiness");

  // Better paid jobs lie farther away: minimum 0 within 0.5-10.5 miles, 50000 or more 13-30.5.
  EXPECT_GE(odd->GetCommuteDistance(), 0.5f);
  EXPECT_LE(odd->GetCommuteDistance(), 10.5f);
  EXPECT_GE(Job(1401)->GetCommuteDistance(), 13.0f);
  EXPECT_LE(Job(1401)->GetCommuteDistance(), 30.5f);
}

TEST_F(JobTables, TheBrowserListsTodaysJobsOfOneIndustryForThePlayersGender) {
  const std::string jobs = std::string(worktest::kJobs) +
                           "#,1500,seamstress,,Seamstress,,Seamstress,Stitch,the shop,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n"
                           "#,1501,doorman,,Doorman,Doorman,,Grand,the door,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n";
  Start(jobs, worktest::kIndustries, worktest::OneStoryOfEachType());
  auto listed = [](int guid) {
    for (SIM_JobBase* job : SIM_JobBase::ValidJobs) {
      if (job->GetGUID() == guid) return true;
    }
    return false;
  };
  for (SIM_GENDER gender : {SIM_MALE, SIM_FEMALE}) {
    Vede()->SetGender(gender);
    SIM_JobBase::RebuildValidJobsList("sales", false);
    EXPECT_EQ(listed(1500), gender == SIM_FEMALE);
    EXPECT_EQ(listed(1501), gender == SIM_MALE);
    EXPECT_TRUE(listed(1300));
    EXPECT_FALSE(listed(1112)) << "the job held";
    EXPECT_FALSE(listed(1201)) << "another industry";
  }

  // An application hides the job for seven daily updates.
  Job(1300)->Apply();
  for (int update = 1; update <= 7; ++update) {
    SIM_JobBase::UpdateAvailability();
    EXPECT_EQ(Job(1300)->GetDaysUntilReapply(), 7 - update);
    SIM_JobBase::RebuildValidJobsList("sales", false);
    EXPECT_EQ(listed(1300), update == 7) << "after update " << update;
  }
}

TEST_F(JobTables, ModJobsFollowTheBuiltInOnesAndABrokenRowIsSkippedWithOneWarning) {
  const std::string folder = GetGame()->GetModJobsDir();
  testsupport::WriteFile(folder + "/a.csv",
                         "#,1112,modclerk,,Mod clerk,Clerk,Clerk,Mods,the shed,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n"
                         "#,5000,modder,,Modder,Modder,Modder,Mods,the shed,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n");
  testsupport::WriteFile(folder + "/b.csv",
                         "Broken rows\n"
                         "#,5001,long,,Long,Long,Long,Mods,the shed,sales,plain,1,1,N/A,0,0,1,1,1,0," +
                             std::string(20000, 'x') + ",#\n"
                             "#,50O2,typo,,Typo,Typo,Typo,Mods,the shed,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n"
                             "#,5003,short,,Short\n"
                             "#,5004,fine,,Fine,Fine,Fine,Mods,the shed,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n");
  SIM_JobBase::Open();

  EXPECT_EQ(Job(1112)->GetName(), "clerk");
  ASSERT_NE(Job(5000), nullptr);
  ASSERT_NE(Job(5004), nullptr);
  EXPECT_EQ(Job(5001), nullptr);
  EXPECT_EQ(Job(5003), nullptr);
  std::vector<std::string> names;
  for (SIM_JobBase* job : SIM_JobBase::AllJobs) names.push_back(job->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"clerk", "extra", "ledger", "modclerk", "modder", "fine"}));
  for (int line : {2, 3, 4}) {
    EXPECT_EQ(CountLogLines("b.csv:" + std::to_string(line)), 1) << "line " << line;
  }
}

TEST_F(JobTables, BadRowsOfTheJobTableGetOneWarningNamingFileAndLine) {
  const std::string jobs = std::string(worktest::kJobs) +
                           "#,11l3,typo,,Typo,Typo,Typo,Typos,the desk,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n"
                           "#,1600,plumber,,Plumber,Plumber,Plumber,Pipes,the van,plumbing,plain,1,1,N/A,0,0,1,1,1,0,#\n"
                           "#,0,nobody,,Nobody,Nobody,Nobody,None,nowhere,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n";
  Start(jobs, worktest::kIndustries, worktest::OneStoryOfEachType());
  const std::string file = "data/simulation/jobs.csv:";
  EXPECT_EQ(CountLogLines(file + "5: job GUID \"11l3\" is not a number"), 1);
  EXPECT_EQ(CountLogLines(file + "6: job \"plumber\" names the unknown industry \"plumbing\""), 1);
  EXPECT_EQ(CountLogLines(file + "7: job GUID 0"), 1);
  EXPECT_EQ(SIM_JobBase::AllJobs.size(), 4u);  // the plumber works on, out of the browser's sight
  ASSERT_NE(Job(1600), nullptr);
  EXPECT_EQ(Job(0), SIM_JobBase::OutOfWork());
  EXPECT_TRUE(HeadlessPlayer::LogProblems().empty());
}

TEST_F(JobTables, WithoutTheStartJobThePlayerIsOutOfWork) {
  Start("#,1300,ledger,office,Ledger,Ledger,Ledger,Flat Co,the office,sales,plain,1,1,N/A,0,0,1,1,1,0,#\n",
        worktest::kIndustries, worktest::OneStoryOfEachType());
  SIM_JobBase* job = Vede()->GetJob();
  ASSERT_EQ(job, SIM_JobBase::OutOfWork());
  EXPECT_TRUE(job->IsUnemployed());
  EXPECT_EQ(job->GetGUID(), 0);
  EXPECT_EQ(Vede()->GetJobInstance()->GetCurrentSalary(), 0.0f);
  EXPECT_EQ(job->GetTodaysEarnings(), 0.0f);
  for (SIM_JobBase* listed : SIM_JobBase::AllJobs) EXPECT_NE(listed, job);
  std::vector<std::string> problems = HeadlessPlayer::LogProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("Could not find job"), std::string::npos);
}

}  // namespace
