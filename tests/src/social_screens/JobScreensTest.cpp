// The job market's screens, headless, on a new game over the work tests' tables: the career window,
// the industry chooser and the job browser with what each way of closing costs, the adverts and
// their templates, and the answers to an application and a friend's offer of a job.
#include <gtest/gtest.h>

#include <string>

#include "../daily_life/WorkTestSupport.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GTranslation.h"
#include "GUI_NamedObject.h"
#include "GUI_ButtonText.h"
#include "GUI_CloseButton.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_IndustryIcon.h"
#include "GUI_JobAd.h"
#include "GUI_JobAdTemplate.h"
#include "GUI_JobBrowser.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_JobOffer.h"
#include "GUI_JobSearch.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Promotion.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "SIM_Industry.h"
#include "SIM_JobOffer.h"
#include "SIM_NPC.h"
#include "SIM_SIM.h"

namespace {

using namespace std::string_literals;

class JobScreens : public worktest::WorkGame {
 protected:
  void SetUp() override {
    WorkGame::SetUp();
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    for (SIM_JobBase* job : SIM_JobBase::AllJobs) job->SetAvailableToday(true);
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    GUI_PhoneMessage::ClearAll();
    SIM_JobOffer::DeleteAll();
  }
  static std::string Money(const char* amount, bool blank) {
    return std::string(GetGame()->GetCurrency()) + (blank ? " " : "") + amount;
  }
  static std::string Str(const char* key) { return GTranslation::GetString(key); }
  static int SlotsLeft() { return (int)SIM_GetSim()->GetActivitiesRemaining(); }
  static SIM_NPC* Friend() {
    SIM_NPC* npc = SIM_NPC::CreateNew(SIM_MALE);
    npc->FinishCreating();
    return npc;
  }
  static SIM_Industry* Industry(const char* name) { return SIM_Industry::GetIndustry(name); }
  static GUI_JobBrowser* Browse(const char* industry) {
    GUI_JobBrowser::Create(Industry(industry));
    return GUI_JobBrowser::PTheWindow;
  }
};

TEST_F(JobScreens, TheCareerWindowShowsTheLadderOnlyForAJobThatHasOne) {
  struct Case {
    int guid;
    int grade;
    bool ladder;
    const char* prospects;  // a key, or null for the graded text
  };
  for (const Case& c : {Case{1300, 0, false, ""}, Case{1112, 5, true, "JOBINSTANCE_TOPGRADE"},
                        Case{1112, 2, true, "JOBINSTANCE_PROSPECTS_TOOSOON"}}) {
    Take(c.guid)->SetGrade(c.grade);
    GUI_JobInstanceDetails::Create(0);
    GUI_JobInstanceDetails* window = GUI_JobInstanceDetails::PTheWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->HasLadder(), c.ladder) << c.guid;
    EXPECT_EQ(window->ProspectsText(), *c.prospects ? Str(c.prospects) : "") << c.guid;
    EXPECT_EQ(window->GetSalaryLine().find(Str("JOBINSTANCE_SALARY")), 0u);
    GUI_GetWindowManager()->Draw();
    GUI_JobInstanceDetails::Close();
  }
  // The grade count of the top grade.
  Take(1112)->SetGrade(5);
  GUI_JobInstanceDetails::Create(0);
  D3DEngine::GetRecorder().Clear();
  GUI_JobInstanceDetails::PTheWindow->Draw();
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("(6/6)"));
  // The performance is weighed on the job's attributes, by their game names.
  EXPECT_EQ(GUI_JobInstanceDetails::PTheWindow->DependsOnList(), GTranslation::GetString("nv_test_talent"));
}

TEST_F(JobScreens, OnlyActingAndMusicNameThePartAfterTheTitle) {
  Take(1201);
  GUI_JobInstanceDetails::Create(0);
  EXPECT_EQ(GUI_JobInstanceDetails::PTheWindow->GetTitleLine(),
            Job(1201)->GetDesc(Vede()->GetGender()) + " (Film extra)");
  GUI_JobInstanceDetails::Close();
  Take(1300);
  GUI_JobInstanceDetails::Create(0);
  EXPECT_EQ(GUI_JobInstanceDetails::PTheWindow->GetTitleLine(), "Ledger Keeper");
}

