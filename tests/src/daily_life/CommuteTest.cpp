// The commute: one leg's fare, weather stress and incidents, the rules of which ways to work the
// player may choose, and the fallback to walking (or the bus) once a way is no longer possible.
// Each test starts a fresh game with the shipped table and sets the day up by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CSV.h"
#include "GDebug.h"
#include "GUI_EventList.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_Commute.h"
#include "SIM_CommuteMethod.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"
#include "TestSupport.h"

namespace {

class Commute : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(5);
    SIM_Date::PPresentDay->SetDayOfWeek(0);
    SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SUN);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_COMMUTEIN);
    Job()->SetCommuteDistance(2.0f);
    SIM_GetFinances()->SetCash(500.0f);
    SetAlcohol(0.0f);
    GUI_GetEventList()->Clear();
  }

  static SIM_JobBase* Job() { return SIM_GetVede()->GetJob(); }
  static SIM_CommuteMethod* Method(const char* name) {
    SIM_CommuteMethod* method = SIM_CommuteMethod::GetByName(name);
    EXPECT_NE(method, nullptr) << name;
    return method;
  }
  static std::string Current() {
    SIM_CommuteMethod* method = SIM_CommuteMethod::GetCurrent();
    return method ? method->GetName() : "(none)";
  }
  static void Use(const char* name) { Method(name)->MakeCurrent(); }
  static void SetAlcohol(float value) { SIM_Attribute::GetAttribute("alcohol")->SetValue(value); }
  static bool HasEvent(const std::string& key) {
    const auto& events = GUI_GetEventList()->GetEvents();
    return std::find(events.begin(), events.end(), key) != events.end();
  }
  // The stress the commute has added so far.
  static float CommuteStress() {
    float total = 0.0f;
    for (SIM_Effect* effect : SIM_Attribute::GetAttribute("stress")->GetEffects()) {
      if (effect->GetDebugName() == "commute") total += effect->GetEffect();
    }
    return total;
  }
  static float Cash() { return SIM_GetFinances()->GetCash(); }
  static void Leg() { SIM_GetCommute()->ProcessCommute(); }
};

TEST(CommuteMethodRow, ColumnsAreReadInTheTablesOrderWithStressAsRainCloudSunSnow) {
  SIM_CommuteMethod::Close();
  SIM_CommuteMethod method;
  method.Load("#,tram,Tram,\"Rails, bells\",rode the tram,Tram today.,1,MP3,data/sounds/x.ogg,12.5,0.5,2,"
              "0.4,0.3,0.2,0.1,one.txt,mile.txt,bored.txt,iq  ");
  EXPECT_EQ(method.GetName(), "tram");
  EXPECT_EQ(method.GetDescription(), "Rails, bells");
  EXPECT_EQ(method.GetVerbData(), "rode the tram");
  EXPECT_TRUE(method.MaySwitchForWayHome());
  EXPECT_TRUE(method.CanUseMP3());
  EXPECT_FLOAT_EQ(method.GetRange(), 12.5f);
  EXPECT_FLOAT_EQ(method.GetStress(SIM_Weather::WEATHER_RAIN), 0.4f);
  EXPECT_FLOAT_EQ(method.GetStress(SIM_Weather::WEATHER_CLOUD), 0.3f);
  EXPECT_FLOAT_EQ(method.GetStress(SIM_Weather::WEATHER_SUN), 0.2f);
  EXPECT_FLOAT_EQ(method.GetStress(SIM_Weather::WEATHER_SNOW), 0.1f);
  EXPECT_FLOAT_EQ(method.GetStress(4), 0.0f);
  EXPECT_EQ(method.GetOneOffScript(), "one.txt");
  EXPECT_EQ(method.GetPerMileScript(), "mile.txt");
  EXPECT_EQ(method.GetBoredomScript(), "bored.txt");
  EXPECT_EQ(method.GetRequiredValue(), "iq");
  EXPECT_FLOAT_EQ(method.GetCost(1.0f), 2.0f);  // the minimum fare
  EXPECT_FLOAT_EQ(method.GetCost(10.0f), 5.0f);
}

