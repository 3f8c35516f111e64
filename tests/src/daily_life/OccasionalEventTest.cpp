// The charity run, the dentist and the birthday party headless: the bookings' intervals and their
// reminder calls, the run's money and text, the party's guests and the scripts they bring, and a
// new game that does not inherit the last game's appointments.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_PhoneMessage.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "SIM_Birthday.h"
#include "SIM_Charity.h"
#include "SIM_Date.h"
#include "SIM_Dentist.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_ScheduledEvents.h"
#include "SIM_Script.h"
#include "SIM_Vede.h"

void SIM_HookCharityRun();

namespace {

class Occasions : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(7);
    GetGame()->SetTownName("Elmstead");
    GUI_PhoneMessage::ClearAll();
  }
  void TearDown() override {
    GUI_PhoneMessage::ClearAll();
    GUI_GetWindowManager()->CloseAll();
  }
  static int Today() { return SIM_Date::PPresentDay->GetDaysAsInt(); }
  // The first night after a new game marks the day; the next one books.
  static void FirstBooking(SIM_OccasionalEvent* event) {
    event->NextDay();
    NextDay();
    event->NextDay();
    ASSERT_EQ(Booked(event->GetEventName()), 1);
  }
  static void NextDay() { SIM_Date::PPresentDay->IncrementDays(1); }
  static void MoveTo(const SIM_Date& date) { SIM_Date::PPresentDay->Set(&date); }
  static int Booked(const std::string& key) {
    int count = 0;
    for (const auto* data : SIM_GetScheduledEvents()->GetEvents()) count += data->key == key;
    return count;
  }
  // Every link of the town's people with the player at the given strength, none a friendship.
  static void EveryoneAt(float strength) {
    for (SIM_NPC* npc : SIM_NPC::All) {
      if (SIM_Relationship* link = npc->GetRelationship(SIM_GetVede())) {
        link->SetStrength(strength);
        link->SetFriendship(false);
      }
    }
  }
  static std::vector<SIM_NPC*> Acquaintances() {
    std::vector<SIM_NPC*> people;
    for (SIM_NPC* npc : SIM_NPC::All) {
      if (npc->GetRelationship(SIM_GetVede())) people.push_back(npc);
    }
    return people;
  }
};

// The reminder a random minimum..maximum-1 days after the night the last event day has passed,
// the event a week later, every interval reached.
TEST_F(Occasions, BookingsComeInTheirIntervalsAWeekAfterTheReminder) {
  struct Case {
    SIM_OccasionalEvent* event;
    int lo, hi;
  };
  const Case cases[] = {{SIM_GetDentist(), 20, 26}, {SIM_GetCharity(), 27, 33}};
  for (const Case& c : cases) {
    std::set<int> seen;
    c.event->Reset();
    c.event->NextDay();  // the event day is today: nothing yet
    EXPECT_EQ(Booked(c.event->GetEventName()), 0);
    for (int i = 0; i < 200; ++i) {
      NextDay();
      c.event->NextDay();
      const int reminder = c.event->GetReminderDate().GetDaysAsInt() - Today();
      ASSERT_GE(reminder, c.lo) << c.event->GetEventName();
      ASSERT_LE(reminder, c.hi) << c.event->GetEventName();
      ASSERT_EQ(c.event->GetEventDate().GetDaysAsInt() - c.event->GetReminderDate().GetDaysAsInt(), 7);
      seen.insert(reminder);
      // Until the day has passed nothing is booked again.
      MoveTo(c.event->GetEventDate());
      const int before = Booked(c.event->GetEventName());
      c.event->NextDay();
      ASSERT_EQ(Booked(c.event->GetEventName()), before);
    }
    EXPECT_EQ((int)seen.size(), c.hi - c.lo + 1) << c.event->GetEventName();
  }
}

TEST_F(Occasions, TheDentistRingsOnTheReminderDay) {
  SIM_Dentist* dentist = SIM_GetDentist();
  FirstBooking(dentist);
  MoveTo(dentist->GetReminderDate());
  dentist->NextDay();
  ASSERT_EQ(GUI_PhoneMessage::All.size(), 1u);
  EXPECT_EQ(GUI_PhoneMessage::All.front()->GetSender(), "Elmstead Dental Practice");
  EXPECT_EQ(GUI_PhoneMessage::All.front()->GetText(), GTranslation::GetString("DENTIST_PHONEMESSAGE"));
}

TEST_F(Occasions, WithoutABestFriendNobodyRingsAboutTheRunButItIsStillBooked) {
  EveryoneAt(0.1f);
  ASSERT_EQ(SIM_NPC::GetBestFriend(), nullptr);
  SIM_Charity* charity = SIM_GetCharity();
  FirstBooking(charity);
  MoveTo(charity->GetReminderDate());
  charity->NextDay();
  EXPECT_TRUE(GUI_PhoneMessage::All.empty());
  EXPECT_EQ(Booked("charityrun"), 1);

  // With a best friend, the friend rings.
  ASSERT_FALSE(Acquaintances().empty());
  SIM_NPC* buddy = Acquaintances().front();
  buddy->GetRelationship(SIM_GetVede())->SetStrength(0.95f);
  buddy->GetRelationship(SIM_GetVede())->SetFriendship(true);
  ASSERT_EQ(SIM_NPC::GetBestFriend(), buddy);
  charity->NextDay();
  ASSERT_EQ(GUI_PhoneMessage::All.size(), 1u);
  EXPECT_EQ(GUI_PhoneMessage::All.front()->GetText(), GTranslation::GetString("CHARITYRUN_PHONEMESSAGE"));
}