TEST_F(JobScreens, TheJobButtonTogglesTheCareerWindowAndRegistersItsNames) {
  GUI_JobInstanceDetails::Create(0);
  ASSERT_TRUE(GUI_JobInstanceDetails::IsOpen());
  EXPECT_EQ(GUI_NamedObject::GetByName("Career"), GUI_JobInstanceDetails::PTheWindow);
  EXPECT_NE(GUI_NamedObject::GetByName("JobSearchButton"), nullptr);
  GUI_JobInstanceDetails::Create(0);
  EXPECT_FALSE(GUI_JobInstanceDetails::IsOpen());
  EXPECT_EQ(GUI_NamedObject::GetByName("Career"), nullptr);
}

TEST_F(JobScreens, EveryWayOfClosingTheChooserUsesTheEveningSlotButTheBrowserDoesNot) {
  SIM_GetSim()->SetSlots(4, 0);
  const int start = SlotsLeft();
  // Career -> chooser -> back -> career -> chooser -> industry: two slots.
  GUI_JobInstanceDetails::Create(0);
  GUI_JobInstanceDetails::JobSearch(0);
  ASSERT_TRUE(GUI_JobSearch::IsOpen());
  EXPECT_EQ(SlotsLeft(), start);
  GUI_JobSearch::GoBack(0);
  EXPECT_TRUE(GUI_JobInstanceDetails::IsOpen());
  EXPECT_EQ(SlotsLeft(), start - 1);
  GUI_JobInstanceDetails::JobSearch(0);
  GUI_JobSearch::SetIndustry(Industry("sales"));
  EXPECT_EQ(SlotsLeft(), start - 2);
  ASSERT_TRUE(GUI_JobBrowser::IsOpen());
  // Back from the browser opens a new chooser at no cost; Escape closes that one for a slot.
  GUI_JobBrowser::GoBack(0);
  EXPECT_EQ(SlotsLeft(), start - 2);
  ASSERT_TRUE(GUI_JobSearch::IsOpen());
  GUI_GetGUI()->HandleKey(GUI_JobSearch::KEY_ESCAPE);
  EXPECT_FALSE(GUI_JobSearch::IsOpen());
  EXPECT_EQ(SlotsLeft(), start - 3);
}

TEST_F(JobScreens, IndustryIconsFillRowsOfFour) {
  GUI_JobSearch::Create();
  ASSERT_TRUE(GUI_JobSearch::IsOpen());
  const auto& icons = GUI_JobSearch::PTheWindow->GetIcons();
  ASSERT_EQ(icons.size(), SIM_Industry::All.size());
  EXPECT_EQ(icons[0]->GetPicture().GetTextureName(), "job_" + SIM_Industry::All[0]->GetName() + ".dds");
  // Clicking an icon opens its industry's browser.
  icons[1]->Click();
  ASSERT_TRUE(GUI_JobBrowser::IsOpen());
  EXPECT_EQ(GUI_JobBrowser::PTheWindow->GetIndustry(), SIM_Industry::All[1]);
}

TEST_F(JobScreens, TheBrowserPagesWithoutWrappingAlsoByTheWheel) {
  Take(1201);  // not in sales: both sales jobs are listed
  GUI_JobBrowser* browser = Browse("sales");
  ASSERT_NE(browser, nullptr);
  ASSERT_EQ(SIM_JobBase::ValidJobs.size(), 2u);
  EXPECT_EQ(browser->GetJob(), SIM_JobBase::ValidJobs[0]);
  browser->UpdateButtons();
  EXPECT_FALSE(browser->GetPrevButton()->IsEnabled());
  GUI_JobBrowser::PrevType(0);  // before the first: nothing
  EXPECT_EQ(browser->GetPosition(), 0u);
  GUI_JobBrowser::MouseWheelDown();
  EXPECT_EQ(browser->GetJob(), SIM_JobBase::ValidJobs[1]);
  GUI_JobBrowser::NextType(0);  // past the last: nothing
  EXPECT_EQ(browser->GetPosition(), 1u);
  browser->UpdateButtons();
  EXPECT_FALSE(browser->GetNextButton()->IsEnabled());
  EXPECT_TRUE(browser->GetPrevButton()->IsEnabled());
  GUI_JobBrowser::MouseWheelUp();
  EXPECT_EQ(browser->GetPosition(), 0u);
  EXPECT_EQ(browser->GetAd()->GetJob(), SIM_JobBase::ValidJobs[0]);
}

