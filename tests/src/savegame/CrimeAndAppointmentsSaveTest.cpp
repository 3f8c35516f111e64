// Crime's countdowns and last crime, and the charity run's and dentist's dates in a saved game:
// they come back, the file saved again is the same, the appointments are on the calendar again,
// and a file without the dates (an older save) books them afresh.
#include <string>

#include "GDebug.h"
#include "TestSupport.h"

#include "SIM_Charity.h"
#include "SIM_Crime.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_SIM.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::SaveFile;

int BookedOn(const std::string& key, const SIM_Date& date) {
  int count = 0;
  for (const auto* data : SIM_GetScheduledEvents()->GetEvents()) count += data->key == key && data->date.IsSameDay(date);
  return count;
}

// Enough nights that both appointments are booked.
void PlayUntilBooked() {
  savetest::PlayNights(3);
  ASSERT_FALSE(SIM_GetDentist()->IsAwaitingFirstNight());
  ASSERT_FALSE(SIM_GetCharity()->IsAwaitingFirstNight());
  ASSERT_FALSE(SIM_GetDentist()->GetEventDate().IsInPast());
}

TEST(CrimeAndAppointmentsSave, CountdownsLastCrimeAndDatesSurviveASaveLoadSave) {
  PlayUntilBooked();
  SIM_Crime* crime = SIM_GetCrime();
  crime->SetDaysToNextMugging(-3);  // run out, held back by the minimum interval
  crime->SetDaysToNextBurglary(77);
  crime->SetLastCrimeTurn(2);
  const SIM_Date dentist = SIM_GetDentist()->GetEventDate();
  const SIM_Date dentistCall = SIM_GetDentist()->GetReminderDate();
  const SIM_Date run = SIM_GetCharity()->GetEventDate();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("dates")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = SaveFile("dates");
  EXPECT_NE(first.find("<crime>\n<daystonextmugging>-3</daystonextmugging>\n<daystonextburglary>77</daystonextburglary>\n"
                       "<lastcrimeturn>2</lastcrimeturn>\n</crime>"),
            std::string::npos);

  // Another game in between leaves nothing behind.
  savetest::PlayNights(2, 9);
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("dates")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_EQ(crime->GetDaysToNextMugging(), -3);
  EXPECT_EQ(crime->GetDaysToNextBurglary(), 77);
  EXPECT_EQ(crime->GetLastCrimeTurn(), 2);
  EXPECT_TRUE(SIM_GetDentist()->GetEventDate().IsSameDay(dentist));
  EXPECT_TRUE(SIM_GetDentist()->GetReminderDate().IsSameDay(dentistCall));
  EXPECT_TRUE(SIM_GetCharity()->GetEventDate().IsSameDay(run));
  EXPECT_EQ(BookedOn("dentist", dentist), 1);
  EXPECT_EQ(BookedOn("charityrun", run), 1);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(SaveFile("again"), first);
  savetest::ExpectCleanLog();
}

// An older save knows no dates: the first night after loading marks the day, the next books.
TEST(CrimeAndAppointmentsSave, AFileWithoutTheDatesBooksThemAgain) {
  PlayUntilBooked();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("old"));
  std::string text = SaveFile("old");
  const size_t begin = text.find("<appointments>\n");
  const size_t end = text.find("</appointments>\n");
  ASSERT_NE(begin, std::string::npos);
  text.erase(begin, end + std::string("</appointments>\n").size() - begin);
  ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(text, "old", "old.xml")) << SIM_GetLoadGame()->GetFailureText();
  EXPECT_TRUE(SIM_GetDentist()->IsAwaitingFirstNight());
  EXPECT_TRUE(SIM_GetCharity()->IsAwaitingFirstNight());
  int booked = 0;
  for (const auto* data : SIM_GetScheduledEvents()->GetEvents()) booked += data->key == "dentist" || data->key == "charityrun";
  EXPECT_EQ(booked, 0);
  savetest::PlayNights(2, 1, false);
  EXPECT_FALSE(SIM_GetDentist()->IsAwaitingFirstNight());
  EXPECT_GE(SIM_GetDentist()->GetReminderDate().GetDaysAsInt() - SIM_Date::PPresentDay->GetDaysAsInt(), 20);
  savetest::ExpectCleanLog();
}

// A damaged entry is named in the log and its event booked afresh; the other comes back.
TEST(CrimeAndAppointmentsSave, ADamagedDateIsReportedAndBookedAgain) {
  PlayUntilBooked();
  const SIM_Date run = SIM_GetCharity()->GetEventDate();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("damaged"));
  std::string text = SaveFile("damaged");
  const size_t dentist = text.find("<name>dentist</name>\n<eventdate>");
  ASSERT_NE(dentist, std::string::npos);
  const size_t value = text.find("<eventdate>", dentist) + std::string("<eventdate>").size();
  text.replace(value, text.find("</eventdate>", value) - value, "soon");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(text, "damaged", "damaged.xml"));
  EXPECT_TRUE(SIM_GetDentist()->IsAwaitingFirstNight());
  EXPECT_TRUE(SIM_GetCharity()->GetEventDate().IsSameDay(run));
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("damaged.xml:"), std::string::npos);
  EXPECT_NE(log.find("the appointment \"dentist\" has no readable dates; booked again"), std::string::npos);
  savetest::ExpectCleanLog();
}

}  // namespace