TEST_F(Occasions, TheRunRaisesAtLeastOneAndGradesThePerformance) {
  EXPECT_FLOAT_EQ(SIM_Charity::MoneyRaised(0.0f, 0), 1.0f);
  EXPECT_FLOAT_EQ(SIM_Charity::MoneyRaised(0.9f, 0), 1.0f);
  EXPECT_FLOAT_EQ(SIM_Charity::MoneyRaised(0.5f, 4), 50.0f * 0.5f * 4.0f);

  GetGame()->SetCurrency("$");
  SIM_GetVede()->SetNames("Robin", "Vale");
  const std::string low = SIM_Charity::ResultText(0.0f, 1.0f);
  EXPECT_EQ(low.find("<"), std::string::npos) << low;
  EXPECT_NE(low.find("Robin"), std::string::npos);
  const size_t amount = low.find("$ 1.");
  ASSERT_NE(amount, std::string::npos) << low;
  for (size_t i = amount + 4; i < amount + 6; ++i) EXPECT_TRUE(low[i] >= '0' && low[i] <= '8') << low;
  EXPECT_NE(SIM_Charity::ResultText(1.0f, 12345.0f).find("$ 12,345."), std::string::npos);
  // A full performance reads otherwise than none.
  EXPECT_NE(SIM_Charity::ResultText(1.0f, 1.0f).substr(0, 20), low.substr(0, 20));

  // The hook takes the note down and shows the result; the player's cash is the charity's.
  SIM_HookCharityRun();
  bool shown = false;
  for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows()) shown |= dynamic_cast<GUI_Message*>(window) != nullptr;
  EXPECT_TRUE(shown);
}

// 7, 5, 4 and 0 guests: the good party's script at 1.0 and 0.5, neither, the lonely one at 1.0;
// the party's own script every time, and a year older.
TEST_F(Occasions, TheGuestsDecideThePartysMood) {
  static std::vector<std::pair<std::string, float>> sounds;
  SIM_GetScript()->AddScriptableFunction(
      [](int) { sounds.push_back({SIM_GetScript()->GetArgument(0), SIM_GetScript()->GetScale()}); }, "PlaySound");
  std::vector<SIM_NPC*> people = Acquaintances();
  while (people.size() < 7) {
    SIM_NPC* npc = SIM_NPC::Create();
    SIM_Relationship::Create(npc, SIM_GetVede());
    people.push_back(npc);
  }
  struct Case {
    int guests;
    std::vector<std::pair<std::string, float>> sounds;
  };
  const Case cases[] = {
      {7, {{"ooh.ogg", 1.0f}, {"applause.ogg", 1.0f}}},
      {5, {{"ooh.ogg", 0.5f}, {"applause.ogg", 1.0f}}},
      {4, {{"applause.ogg", 1.0f}}},
      {0, {{"bored_sigh.ogg", 1.0f}, {"applause.ogg", 1.0f}}},
  };
  for (const Case& c : cases) {
    EveryoneAt(0.0f);
    for (int i = 0; i < c.guests; ++i) people[i]->GetRelationship(SIM_GetVede())->SetStrength(0.7f);
    sounds.clear();
    const int age = SIM_GetVede()->GetAge();
    SIM_GetBirthday()->ProcessBirthday();
    EXPECT_EQ(SIM_GetBirthday()->GetPartyGuests(), c.guests);
    EXPECT_EQ(sounds, c.sounds) << c.guests << " guests";
    EXPECT_EQ(SIM_GetVede()->GetAge(), age + 1);
  }
}

TEST_F(Occasions, ASnubbedFriendStillComesWhenFondEnough) {
  std::vector<SIM_NPC*> people = Acquaintances();
  ASSERT_GE(people.size(), 2u);
  EveryoneAt(0.0f);
  people[0]->GetRelationship(SIM_GetVede())->SetStrength(0.65f);  // above "BIRTHDAY_ATTEND_MIN"
  people[0]->SetSnubDelay(3);
  people[1]->GetRelationship(SIM_GetVede())->SetStrength(0.5f);  // only when not snubbed
  people[1]->SetSnubDelay(3);
  EXPECT_EQ(SIM_Birthday::CountGuests(), 1);
  people[1]->UnSnub();
  EXPECT_EQ(SIM_Birthday::CountGuests(), 2);
}

// The appointments of a game left behind are not kept by the next one: its first night marks the
// day, the second books.
TEST_F(Occasions, ANewGameBooksAfresh) {
  FirstBooking(SIM_GetDentist());
  FirstBooking(SIM_GetCharity());
  ASSERT_GT(SIM_GetDentist()->GetEventDate().GetDaysAsInt(), Today());
  HeadlessPlayer::StartNewGame(8);
  EXPECT_EQ(Booked("dentist") + Booked("charityrun"), 0);
  NextDay();
  SIM_GetDentist()->NextDay();
  EXPECT_EQ(SIM_GetDentist()->GetEventDate().GetDaysAsInt(), Today());
  EXPECT_EQ(Booked("dentist"), 0);
  NextDay();
  SIM_GetDentist()->NextDay();
  EXPECT_EQ(Booked("dentist"), 1);
  EXPECT_GE(SIM_GetDentist()->GetReminderDate().GetDaysAsInt() - Today(), 20);
}

}  // namespace