TEST_F(JobScreens, AnIndustryWithoutJobsSaysSoAndOffersNoButtons) {
  for (SIM_JobBase* job : SIM_JobBase::AllJobs) job->SetAvailableToday(false);
  GUI_JobBrowser* browser = Browse("acting");
  ASSERT_NE(browser, nullptr);
  D3DEngine::GetRecorder().Clear();
  browser->Draw();
  EXPECT_EQ(browser->GetJob(), nullptr);
  EXPECT_FALSE(browser->GetChooseButton()->IsEnabled());
  EXPECT_FALSE(browser->GetNextButton()->IsVisible());
  EXPECT_FALSE(browser->GetPrevButton()->IsVisible());
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText(Str("NO_JOBS_FOUND").substr(0, 12)));  // wrapped: its first words
}

TEST_F(JobScreens, AJobWhosePrerequisitesAreUnmetCanBeReadButNotChosen) {
  GUI_JobBrowser* browser = Browse("acting");  // the part needs "test_flag" 0.5
  ASSERT_NE(browser, nullptr);
  browser->UpdateButtons();
  EXPECT_FALSE(browser->GetChooseButton()->IsEnabled());
  EXPECT_EQ(browser->GetChooseButton()->GetDisabledClickExplanation(), "CHOOSE_JOB_DISABLED");
  SIM_NamedValueList::ForceGlobal("test_flag", 1.0f);
  browser->UpdateButtons();
  EXPECT_TRUE(browser->GetChooseButton()->IsEnabled());
}

TEST_F(JobScreens, ApplyingFilesAnApplicationAndTheJobLeavesTheList) {
  Take(1201);
  GUI_PhoneMessage::PrepareNPCMessage(Friend(), "held back");
  GUI_JobBrowser* browser = Browse("sales");
  ASSERT_NE(browser, nullptr);
  SIM_JobBase* job = browser->GetJob();
  GUI_JobBrowser::ChooseJob(0);
  EXPECT_FALSE(GUI_JobBrowser::IsOpen());
  ASSERT_EQ(SIM_JobOffer::All.size(), 1u);
  EXPECT_EQ(SIM_JobOffer::All[0]->GetJob(), job);
  EXPECT_EQ(job->GetDaysUntilReapply(), 7);
  // Closing the browser ends the evening activity's GUI step: held-back messages arrive.
  EXPECT_TRUE(GUI_PhoneMessage::Pending.empty());
  EXPECT_EQ(GUI_PhoneMessage::All.size(), 1u);
  Browse("sales");
  EXPECT_EQ(SIM_JobBase::ValidJobs.size(), 1u);
  EXPECT_NE(SIM_JobBase::ValidJobs[0], job);
}

TEST_F(JobScreens, AdvertsShowOneSalaryOrALadderAndEachRequirementWithThePlayersValue) {
  GUI_JobAd ad;
  ad.Initialise(Job(1300));  // 15000 both ends
  EXPECT_EQ(ad.GetSalaryText(), Str("JOBAD_SALARY") + " " + Money("15,000", true));
  EXPECT_EQ(ad.GetRequirementsText(), "\t" + Str("JOBAD_NOREQUIREMENTS") + "</N>") << "an opening for anyone says so";
  EXPECT_EQ(ad.GetComposed().find("<REQUIREMENTS>"), std::string::npos);
  ad.Initialise(Job(1112));
  EXPECT_EQ(ad.GetSalaryText(), Str("JOBAD_SALARY") + " " + Money("13,000", true) + " - " + Money("26,000", true));
  EXPECT_EQ(ad.GetTemplate(), GUI_JobAdTemplate::GetByName("plain"));

  // An upper and a lower bound, each with the player's own value.
  SIM_JobBase* job = Job(1300);
  job->AddPreRequisite("<test_flag,0.3", false, true);
  job->AddPreRequisite("test_talent,0.6", false, false);
  ASSERT_EQ(job->GetPreRequisites().size(), 2u);
  ad.Initialise(job);
  const std::string you = Str("JOBAD_YOU");
  const std::string& text = ad.GetRequirementsText();
  EXPECT_NE(text.find("\t[ " + Str("LESSTHAN") + " 30%] "), std::string::npos) << text;
  EXPECT_NE(text.find(" (" + you + ": 0%)</N>"), std::string::npos) << text;
  EXPECT_NE(text.find("\t[60%] "), std::string::npos) << text;
  EXPECT_NE(text.find(" (" + you + ": 70%)</N>"), std::string::npos) << text;
}

