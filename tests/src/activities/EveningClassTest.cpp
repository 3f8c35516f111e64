// The evening classes headless: how a table row becomes a class (prerequisites, the progress field,
// broken rows), when a class and its note are offered, what enrolling writes to the calendar, a
// lesson at low and full concentration up to the diploma, the hook that rebuilds the classes, and
// the class list's pages and first selection. Runs in a real new game with tables of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_EveningClassDetails.h"
#include "GUI_EveningClassPostMortem.h"
#include "GUI_EveningClasses.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_Postit.h"
#include "HOOK_EveningClassType.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// One row: every day of the week unless days are given; `tail` is what follows the ignored column.
std::string ClassRow(const std::string& category, const std::string& name, const std::string& tail,
                     const std::string& days = "1,1,1,1,1,1,1", const std::string& fee = "5") {
  return "#," + category + "," + name + ",About " + name + ",," + fee + ",-1,-1," + days + ",," + tail + "\n";
}

class EveningClasses : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetSim()->SetSlots(1, 0);
    SIM_GetFinances()->SetCash(500.0f);
    GUI_Postit::Close();
    SIM_GetCalendar()->ClearEntries();
  }
  void TearDown() override {
    GUI_EveningClassPostMortem::Close();
    GUI_EveningClasses::Close();
  }
  static void Load(const std::string& rows) {
    HOOK_EveningClassType::Enrolled.clear();
    HOOK_EveningClassType::Close();
    HOOK_EveningClassType::LoadFromText("header\n" + rows, "classes.csv", true);
  }
  static HOOK_EveningClassType* Class(const char* name) { return HOOK_EveningClassType::GetClassByName(name); }
  // Tiredness and stress at their height take all concentration; at zero, none of it.
  static void SetConcentration(bool full) {
    // Far past either end, so that the day's effects cannot pull the value back inside.
    for (const char* name : {"tiredness", "stress"}) {
      SIM_Attribute* attribute = SIM_Attribute::GetAttribute(name);
      attribute->SetBaseValue(full ? -10.0f : 10.0f);
      attribute->CalculateValue();
    }
    SIM_Attribute* alcohol = SIM_Attribute::GetAttribute("alcohol");
    alcohol->SetBaseValue(-10.0f);
    alcohol->CalculateValue();
  }
  static int CalendarCount(const std::string& text) {
    int count = 0;
    for (const SIM_Calendar::CalendarEntry* entry : SIM_GetCalendar()->GetEntries()) count += entry->text == text;
    return count;
  }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
};

TEST_F(EveningClasses, RowsBecomeClassesWithTheirPrerequisitesAndProgress) {
  Load(ClassRow("ADULT", "pottery", "ab,kiln_safety,clay,#,0.1,ignored") +  // "ab" too short
       ClassRow("ADULT", "lone_digit", "#,5") +                           // one character: no progress
       ClassRow("LAW", "ok_one", "#,1.0"));
  HOOK_EveningClassType* pottery = Class("pottery");
  ASSERT_NE(pottery, nullptr);
  std::vector<std::string> reqs;
  for (const auto* term : pottery->GetPreRequisites()) reqs.push_back(term->name);
  EXPECT_EQ(reqs, (std::vector<std::string>{"kiln_safety", "clay"}));
  // Progress, boredom, loneliness in that order; the progress names the class and its source.
  ASSERT_EQ(pottery->GetModifiers().size(), 3u);
  EXPECT_EQ(pottery->GetModifiers()[0]->GetName(), "pottery");
  EXPECT_FLOAT_EQ(pottery->GetModifiers()[0]->GetValue(), 0.1f);
  EXPECT_EQ(pottery->GetModifiers()[1]->GetName(), "boredom");
  EXPECT_EQ(pottery->GetModifiers()[2]->GetName(), "loneliness");
  EXPECT_EQ(pottery->GetGUIName(), "pottery");  // a mod class shows its name
  EXPECT_FLOAT_EQ(pottery->GetNewFriendChance(), 0.25f);

  ASSERT_NE(Class("lone_digit"), nullptr);
  EXPECT_EQ(Class("lone_digit")->GetModifiers().size(), 2u);
  EXPECT_EQ(Class("lone_digit")->GetModifiers()[0]->GetName(), "boredom");
  EXPECT_EQ(HOOK_EveningClassType::AdultClasses.size(), 2u);
  EXPECT_EQ(HOOK_EveningClassType::LawClasses.size(), 1u);
}

