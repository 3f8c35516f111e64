#include <gtest/gtest.h>

#include <string>

#include "GUI_PhoneMessage.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_GlobalVariable.h"
#include "SIM_ScheduledEvents.h"
#include "SimCoreTestSupport.h"

namespace {

TEST(ScheduledEvents, AppointmentsAndTheCalendar) {
  GetDebug()->Initialise();
  SIM_Date::Open();
  *SIM_Date::PPresentDay = SIM_Date(1, 4, 2020);
  SIM_GetCalendar()->Initialise();
  SIM_ScheduledEvents* events = SIM_GetScheduledEvents();

  SIM_Date today(1, 4, 2020), later(3, 4, 2020);
  events->ScheduleEvent("dentist", today, "Dentist");
  events->ScheduleEvent("dentist", today, "Dentist");  // a duplicate: warned, not added
  events->ScheduleEvent("dentist", later, "Dentist");
  events->ScheduleEvent("bowlingmatch", later, "Bowling match");
  EXPECT_EQ(events->GetEvents().size(), 3u);
  EXPECT_EQ(SIM_GetCalendar()->GetEntries().size(), 3u);
  EXPECT_EQ(simtest::CountLogLines("duplicate eevnt scheduling attempt"), 1);
  EXPECT_TRUE(events->ScheduledForToday("dentist"));
  EXPECT_FALSE(events->ScheduledForToday("bowlingmatch"));

  // The next day today's appointment is purged with its calendar entry.
  SIM_Date::PPresentDay->IncrementDays(1);
  events->NextDay();
  EXPECT_EQ(events->GetEvents().size(), 2u);
  EXPECT_FALSE(events->ScheduledForToday("dentist"));

  events->ClearEvents("nothing");  // no such key: no change
  EXPECT_EQ(events->GetEvents().size(), 2u);
  events->ClearEvents("dentist");
  ASSERT_EQ(events->GetEvents().size(), 1u);
  EXPECT_EQ(events->GetEvents().front()->key, "bowlingmatch");
  SIM_GetCalendar()->Refresh();
  EXPECT_EQ(SIM_GetCalendar()->GetEntries().size(), 1u);
  events->Clear();
  SIM_GetCalendar()->ClearEntries();
  SIM_Date::Close();
}

class SpecialEventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();  // SPECIAL_EVENT_TRIGGER
    simtest::ResetPlayerState();
    SIM_GetVede()->LoadAttributes();
    SIM_GetVede()->RecalcAttributes();
  }
  void TearDown() override {
    SIM_SpecialEvent::Close();
    simtest::ResetPlayerState();
  }
  static std::string OpenRows(const std::string& rows) {
    std::string path = testsupport::TestRoot() + "/events.csv";
    testsupport::WriteFile(path, "name,display,invite,report,prerequisites,#,influences,#,modifiers\n" + rows);
    SIM_SpecialEvent::Open(path.c_str());
    return path;
  }
  static void SetBase(const char* name, float value) {
    SIM_Attribute::GetAttribute(name)->SetBaseValue(value);
    SIM_GetVede()->RecalcAttributes();
  }
};

TEST_F(SpecialEventTest, RowsAndScores) {
  SetBase("confidence", 0.4f);
  const std::string path = OpenRows(
      "#,first ,First,Come!,It was fun.,\"confidence,0.3\",#,\"confidence,2\",#,\"optimism,0.1,0.9\",\"health,0.05,0.9\"\n"
      "#,second,Second,Come too!,Also fun.,#,\"confidence,0.8\",#\n"
      "#,gloomy,Gloomy,Mope?,Sad.,#,\"confidence,-1\",x,#\n"
      "#,broken,Broken,No markers,None,\"confidence,0.1\"\n");
  ASSERT_EQ(SIM_SpecialEvent::All.size(), 4u);
  SIM_SpecialEvent* first = SIM_SpecialEvent::GetEvent("first");
  ASSERT_NE(first, nullptr);  // the name loses its trailing blank
  EXPECT_EQ(first->GetGUIName(), "First");
  EXPECT_EQ(first->GetInviteText(), "Come!");
  EXPECT_EQ(first->GetPostMortem(), "It was fun.");
  EXPECT_EQ(first->GetPreRequisites().size(), 1u);
  EXPECT_EQ(first->GetModifiers().size(), 2u);
  EXPECT_NEAR(first->GetScore(), 0.8f, 1e-6f);  // weight 2 x confidence 0.4
  EXPECT_NEAR(SIM_SpecialEvent::GetEvent("second")->GetScore(), 0.32f, 1e-6f);
  EXPECT_LT(SIM_SpecialEvent::GetEvent("gloomy")->GetScore(), 0.0f);
  EXPECT_EQ(SIM_SpecialEvent::GetEvent("gloomy")->GetInfluences().size(), 1u);  // "x" is too short

  // A row without its "#" fields: lists end with the row, one warning.
  SIM_SpecialEvent* broken = SIM_SpecialEvent::GetEvent("broken");
  EXPECT_EQ(broken->GetPreRequisites().size(), 1u);
  EXPECT_TRUE(broken->GetInfluences().empty());
  EXPECT_TRUE(broken->GetModifiers().empty());
  EXPECT_EQ(simtest::CountLogLines(path + ":5: special event \"broken\" lacks"), 1);

  SetBase("confidence", 0.2f);  // below the first event's prerequisite
  EXPECT_EQ(first->GetScore(), 0.0f);
  EXPECT_EQ(SIM_SpecialEvent::GetEvent("nosuch"), nullptr);
}