TEST_F(JobScreens, TheFirstTemplateOfANameWinsAndAMissingOneGivesAPlainAdvert) {
  GUI_JobAdTemplate::Close();
  GUI_JobAdTemplate* first = new GUI_JobAdTemplate();
  first->LoadFromText("Name=plain\0FrameName=a.dds\0Layout=<GUINAME>!\0"s, "a.txt");
  GUI_JobAdTemplate* second = new GUI_JobAdTemplate();
  second->LoadFromText("Name=plain\0FrameName=b.dds\0Layout=x\0"s, "b.txt");
  GUI_JobAdTemplate* nameless = new GUI_JobAdTemplate();
  nameless->LoadFromText("FrameName=c.dds\0Layout=y\0"s, "nameless.txt");
  EXPECT_EQ(worktest::CountLogLines("nameless.txt"), 1);
  EXPECT_EQ(GUI_JobAdTemplate::GetByName("plain"), first);
  EXPECT_EQ(GUI_JobAdTemplate::GetByName(""), nullptr);  // the nameless one matches nothing

  GUI_JobAd ad;
  ad.Initialise(Job(1112));
  EXPECT_EQ(ad.GetComposed(), "Clerk!");
  // "showbiz" is not loaded now: one warning, however often it is asked for, and a plain advert.
  ad.Initialise(Job(1201));
  ad.Initialise(Job(1201));
  EXPECT_EQ(ad.GetTemplate(), nullptr);
  EXPECT_EQ(worktest::CountLogLines("\"showbiz\""), 1);
  EXPECT_EQ(ad.GetComposed().find("Film extra"), ad.GetComposed().find("<WRAP=340>") + 10);
  GUI_JobAdTemplate::Open();
}

class JobAnswers : public JobScreens {
 protected:
  static SIM_JobOffer* Answer(int guid, bool offered, SIM_JobOffer::REJECTREASON reason) {
    SIM_JobOffer* offer = new SIM_JobOffer(Job(guid), offered, reason);
    offer->Process();
    offer->Process();
    return offer;
  }
  static GUI_PhoneMessage* MessageOf(const void* subject) {
    for (GUI_PhoneMessage* message : GUI_PhoneMessage::All)
      if (message->GetSubject() == subject) return message;
    return nullptr;
  }
};

TEST_F(JobAnswers, AnOfferHasTwoAnswersAndItsSalaryHasNoBlank) {
  SIM_JobOffer* offer = Answer(1300, true, SIM_JobOffer::REASON_ALCOHOL);
  GUI_PhoneMessage* message = MessageOf(offer);
  ASSERT_NE(message, nullptr);
  message->Open();
  GUI_JobOffer* dialog = GUI_JobOffer::PTheWindow;
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(dialog->GetAcceptButton(), nullptr);
  EXPECT_NE(dialog->GetRejectButton(), nullptr);
  EXPECT_EQ(dialog->GetTitle(), Str("JOBOFFER_TITLE"));
  GUI_JobOffer::Accept(0);
  EXPECT_EQ(Vede()->GetJob(), Job(1300));
  EXPECT_TRUE(SIM_JobOffer::All.empty());
  EXPECT_EQ(MessageOf(offer), nullptr);
  EXPECT_EQ(GUI_JobOffer::PTheWindow, nullptr);
}