TEST_F(EveningClasses, BrokenRowsWarnOnceWithTheirLineAndStillMakeAClass) {
  Load(ClassRow("ADULT", "no_marker", "pottery,ceramics") + ClassRow("Adult", "odd_school", "#,0.5") +
       ClassRow("LAW", "free_fee", "#,0.5", "1,1,1,1,1,1,1", "ten"));
  const std::string log = Log();
  struct Case {
    const char* name;
    const char* what;
    int line;
  };
  for (const Case& c : {Case{"no_marker", "not closed by a \"#\" field", 2}, Case{"odd_school", "unknown category", 3},
                        Case{"free_fee", "is not a number", 4}}) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(Class(c.name), nullptr);
    const size_t at = log.find(c.what);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(log.find(c.what, at + 1), std::string::npos) << "one warning";
    const size_t lineStart = log.rfind('\n', at) + 1;
    EXPECT_NE(log.substr(lineStart, at - lineStart).find("classes.csv:" + std::to_string(c.line)), std::string::npos);
  }
  // The scan stopped at the line's end: both names are prerequisites and there is no progress.
  EXPECT_EQ(Class("no_marker")->GetPreRequisites().size(), 2u);
  EXPECT_EQ(Class("no_marker")->GetModifiers()[0]->GetName(), "boredom");
  EXPECT_TRUE(HOOK_EveningClassType::AdultClasses.size() == 1u && HOOK_EveningClassType::DramaClasses.empty());
  EXPECT_FLOAT_EQ(Class("free_fee")->GetCost(), 0.0f);
}

TEST_F(EveningClasses, OnATwoSlotDayTheClassAndItsNoteComeOnlyInTheSecondSlot) {
  Load(ClassRow("ADULT", "pottery", "#,0.1"));
  HOOK_EveningClassType* pottery = Class("pottery");
  SIM_GetSim()->SetSlots(2, 0);
  EXPECT_FALSE(pottery->IsAvailable()) << "not enrolled";

  pottery->Enroll();
  // Seven days of lessons from today, and no note yet.
  EXPECT_EQ(CalendarCount("pottery"), 7);
  EXPECT_EQ(pottery->GetReminder(), nullptr);
  EXPECT_TRUE(GUI_Postit::All.empty());
  EXPECT_FALSE(pottery->IsAvailable());
  HOOK_EveningClassType::GenerateReminders();
  EXPECT_TRUE(GUI_Postit::All.empty());

  SIM_GetSim()->SetSlots(2, 1);
  EXPECT_TRUE(pottery->IsAvailable());
  HOOK_EveningClassType::GenerateReminders();
  ASSERT_NE(pottery->GetReminder(), nullptr);
  EXPECT_EQ(pottery->GetReminder()->GetContextString(), "pottery");
  EXPECT_EQ(GUI_Postit::All.size(), 1u);
  HOOK_EveningClassType::GenerateReminders();  // a second call on the same evening: still one note
  EXPECT_EQ(GUI_Postit::All.size(), 1u);
  EXPECT_EQ(CalendarCount("pottery"), 7);

  GUI_Postit::Close();
  EXPECT_EQ(pottery->GetReminder(), nullptr);
}

TEST_F(EveningClasses, ALessonAtNoConcentrationStillTeachesAFifth) {
  Load(ClassRow("ADULT", "pottery", "#,0.5"));
  HOOK_EveningClassType* pottery = Class("pottery");
  pottery->Enroll();
  SetConcentration(false);
  ASSERT_FLOAT_EQ(SIM_GetVede()->GetConcentration(), 0.0f);
  const float cash = SIM_GetFinances()->GetCash();
  const int attended = SIM_GetStatistics()->GetIntCounter("CLASSESATTENDED");
  pottery->ProcessChunk();
  EXPECT_NEAR(SIM_GetVede()->GetValue("pottery"), 0.1f, 1e-5f);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - 5.0f);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("CLASSESATTENDED"), attended + 1);
  GUI_EveningClassPostMortem* report = GUI_EveningClassPostMortem::PTheWindow;
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->IsProgressForm());
  EXPECT_EQ(report->GetComment(), GTranslation::GetString("class_concentration_low"));
  EXPECT_NEAR(report->GetProgress(), 0.1f, 1e-5f);
  EXPECT_TRUE(pottery->IsEnrolled());

  // Closing the report, however it is closed, ends the slot once.
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);
  delete report;
  EXPECT_EQ(GUI_EveningClassPostMortem::PTheWindow, nullptr);
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
}

TEST_F(EveningClasses, AOnePointZeroClassIsCompletedByOneFullLesson) {
  Load(ClassRow("ADULT", "pottery", "#,1.0") + ClassRow("ADULT", "glazing", "pottery,#,0.1"));
  HOOK_EveningClassType* pottery = Class("pottery");
  HOOK_EveningClassType* glazing = Class("glazing");
  EXPECT_FALSE(glazing->IsEnrollable());
  pottery->Enroll();
  ASSERT_EQ(CalendarCount("pottery"), 7);
  SetConcentration(true);
  ASSERT_FLOAT_EQ(SIM_GetVede()->GetConcentration(), 1.0f);
  const float confidence = SIM_GetVede()->GetValue("confidence");
  pottery->ProcessChunk();

  EXPECT_TRUE(pottery->IsCompleted());
  EXPECT_FALSE(pottery->IsEnrolled());
  EXPECT_TRUE(HOOK_EveningClassType::Enrolled.empty());
  EXPECT_EQ(CalendarCount("pottery"), 0);
  EXPECT_GT(SIM_GetVede()->GetValue("confidence"), confidence) << "course_completed.txt ran";
  ASSERT_NE(GUI_EveningClassPostMortem::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_EveningClassPostMortem::PTheWindow->IsProgressForm());
  // The finished course opens the next one and is itself closed.
  EXPECT_TRUE(glazing->IsEnrollable());
  EXPECT_FALSE(pottery->IsEnrollable());
  GUI_EveningClassPostMortem::Finished(0);
  EXPECT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
}

