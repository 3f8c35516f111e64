// The day's diary pages: each page's one button closes it before handing the turn on, so a whole
// day plays through the GUI alone; the morning offers work only on a working day; each page tells
// the weightiest of the day's event keys and clears the ones it has told; the pencil writes the
// body in glyph by glyph and falls silent with the last one.
#include <gtest/gtest.h>

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_AfterWorkScreen.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GUI_ButtonText.h"
#include "GUI_CommuteBackScreen.h"
#include "GUI_CommuteInScreen.h"
#include "GUI_CommuteMethodChooser.h"
#include "GUI_DiaryPage.h"
#include "GUI_EveningClassDetails.h"
#include "GUI_EveningClasses.h"
#include "GUI_SchoolPicker.h"
#include "HOOK_EveningClassType.h"
#include "GUI_EventList.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_WindowManager.h"
#include "GUI_WokeUpScreen.h"
#include "GUI_Sounds.h"
#include "GUI_WorkDayScreen.h"
#include "HeadlessPlayer.h"
#include "SIM_Date.h"
#include "SIM_Health.h"
#include "SIM_Dirt.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {

bool Click(const GUI_BaseElement* element) {
  GetInput()->mouseX = element->GetCenterX();
  GetInput()->mouseY = element->GetCenterY();
  return GUI_GetGUI()->CheckClick();
}

// The one full-screen window open, or null.
GUI_WindowBase* OnlyPage() {
  const auto& pages = GUI_GetWindowManager()->GetFullscreens();
  return pages.size() == 1 ? pages.back() : nullptr;
}

class DayPages : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessPlayer::StartNewGame(3); }
  static SIM_SIM* Sim() { return SIM_GetSim(); }
};

TEST_F(DayPages, AWorkingDayIsPressedThroughPageByPageToTheEnd) {
  ASSERT_TRUE(GUI_WokeUpScreen::IsWorkingDay()) << "the first day of this seed should be a working day";
  ASSERT_NE(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_WokeUpScreen::PTheWindow->GetWorkingDay());
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMainButton()->GetCallback(), &GUI_WokeUpScreen::CommuteIn);
  // Its title is the date of the morning it opened on (the headless player moves the date later).
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetTitle().rfind("Monday ", 0), 0u);

  // The after-work page shows only when there is news at home; make sure there is.
  GUI_GetEventList()->SetAfterWorkEvent(true);
  struct Step {
    SIM_SIM::TURNMODE mode;
    GUI_WindowBase* (*page)();
  };
  const Step steps[] = {
      {SIM_SIM::TURNMODE_COMMUTEIN, []() -> GUI_WindowBase* { return GUI_CommuteInScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_WORKDAY, []() -> GUI_WindowBase* { return GUI_WorkDayScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_COMMUTEBACK, []() -> GUI_WindowBase* { return GUI_CommuteBackScreen::PTheWindow; }},
      {SIM_SIM::TURNMODE_EVENING, []() -> GUI_WindowBase* { return GUI_AfterWorkScreen::PTheWindow; }},
  };
  GUI_DiaryPage* page = GUI_WokeUpScreen::PTheWindow;
  for (const Step& step : steps) {
    // The first work day's hint is read and closed.
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    EXPECT_TRUE(Click(page->GetMainButton()));
    // The old page is gone before the next opens: only the new one is up.
    ASSERT_EQ(OnlyPage(), step.page()) << "turn mode " << (int)step.mode;
    EXPECT_EQ(Sim()->GetTurnMode(), step.mode);
    page = static_cast<GUI_DiaryPage*>(step.page());
  }
  EXPECT_TRUE(GUI_AfterWorkScreen::IsOpen());
  EXPECT_TRUE(Click(page->GetMainButton()));
  EXPECT_FALSE(GUI_AfterWorkScreen::IsOpen());
  EXPECT_EQ(OnlyPage(), nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);

  // Enrolling in an evening class uses the day's slot.
  GUI_SchoolPicker::Create();
  ASSERT_TRUE(GUI_SchoolPicker::IsOpen());
  GUI_SchoolPicker::Close();
  GUI_EveningClasses::Create();
  ASSERT_FALSE(HOOK_EveningClassType::AdultClasses.empty());
  GUI_EveningClasses::PTheWindow->SelectSchool(&HOOK_EveningClassType::AdultClasses);
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
  ASSERT_NE(GUI_EveningClasses::PTheWindow->GetHighlighted(), nullptr);
  EXPECT_TRUE(Click(GUI_EveningClasses::PTheWindow->GetDetails()->GetEnrollButton()));
  EXPECT_FALSE(HOOK_EveningClassType::Enrolled.empty());
  EXPECT_EQ(GUI_EveningClasses::PTheWindow, nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_DAYENDED);
}

TEST_F(DayPages, OnADayOffTheMorningStaysAtHomeAndTheEveningBegins) {
  SIM_Date::PPresentDay->SetDayOfWeek(5);
  GUI_WokeUpScreen::Create();
  GUI_WokeUpScreen* morning = GUI_WokeUpScreen::PTheWindow;
  ASSERT_NE(morning, nullptr);
  EXPECT_FALSE(morning->GetWorkingDay());
  std::string weekend = GTranslation::GetString("WEEKEND_MESSAGE");
  GTranslation::ClearTokens(weekend);
  EXPECT_EQ(morning->GetMessage(), weekend);
  EXPECT_EQ(morning->GetMainButton()->GetCallback(), &GUI_WokeUpScreen::StayHome);

  EXPECT_TRUE(Click(morning->GetMainButton()));
  EXPECT_EQ(GUI_WokeUpScreen::PTheWindow, nullptr);
  EXPECT_EQ(OnlyPage(), nullptr);
  EXPECT_EQ(Sim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);

  // Ill on a weekday: no work either, and the page says why.
  SIM_Date::PPresentDay->SetDayOfWeek(1);
  SIM_GetHealth()->SetState(1, 2);
  GUI_WokeUpScreen::Create();
  EXPECT_FALSE(GUI_WokeUpScreen::PTheWindow->GetWorkingDay());
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  if (job && !job->IsUnemployed()) {
    EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMessage(), GTranslation::GetString("SICKDAY_MESSAGE_COLD"));
  }
}