TEST_F(JobAnswers, ARejectionNamesItsReasonAndOffersOnlyTheCloseButton) {
  for (SIM_JobOffer::REJECTREASON reason : {SIM_JobOffer::REASON_TIREDNESS, SIM_JobOffer::REASON_OTHER}) {
    SIM_JobOffer* offer = Answer(1112, false, reason);
    MessageOf(offer)->Open();
    GUI_JobOffer* dialog = GUI_JobOffer::PTheWindow;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetAcceptButton(), nullptr);
    EXPECT_EQ(dialog->GetRejectButton(), nullptr);
    EXPECT_EQ(dialog->GetTitle(), Str("JOBOFFER_TITLE_REJECTED"));
    EXPECT_EQ(dialog->GetText(), "No luck this time.");  // the test industry's text has no <REASON>
    GUI_JobOffer::Close();
  }
  // With the reason in the text, an unknown reason reads as "other".
  const_cast<std::string&>(Industry("sales")->GetJobRejectionText()) = "Because <REASON>";
  MessageOf(Answer(1112, false, SIM_JobOffer::REASON_OTHER))->Open();
  EXPECT_EQ(GUI_JobOffer::PTheWindow->GetText(), "Because " + Str("JOB_REASON_OTHER"));
}

TEST_F(JobAnswers, ClosingAnOfferByItsCloseButtonDropsItsRowFromTheOpenInbox) {
  SIM_JobOffer* offer = Answer(1300, true, SIM_JobOffer::REASON_ALCOHOL);
  GUI_PhoneMessage::CreateMessage("other", "stays");
  GUI_MobilePhoneInbox::Create();
  ASSERT_NE(GUI_MobilePhoneInbox::PTheWindow, nullptr);
  ASSERT_EQ(GUI_MobilePhoneInbox::PTheWindow->GetRows().size(), 2u);
  MessageOf(offer)->Open();
  ASSERT_NE(GUI_JobOffer::PTheWindow, nullptr);
  GUI_JobOffer::PTheWindow->GetCloseButton()->Click();
  EXPECT_EQ(GUI_JobOffer::PTheWindow, nullptr);
  EXPECT_TRUE(SIM_JobOffer::All.empty());
  EXPECT_EQ(GUI_PhoneMessage::All.size(), 1u);
  EXPECT_EQ(GUI_MobilePhoneInbox::PTheWindow->GetRows().size(), 1u);
  EXPECT_EQ(Vede()->GetJob(), Job(1112));
}

TEST_F(JobAnswers, AnOfferDialogLeftOpenIntoANewGameFreesNothingTwice) {
  SIM_JobOffer* offer = Answer(1300, true, SIM_JobOffer::REASON_ALCOHOL);
  MessageOf(offer)->Open();
  ASSERT_NE(GUI_JobOffer::PTheWindow, nullptr);
  // A new or loaded game frees the offers and messages first, then sweeps the windows away.
  SIM_JobOffer::DeleteAll();
  GUI_PhoneMessage::ClearAll();
  GUI_JobOffer::Close();
  EXPECT_EQ(GUI_JobOffer::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_PhoneMessage::All.empty());
}

TEST_F(JobAnswers, AnUnlockClosedByItsCloseButtonStaysInTheInbox) {
  SIM_NPC* npc = Friend();
  GUI_PhoneMessage* message = GUI_PhoneMessage::CreateJobUnlock(npc, Job(1300));
  message->Open();
  GUI_JobUnlock* dialog = GUI_JobUnlock::PTheWindow;
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->SalaryValue(), Money("15,000", true));
  dialog->GetCloseButton()->Click();
  EXPECT_EQ(GUI_JobUnlock::PTheWindow, nullptr);
  ASSERT_EQ(GUI_PhoneMessage::Find(message->GetId()), message);
  EXPECT_TRUE(message->IsRead());
  // Opened again and accepted: the job at once, and the message goes.
  message->Open();
  const int id = message->GetId();
  GUI_JobUnlock::Accept(0);
  EXPECT_EQ(Vede()->GetJob(), Job(1300));
  EXPECT_EQ(GUI_PhoneMessage::Find(id), nullptr);
  EXPECT_EQ(GUI_JobUnlock::PTheWindow, nullptr);
}

TEST_F(JobAnswers, ThePromotionNoticeOpensOnlyWhenAskedFor) {
  EXPECT_EQ(GUI_Promotion::PTheWindow, nullptr);
  GUI_Promotion::Create();
  GUI_Promotion* notice = GUI_Promotion::Create();
  int open = 0;
  for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows())
    if (dynamic_cast<GUI_Promotion*>(window)) ++open;
  EXPECT_EQ(open, 1);
  EXPECT_EQ(GUI_Promotion::PTheWindow, notice);
  EXPECT_EQ(notice->GetText(), Str("PROMOTION_TEXT"));
}

}  // namespace