TEST_F(Commute, AWeekendLegChargesNothingAndAddsNoStress) {
  Use("bus");
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SNOW);
  Leg();
  const float cost = SIM_GetCommute()->GetTodaysCost();
  ASSERT_GT(cost, 0.0f);
  const float cash = Cash();
  const float stress = CommuteStress();
  for (int day : {5, 6}) {
    SIM_Date::PPresentDay->SetDayOfWeek(day);
    Leg();
    EXPECT_FLOAT_EQ(Cash(), cash) << "day " << day;
    EXPECT_FLOAT_EQ(CommuteStress(), stress) << "day " << day;
    EXPECT_FLOAT_EQ(SIM_GetCommute()->GetTodaysCost(), cost) << "day " << day;
  }
}

TEST_F(Commute, AWeekdayLegPaysTheFareAndTakesTheWeathersStress) {
  Use("bus");
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_SNOW);
  Leg();
  const float fare = Method("bus")->GetCost(2.0f);
  EXPECT_FLOAT_EQ(SIM_GetCommute()->GetTodaysCost(), fare);
  EXPECT_FLOAT_EQ(Cash(), 500.0f - fare);
  EXPECT_FLOAT_EQ(CommuteStress(), Method("bus")->GetStress(SIM_Weather::WEATHER_SNOW));
}

TEST_F(Commute, AnUmbrellaQuartersTheRainsStressOnFootOrByBus) {
  SIM_GetWeather()->SetNewWeather(SIM_Weather::WEATHER_RAIN);
  const float rain = Method("walk")->GetStress(SIM_Weather::WEATHER_RAIN);
  ASSERT_GT(rain, 0.0f);
  Use("walk");
  Leg();
  EXPECT_FLOAT_EQ(CommuteStress(), rain);
  EXPECT_FALSE(HasEvent("USED_UMBRELLA"));

  SIM_NamedValueList::ForceGlobal("umbrella", 1.0f);
  Leg();
  EXPECT_FLOAT_EQ(CommuteStress(), rain + rain / 4.0f);
  EXPECT_TRUE(HasEvent("USED_UMBRELLA"));
  EXPECT_FLOAT_EQ(SIM_GetStatistics()->GetFloatCounter("MILES_WALKED_TO_WORK"), 16.0f);
}

TEST_F(Commute, DrunkDrivingIsCaughtOnlyOnTheMorningLegAboveThreeQuarters) {
  SIM_NamedValueList::ForceGlobal("cheapcar", 1.0f);
  struct Case {
    float alcohol;
    SIM_SIM::TURNMODE mode;
    bool caught;
  };
  const Case cases[] = {
      {0.75f, SIM_SIM::TURNMODE_COMMUTEIN, false},
      {0.76f, SIM_SIM::TURNMODE_COMMUTEIN, true},
      {0.76f, SIM_SIM::TURNMODE_WORKDAY, false},  // the way home
  };
  for (const Case& c : cases) {
    Use("car");
    GUI_GetEventList()->Clear();
    SetAlcohol(c.alcohol);
    SIM_GetSim()->SetMode(c.mode);
    Leg();
    EXPECT_EQ(HasEvent("CAUGHT_DRUNK_DRIVING"), c.caught) << c.alcohol << " in turn mode " << (int)c.mode;
  }
}

TEST_F(Commute, TheDrunkDrivingFineIsThreeDaysPayAtMostTwoHundred) {
  SIM_JobBase* start = Job();
  SIM_NamedValueList::ForceGlobal("cheapcar", 1.0f);
  for (const auto& [pay, fine] : {std::pair{100.0f, 200.0f}, std::pair{50.0f, 150.0f}}) {
    // A job whose day at work pays `pay`: a one-grade salary of that many working days' share.
    const float salary = pay * 260.7143f / SIM_GetGlobalVariables()->Get("GV_FIN_DISPOSABLEPERC");
    CSV row;
    row.Initialise(GFormat("77,tester,,Tester,Tester,Tester,Test,the test,sales,plain,%.3f,%.3f,N/A,0,0,0,0,0,0,#",
                           (double)salary, (double)salary), ',', "test row");
    SIM_JobBase& job = *new SIM_JobBase();  // the job list owns it
    ASSERT_TRUE(job.Load(row, "test row"));
    job.SetCommuteDistance(2.0f);
    SIM_GetVede()->SetJob(&job);
    ASSERT_NEAR(job.GetTodaysEarnings(), pay, 1e-3f);
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_COMMUTEIN);
    Use("car");
    SIM_GetFinances()->SetCash(500.0f);
    SetAlcohol(0.9f);
    Leg();
    EXPECT_FLOAT_EQ(Cash(), 500.0f - Method("car")->GetCost(2.0f) - fine) << "pay " << pay;
  }
  SIM_GetVede()->SetJob(start);
}