TEST_F(EveningClasses, TheReportCommentsByConcentration) {
  struct Case {
    float concentration;
    const char* key;
  };
  for (const Case& c : {Case{0.2f, "class_concentration_low"}, Case{0.3f, "class_concentration_med"},
                        Case{0.59f, "class_concentration_med"}, Case{0.6f, "class_concentration_high"}})
    EXPECT_STREQ(GUI_EveningClassPostMortem::CommentKey(c.concentration), c.key) << c.concentration;
}

TEST_F(EveningClasses, TheHookRebuildsTheClassesAndKeepsTheEnrolments) {
  HOOK_EveningClassType::Open();
  ASSERT_GE(HOOK_EveningClassType::AllClasses.size(), 25u);
  HOOK_EveningClassType* first = HOOK_EveningClassType::AdultClasses.front();
  HOOK_EveningClassType* second = HOOK_EveningClassType::LawClasses.front();
  const std::string names[] = {second->GetName(), first->GetName()};
  second->Enroll();
  first->Enroll();
  SIM_HookEveningClasses();
  ASSERT_EQ(HOOK_EveningClassType::Enrolled.size(), 2u);
  EXPECT_EQ(HOOK_EveningClassType::Enrolled.front()->GetName(), names[0]);
  EXPECT_EQ(HOOK_EveningClassType::Enrolled.back()->GetName(), names[1]);
  EXPECT_TRUE(HOOK_EveningClassType::Enrolled.front()->IsEnrolled());
  // The list opens with no school chosen; a second call closes it.
  ASSERT_NE(GUI_EveningClasses::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_EveningClasses::PTheWindow->GetDisplayList().empty());
  SIM_HookEveningClasses();
  EXPECT_EQ(GUI_EveningClasses::PTheWindow, nullptr);
}

TEST_F(EveningClasses, ElevenClassesMakeTwoPagesAndTheFirstEnrollableIsProposed) {
  std::string rows = ClassRow("LAW", "advanced", "basics,#,0.1");  // listed last: it cannot be taken
  for (int i = 0; i < 10; ++i) rows += ClassRow("LAW", "basics" + std::to_string(i), "#,0.1");
  Load(rows);
  GUI_EveningClasses::Create();
  GUI_EveningClasses* list = GUI_EveningClasses::PTheWindow;
  ASSERT_NE(list, nullptr);
  list->SelectSchool(&HOOK_EveningClassType::LawClasses);
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  EXPECT_EQ(list->GetDisplayList().back()->GetName(), "advanced");
  ASSERT_NE(list->GetHighlighted(), nullptr);
  EXPECT_EQ(list->GetHighlighted()->GetName(), "basics0");
  list->UpdatePageButtonStatus();
  EXPECT_TRUE(list->GetNextButton()->IsVisible());
  EXPECT_FALSE(list->GetPrevButton()->IsVisible());
  GUI_EveningClasses::NextPage(0);
  EXPECT_EQ(list->GetPage(), 1);
  list->UpdatePageButtonStatus();
  EXPECT_FALSE(list->GetNextButton()->IsVisible());
  EXPECT_TRUE(list->GetPrevButton()->IsVisible());
  // Only the unavailable class is on the second page: nothing new is proposed and its details
  // show the unmet form without the enrol button when its strip is clicked.
  EXPECT_EQ(list->GetHighlighted()->GetName(), "basics0");
  list->ShowDetails(Class("advanced"));
  EXPECT_FALSE(list->GetDetails()->GetReqsMet());
  EXPECT_FALSE(list->GetDetails()->GetEnrollButton()->IsVisible());
  GUI_EveningClasses::NextPage(0);
  EXPECT_EQ(list->GetPage(), 1);

  // Ten classes are one page.
  GUI_EveningClasses::Close();
  Load(rows.substr(rows.find('\n') + 1));
  GUI_EveningClasses::Create();
  GUI_EveningClasses::PTheWindow->SelectSchool(&HOOK_EveningClassType::LawClasses);
  GUI_EveningClasses::PTheWindow->UpdatePageButtonStatus();
  EXPECT_FALSE(GUI_EveningClasses::PTheWindow->GetNextButton()->IsVisible());
}

}  // namespace