// Sets one of the player's values outright.
void SetValue(const char* name, float value) {
  SIM_GetVede()->GetAttributes().GetNamedValue(name)->SetValue(value);
}

std::string Text(const char* key) { return GTranslation::GetString(key); }

TEST_F(DayPages, ChangeCommuteOpensTheChooserOverThePageAndTheMorningTakesItAlongWhenItCloses) {
  ASSERT_TRUE(GUI_WokeUpScreen::PTheWindow->GetWorkingDay());
  ASSERT_NE(GUI_WokeUpScreen::PTheWindow->GetChangeCommuteButton(), nullptr);
  EXPECT_TRUE(Click(GUI_WokeUpScreen::PTheWindow->GetChangeCommuteButton()));
  EXPECT_NE(GUI_CommuteMethodChooser::PTheWindow, nullptr);
  EXPECT_NE(GUI_WokeUpScreen::PTheWindow, nullptr) << "the page stays under the chooser";
  GUI_WokeUpScreen::Close();
  EXPECT_EQ(GUI_CommuteMethodChooser::PTheWindow, nullptr);
}

TEST_F(DayPages, TheMorningMessageIsTheFirstRuleThatHoldsAndAnUnwashedPlayerIsToldBelowPointTwo) {
  SIM_Date::PPresentDay->SetDayOfWeek(1);
  struct Case {
    float alcohol, tiredness, dirt;
    const char* key;
  };
  const Case cases[] = {
      {0.76f, 0.9f, 0.9f, "WOKEUP_WORKDAY_MESSAGE_DRUNK"},
      {0.75f, 0.76f, 0.9f, "WOKEUP_WORKDAY_MESSAGE_TIRED"},  // exactly 0.75 is not drunk
      {0.0f, 0.75f, 0.51f, "WOKEUP_WORKDAY_DIRTY"},
      {0.0f, 0.0f, 0.5f, "WOKEUP_WORKDAY_MESSAGE"},
  };
  SetValue("_cleanliness", 0.2f);  // exactly 0.2: no comment
  for (const Case& c : cases) {
    SetValue("alcohol", c.alcohol);
    SetValue("tiredness", c.tiredness);
    SIM_Dirt::GetDirtValue()->SetValue(c.dirt);
    GUI_WokeUpScreen::Create();
    std::string expected = Text(c.key);
    GTranslation::ClearTokens(expected);
    EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMessage(), expected) << c.key;
  }

  SetValue("_cleanliness", 0.19f);
  GUI_WokeUpScreen::Create();
  const std::string& message = GUI_WokeUpScreen::PTheWindow->GetMessage();
  EXPECT_NE(message.find(Text("WOKEUP_UNCLEAN")), std::string::npos) << message;
  EXPECT_EQ(message.find('<'), std::string::npos) << "no token left: " << message;

  // Ill: the state's own message, and no way to work.
  const std::pair<int, const char*> sick[] = {{1, "SICKDAY_MESSAGE_COLD"}, {2, "SICKDAY_MESSAGE_ILL"},
                                              {3, "SICKDAY_MESSAGE_STRESS"}};
  SetValue("_cleanliness", 0.8f);
  for (const auto& [state, key] : sick) {
    SIM_GetHealth()->SetState(state, 2);
    GUI_WokeUpScreen::Create();
    EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetMessage(), Text(key));
    EXPECT_EQ(GUI_WokeUpScreen::PTheWindow->GetChangeCommuteButton(), nullptr);
  }
}