TEST_F(Commute, AWayNoLongerPossibleFallsBackToWalkingOrTheBusAndStays) {
  // A car with no money for the fare: on foot.
  SIM_NamedValueList::ForceGlobal("cheapcar", 1.0f);
  Use("car");
  SIM_GetFinances()->SetCash(0.0f);
  Leg();
  EXPECT_EQ(Current(), "walk");
  EXPECT_FLOAT_EQ(Cash(), 0.0f);

  // A job beyond walking distance: the bus, paid for even with an empty purse.
  const float far = Method("walk")->GetRange() + 5.0f;
  Job()->SetCommuteDistance(far);
  Leg();
  EXPECT_EQ(Current(), "bus");
  EXPECT_FLOAT_EQ(Cash(), -Method("bus")->GetCost(far));
  Job()->SetCommuteDistance(1.0f);
  SIM_GetFinances()->SetCash(500.0f);
  Leg();
  EXPECT_EQ(Current(), "bus") << "the change stays after the leg";
}

TEST_F(Commute, WhatMakesAMethodSelectable) {
  // Possessions: the car needs any car, the bicycle a bicycle.
  EXPECT_FALSE(Method("car")->IsSelectable());
  EXPECT_FALSE(Method("bicycle")->IsSelectable());
  SIM_NamedValueList::ForceGlobal("midrangecar", 1.0f);
  SIM_NamedValueList::ForceGlobal("bicycle", 1.0f);
  EXPECT_TRUE(Method("car")->IsSelectable());
  EXPECT_TRUE(Method("bicycle")->IsSelectable());

  // Range: an unlimited method goes anywhere.
  Job()->SetCommuteDistance(Method("bicycle")->GetRange() + 1.0f);
  EXPECT_FALSE(Method("bicycle")->IsInRange());
  EXPECT_TRUE(Method("bus")->IsInRange());
  Job()->SetCommuteDistance(2.0f);

  // At work, only a method with the switch flag lets the player choose another way home.
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_WORKDAY);
  ASSERT_FALSE(Method("car")->MaySwitchForWayHome());
  ASSERT_TRUE(Method("bus")->MaySwitchForWayHome());
  Use("car");
  EXPECT_TRUE(Method("car")->IsSelectable());
  EXPECT_FALSE(Method("bus")->IsSelectable());
  Use("bus");
  EXPECT_TRUE(Method("car")->IsSelectable());
  EXPECT_TRUE(Method("walk")->IsSelectable());
}

TEST_F(Commute, PossessionsAreTestedBeforeTheRangeSoNoJobRaisesNoAssertion) {
  SIM_JobBase* start = Job();
  SIM_GetVede()->SetJob(nullptr);
  GForgetSightings();
  const int before = HeadlessPlayer::CountLogProblems();
  EXPECT_FALSE(Method("bicycle")->IsSelectable());
  EXPECT_EQ(HeadlessPlayer::CountLogProblems(), before);
  SIM_GetVede()->SetJob(start);
}

TEST_F(Commute, WithoutATableEveryLegIsFreeAfterOneWarning) {
  for (const char* file : {"no_such_commute.csv", "empty"}) {
    std::string path = file;
    if (path == "empty") {
      path = testsupport::TestRoot() + "/commute_empty.csv";
      testsupport::WriteFile(path, "Only a header line\n");
    }
    SIM_CommuteMethod::Open(path.c_str());
    EXPECT_TRUE(SIM_CommuteMethod::All.empty());
    EXPECT_EQ(SIM_CommuteMethod::GetCurrent(), nullptr);
    SIM_CommuteMethod::SetMethodByName("walk");
    Leg();
    EXPECT_FLOAT_EQ(SIM_GetCommute()->GetTodaysCost(), 0.0f);
    EXPECT_FLOAT_EQ(Cash(), 500.0f);
    EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find(path + ": no commute methods"), std::string::npos);
  }
  EXPECT_EQ(HeadlessPlayer::CountLogProblems(), 0);
}

}  // namespace