// The event of the newest special-event message in the inbox, or null.
SIM_SpecialEvent* LastSpecialEvent() {
  for (auto it = GUI_PhoneMessage::All.rbegin(); it != GUI_PhoneMessage::All.rend(); ++it) {
    if ((*it)->GetType() == GUI_PhoneMessage::PHONE_SPECIALEVENT) return static_cast<SIM_SpecialEvent*>((*it)->GetSubject());
  }
  return nullptr;
}

TEST_F(SpecialEventTest, OfferThenSevenQuietEvenings) {
  const float trigger = SIM_GetGlobalVariables()->Get("SPECIAL_EVENT_TRIGGER");
  SetBase("confidence", 0.5f);
  // Two events of equal best score: the earlier row is offered first. The last is never offered.
  OpenRows("#,a,A,i,p,#,\"confidence,2\",#\n#,b,B,i,p,#,\"confidence,2\",#\n#,c,C,i,p,#,\"confidence,-2\",#\n");
  ASSERT_GE(1.0f, trigger);
  GUI_PhoneMessage::Clear();
  SIM_SpecialEvent::CheckTriggerAll();
  ASSERT_EQ(LastSpecialEvent(), SIM_SpecialEvent::GetEvent("a"));
  EXPECT_TRUE(SIM_SpecialEvent::GetEvent("a")->IsTriggered());
  EXPECT_EQ(SIM_SpecialEvent::GetEvent("a")->GetScore(), 0.0f);

  for (int evening = 0; evening < 7; ++evening) {
    GUI_PhoneMessage::Clear();
    SIM_SpecialEvent::CheckTriggerAll();
    EXPECT_EQ(LastSpecialEvent(), nullptr) << evening;
  }
  SIM_SpecialEvent::CheckTriggerAll();
  EXPECT_EQ(LastSpecialEvent(), SIM_SpecialEvent::GetEvent("b"));

  // Attending applies the effects.
  OpenRows("#,party,Party,i,p,#,#,\"optimism,0.1,0.9\"\n");
  float before = SIM_GetVede()->GetValue("optimism");
  SIM_SpecialEvent::GetEvent("party")->AttendEvent();
  EXPECT_NEAR(SIM_GetVede()->GetValue("optimism"), before + 0.1f, 1e-6f);
}

TEST_F(SpecialEventTest, ShippedTableLoadsCleanly) {
  SIM_SpecialEvent::Open();
  EXPECT_GE(SIM_SpecialEvent::All.size(), 8u);
  for (SIM_SpecialEvent* event : SIM_SpecialEvent::All) {
    SCOPED_TRACE(event->GetName());
    EXPECT_FALSE(event->GetGUIName().empty());
    EXPECT_FALSE(event->GetInviteText().empty());
    EXPECT_FALSE(event->GetPostMortem().empty());
    EXPECT_FALSE(event->GetInfluences().empty());
    EXPECT_FALSE(event->GetModifiers().empty());
    for (const auto& influence : event->GetInfluences()) {
      EXPECT_NE(SIM_Attribute::GetAttribute(influence.valueName), nullptr) << influence.valueName;
    }
    for (const auto* modifier : event->GetModifiers()) {
      EXPECT_NE(SIM_Attribute::GetAttribute(modifier->GetName()), nullptr) << modifier->GetName();
    }
    for (const auto* term : event->GetPreRequisites()) {
      EXPECT_NE(SIM_Attribute::GetAttribute(term->name), nullptr) << term->name;
    }
  }
  EXPECT_EQ(simtest::CountLogLines("CSV:"), 0);
  EXPECT_EQ(simtest::CountLogLines("data/simulation/events.csv:"), 0);
}

}  // namespace