TEST_F(DayPages, TheTripPagesTellTheWeightiestKeyAndClearTheTripsKeys) {
  GUI_EventList* events = GUI_GetEventList();
  for (const char* key : {"USED_MP3", "USED_UMBRELLA", "STUCK_IN_TRAFFIC", "MISSED_BUS", "CAUGHT_DRUNK_DRIVING"}) {
    events->AddEvent(key);
  }
  GUI_CommuteInScreen::Create();
  std::string expected = Text("COMMUTE_CAUGHT_DRUNK_DRIVING");
  GTranslation::ReplaceToken(expected, "<WORKPLACE>", SIM_GetVede()->GetJob()->GetWorkplace());
  EXPECT_EQ(GUI_CommuteInScreen::PTheWindow->GetMessage(), expected);
  EXPECT_EQ(GUI_CommuteInScreen::PTheWindow->GetColour(), GUI_DiaryPage::kEmphasisColour);
  // The work day still needs to know about the bus.
  EXPECT_EQ(events->GetEvents(), std::vector<std::string>{"MISSED_BUS"});
  // A free trip has no cost line.
  EXPECT_TRUE(GUI_CommuteInScreen::PTheWindow->GetFurtherTexts().empty());
  GUI_CommuteInScreen::Close();
  events->Clear();

  // The way home: the umbrella joins the ordinary message; traffic replaces it.
  events->AddEvent("USED_UMBRELLA");
  GUI_CommuteBackScreen::Create();
  std::string home = Text("COMMUTE_HOME_MESSAGE");
  GTranslation::ReplaceToken(home, "<UMBRELLA>", Text("COMMUTE_HOME_UMBRELLA"));
  EXPECT_EQ(GUI_CommuteBackScreen::PTheWindow->GetMessage(), home);
  // Closing the page clears the trip's keys, so each case starts on a closed page.
  GUI_CommuteBackScreen::Close();
  events->AddEvent("USED_UMBRELLA");
  events->AddEvent("STUCK_IN_TRAFFIC");
  GUI_CommuteBackScreen::Create();
  EXPECT_EQ(GUI_CommuteBackScreen::PTheWindow->GetMessage(), Text("COMMUTE_HOME_TRAFFIC"));
  GUI_CommuteBackScreen::Close();
  EXPECT_TRUE(events->GetEvents().empty());
  events->AddEvent("STUCK_IN_TRAFFIC");
  events->AddEvent("EVENT_MUGGERDEFEATED");
  events->AddEvent("MISSED_BUS");
  GUI_CommuteBackScreen::Create();
  EXPECT_EQ(GUI_CommuteBackScreen::PTheWindow->GetTitle(), Text("COMMUTINGHOME_MUGGERDEFEATED_TITLE"));
  GUI_CommuteBackScreen::Close();
  EXPECT_EQ(events->GetEvents(), std::vector<std::string>{"MISSED_BUS"});
}

TEST_F(DayPages, AfterWorkTheWeightiestNewsIsToldAndAllSixAreCleared) {
  GUI_EventList* events = GUI_GetEventList();
  const char* const news[] = {"EVENT_CAT_LONELY", "EVENT_DOG_LONELY",  "DIRTY_HOUSE",
                              "EVENT_ATTEMPTEDBREAKIN", "EVENT_DOGDEFENDED", "EVENT_BURGLED"};
  const char* const texts[] = {"WORKDAY_CAT_LONELY", "WORKDAY_DOG_LONELY", "WORKDAY_MESSY",
                               "CRIME_TEXT_ATTEMPTEDBREAKIN", "CRIME_TEXT_DOGDEFENDED", "CRIME_TEXT_BURGLED"};
  // From the lightest up: each added key outranks all before it.
  for (int n = 3; n <= 6; ++n) {
    events->Clear();
    events->AddEvent("USED_MP3");  // not news: left alone
    for (int i = 0; i < n; ++i) events->AddEvent(news[i]);
    events->AddEvent("DIRTY_HOUSE");  // left on two days
    GUI_AfterWorkScreen::Create();
    EXPECT_EQ(GUI_AfterWorkScreen::PTheWindow->GetMessage(), Text(texts[n - 1])) << news[n - 1];
    EXPECT_EQ(GUI_AfterWorkScreen::PTheWindow->GetColour(), GUI_DiaryPage::kEmphasisColour);
    EXPECT_EQ(events->GetEvents(), std::vector<std::string>{"USED_MP3"});
  }
  // A lonely pet the player no longer has is not told.
  events->AddEvent("EVENT_DOG_LONELY");
  events->AddEvent("EVENT_CAT_LONELY");
  GUI_AfterWorkScreen::Create();
  EXPECT_EQ(GUI_AfterWorkScreen::PTheWindow->GetMessage(), "");
  EXPECT_EQ(events->GetEvents(), std::vector<std::string>{"USED_MP3"});
}

TEST_F(DayPages, ATipOfMinusOneIsNoTipAndAnyOtherIsToldAsTipOrCommission) {
  struct Case {
    float tip;
    const char* industry;
    const char* key;
  };
  const Case cases[] = {{-1.0f, "sales", "WORKDAY_EARNINGS"},
                        {0.0f, "music", "WORKDAY_EARNINGS_TIPS"},
                        {0.0f, "sales", "WORKDAY_EARNINGS_COMMISSION"},
                        {12.5f, "medical", "WORKDAY_EARNINGS_TIPS"}};
  for (const Case& c : cases) {
    std::string expected = Text(c.key);
    GTranslation::ReplaceToken(expected, "<TIPS>", GUI_DiaryPage::FormatMoney(c.tip));
    GTranslation::ReplaceToken(expected, "<WORK_DESCRIPTION>", GTranslation::GetValueName(0.5f, "WORK_DESCRIPTION"));
    GTranslation::ReplaceToken(expected, "<EARNINGS>", GUI_DiaryPage::FormatMoney(80.0f));
    EXPECT_EQ(GUI_WorkDayScreen::EarningsText(c.tip, 80.0f, c.industry, 0.5f), expected) << c.tip << " " << c.industry;
  }
}

// The glyphs of the body batch (the second font) drawn in the last frame, and the title's.
struct FrameText {
  int body = 0;
  int title = 0;
};

FrameText DrawFrame(GUI_DiaryPage* page, float throttle) {
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  page->DrawPage(throttle);
  FrameText drawn;
  for (const DrawRecord& r : rec.Filter(DrawKind::Triangles)) {
    if (r.texture.find("segoeprintbold20") != std::string::npos) drawn.body += r.count / 6;
    if (r.texture.find("segoeprintbold22") != std::string::npos) drawn.title += r.count / 6;
  }
  return drawn;
}

TEST_F(DayPages, ThePencilWritesOneGlyphPerTwelveMillisecondsAndStopsWithTheLastGlyph) {
  GUI_GetEventList()->AddEvent("EVENT_BURGLED");
  GUI_AfterWorkScreen::Create();
  GUI_DiaryPage* page = GUI_AfterWorkScreen::PTheWindow;
  const std::string title = page->GetTitle();
  EXPECT_TRUE(GUI_GetSounds()->IsPlaying(GUI_DiaryPage::kWritingSound));

  // The title is whole from the first frame; the body grows by the frame's share, truncated.
  FrameText first = DrawFrame(page, 1.5f);
  EXPECT_GT(first.title, 0);
  EXPECT_EQ(first.body, 1);
  EXPECT_EQ(DrawFrame(page, 0.5f).body, 2);
  EXPECT_EQ(DrawFrame(page, 3.0f).body, 5);

  // At three a frame the pencil sounds until the frame that draws the last glyph.
  int previous = 5;
  int frames = 0;
  while (page->IsWriting() && frames < 1000) {
    FrameText now = DrawFrame(page, 3.0f);
    ++frames;
    EXPECT_EQ(now.title, first.title);
    if (page->IsWriting()) {
      EXPECT_EQ(now.body, previous + 3);
      EXPECT_TRUE(GUI_GetSounds()->IsPlaying(GUI_DiaryPage::kWritingSound));
    } else {
      EXPECT_LE(now.body, previous + 3) << "the last frame draws what is left";
      EXPECT_GT(now.body, previous);
    }
    previous = now.body;
  }
  EXPECT_FALSE(page->IsWriting());
  EXPECT_FALSE(GUI_GetSounds()->IsPlaying(GUI_DiaryPage::kWritingSound));
  EXPECT_GT(frames, 10) << "a burglary takes more than a few frames to write";
  EXPECT_EQ(DrawFrame(page, 3.0f).body, previous) << "the whole text stays";
}

}  // namespace
