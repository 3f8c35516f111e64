// Web surfing and the television. The web screen: six places in two columns (a seventh website
// over the fourth), a click applies the website's effects and closes, the end of the day waits
// while it is open, Escape leaves only an empty screen, the strips restart on a stepped clock.
// The remote: cable channels refused without cable (the error sound, the remote kept), Escape
// leaving the slot free, a channel counting four viewings and applying the evening's effects
// before its own, and a second click on the way out running nothing. Bad tables: one warning
// naming the file and line, and every screen still opens and closes.
#include <gtest/gtest.h>

#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTimer.h"
#include "GTranslation.h"
#include "GUI_ControlPanel.h"
#include "GUI_GUI.h"
#include "GUI_Sounds.h"
#include "GUI_SurfWeb.h"
#include "GUI_Tooltip.h"
#include "GUI_WatchTV.h"
#include "HeadlessPlayer.h"
#include "HeadlessWebTV.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_SoloActivityType.h"
#include "SIM_Statistics.h"
#include "SIM_TVChannel.h"
#include "SIM_TVInstance.h"
#include "SIM_Vede.h"
#include "SIM_Website.h"
#include "TestSupport.h"

namespace {

constexpr unsigned kWebTVEscape = 53;

uint32_t g_webTVNowMs = 1000;
uint32_t WebTVClock() { return g_webTVNowMs; }

std::string WebTVFixture(const char* name, const std::string& text) {
  const std::string path = testsupport::TestRoot() + "/" + name;
  testsupport::WriteFile(path, text);
  return path;
}

// Lines of the debug log holding the text.
int WebTVLogLines(const std::string& text) {
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  int count = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
  return count;
}

float WebTVGlobal(const char* name) {
  SIM_NamedValue* value = SIM_NamedValueList::Globals.GetNamedValue(name);
  return value ? value->GetValue() : -1.0f;
}

void SetWebTVGlobal(const char* name, float amount) {
  if (SIM_NamedValue* value = SIM_NamedValueList::Globals.GetNamedValue(name)) {
    value->SetValue(amount);
  } else {
    SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue(name, name, amount));
  }
}

class WebTV : public ::testing::Test {
 protected:
  void SetUp() override {
    GTimer::SetClock(&WebTVClock);
    HeadlessPlayer::StartNewGame(5);
    HeadlessPlayer::PlayToEndOfDay(true);
    ASSERT_EQ(SIM_GetSim()->GetTurnMode(), SIM_SIM::TURNMODE_EVENING);
  }
  void TearDown() override {
    GUI_SurfWeb::Close();
    GUI_WatchTV::Close();
    SIM_Website::Close();
    SIM_TVChannel::Close();
    GTimer::SetClock(nullptr);
  }

  static std::vector<GUI_WebsiteButton*> Sites() {
    std::vector<GUI_WebsiteButton*> sites;
    for (GUI_ButtonBase* button : GUI_SurfWeb::PTheWindow->GetButtons())
      if (auto* site = dynamic_cast<GUI_WebsiteButton*>(button)) sites.push_back(site);
    return sites;
  }
  static std::vector<GUI_ChannelButton*> Channels() {
    std::vector<GUI_ChannelButton*> channels;
    for (GUI_ButtonBase* button : GUI_WatchTV::PTheWindow->GetButtons())
      if (auto* channel = dynamic_cast<GUI_ChannelButton*>(button)) channels.push_back(channel);
    return channels;
  }
  // The evening in front of the set as the chooser starts it, on a table of our own; the solo
  // type adds 0.5 to "glob_tvorder".
  static void OpenRemote(const std::string& channels, const char* file = "channels.csv") {
    SIM_TVChannel::Open(WebTVFixture(file, channels).c_str());
    SIM_SoloActivityType::LoadTypesFromText(
        "#,TVINSTANCE,testtv,Test TV,Sit down.,viewer,0,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,,\"glob_tvorder,0.5\",#\n",
        "testtv");
    SIM_SoloActivityType::GetByName("testtv")->ProcessChunk();
    ASSERT_NE(GUI_WatchTV::PTheWindow, nullptr);
  }
  static int TvInstances() {
    int count = 0;
    for (SIM_SoloActivityInstance* instance : SIM_SoloActivityInstance::All) count += dynamic_cast<SIM_TVInstance*>(instance) != nullptr;
    return count;
  }
};

const char* const kSevenSites =
    "Header\n"
    "#,one,One,First.,\"glob_webone,0.25\"\n"
    "#,two,Two,Second.\n"
    "#,three,Three,Third.\n"
    "#,four,Four,Fourth.\n"
    "#,five,Five,Fifth.\n"
    "#,six,Six,Sixth.\n"
    "#,seven,Seven,Seventh.\n";

const char* const kChannels =
    "Header\n"
    "#,free,Free One,news,0,Always on.,\"glob_tvorder,-0.5\"\n"
    "#,cable,Cable Two,films,1,Films.,\"glob_tvcable,0.3\"\n";

TEST_F(WebTV, WebsitesStandInTwoColumnsAndASeventhCoversTheFourth) {
  SIM_Website::Open(WebTVFixture("sites.csv", kSevenSites).c_str());
  GUI_SurfWeb::Create();
  ASSERT_NE(GUI_SurfWeb::PTheWindow, nullptr);
  const std::vector<GUI_WebsiteButton*> sites = Sites();
  ASSERT_EQ(sites.size(), 7u);
  const RECT first = *sites[0]->GetRect();
  const RECT fourth = *sites[3]->GetRect();
  const RECT seventh = *sites[6]->GetRect();
  EXPECT_LT(first.right, fourth.left);  // two columns
  EXPECT_EQ(first.top, fourth.top);
  EXPECT_EQ(sites[1]->GetRect()->top - first.top, 144);
  EXPECT_EQ(seventh.left, fourth.left);
  EXPECT_EQ(seventh.top, fourth.top);
  EXPECT_EQ(first.right - first.left, 330);
}

TEST_F(WebTV, AClickAppliesTheWebsiteAndClosesAndTheDayWaitsMeanwhile) {
  SIM_Website::Open(WebTVFixture("sites.csv", kSevenSites).c_str());
  GUI_SurfWeb::Create();
  EXPECT_TRUE(GUI_GetControlPanel()->IsEndDayPostponed());
  // Keys other than Escape, and Escape too, do nothing while there are websites.
  GUI_GetGUI()->HandleKey(kWebTVEscape);
  ASSERT_NE(GUI_SurfWeb::PTheWindow, nullptr);
  GUI_SurfWeb::PTheWindow->Draw();
  Sites()[0]->Click();
  EXPECT_EQ(GUI_SurfWeb::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_GetControlPanel()->IsEndDayPostponed());
  EXPECT_FLOAT_EQ(WebTVGlobal("glob_webone"), 0.25f);
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);

  // A website without effects closes the screen and changes nothing.
  GUI_SurfWeb::Create();
  Sites()[1]->Click();
  EXPECT_EQ(GUI_SurfWeb::PTheWindow, nullptr);
  EXPECT_FLOAT_EQ(WebTVGlobal("glob_webone"), 0.25f);
}

TEST_F(WebTV, TheStripsUnrollAndStartAgainOnTheSteppedClock) {
  SIM_Website::Open(WebTVFixture("sites.csv", kSevenSites).c_str());
  GUI_SurfWeb::Create();
  const GUI_WebBinary& strip = GUI_SurfWeb::PTheWindow->GetStrips()[GUI_SurfWeb::kFirstDrawnStrip];
  EXPECT_GE(strip.GetLifetime(), 1000.0f);
  EXPECT_LE(strip.GetLifetime(), 2000.0f);
  const float x = strip.GetX();
  const float y = strip.GetY();
  GUI_SurfWeb::PTheWindow->Draw();
  EXPECT_EQ(strip.GetX(), x);
  g_webTVNowMs += 2100;  // past any lifetime
  GUI_SurfWeb::PTheWindow->Draw();
  EXPECT_TRUE(strip.GetX() != x || strip.GetY() != y);
  for (const GUI_WebBinary& each : GUI_SurfWeb::PTheWindow->GetStrips()) {
    EXPECT_LE(each.GetY(), D3DEngine::H);
    EXPECT_LE(each.GetX(), D3DEngine::W);
  }
}

TEST_F(WebTV, WithoutCableACableChannelIsRefusedAndTheRemoteStays) {
  OpenRemote(kChannels);
  const std::vector<GUI_ChannelButton*> channels = Channels();
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_TRUE(channels[0]->IsAvailable());
  EXPECT_FALSE(channels[1]->IsAvailable());
  EXPECT_EQ(channels[1]->GetWarning(), GTranslation::GetString("TV_WARNING"));
  ASSERT_NE(channels[1]->GetTooltip(), nullptr);
  const int slots = SIM_GetSim()->GetSlotsUsed();
  channels[1]->Click();
  EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/error.ogg");
  ASSERT_NE(GUI_WatchTV::PTheWindow, nullptr);
  EXPECT_NE(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SLIDING_OUT);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("TV_WATCHED"), 0);
  EXPECT_EQ(WebTVGlobal("glob_tvcable"), -1.0f);

  // With cable bought the same channel plays.
  GUI_WatchTV::Close();
  SetWebTVGlobal("cabletv", 1.0f);
  OpenRemote(kChannels);
  EXPECT_TRUE(Channels()[1]->IsAvailable());
  Channels()[1]->Click();
  EXPECT_FLOAT_EQ(WebTVGlobal("glob_tvcable"), 0.3f);
}

TEST_F(WebTV, EscapeSlidesTheRemoteAwayAndLeavesTheSlotFree) {
  OpenRemote(kChannels);
  const int slots = SIM_GetSim()->GetSlotsUsed();
  GUI_WatchTV::PTheWindow->Draw();
  GUI_GetGUI()->HandleKey(kWebTVEscape);
  ASSERT_NE(GUI_WatchTV::PTheWindow, nullptr);
  EXPECT_EQ(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SLIDING_OUT);
  EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
  EXPECT_FALSE(GUI_WatchTV::PTheWindow->IsModal());
  g_webTVNowMs += 250;
  GUI_WatchTV::PTheWindow->Draw();
  EXPECT_TRUE(GUI_WatchTV::PTheWindow->IsVisible());
  g_webTVNowMs += 260;
  GUI_WatchTV::PTheWindow->Draw();
  EXPECT_FALSE(GUI_WatchTV::PTheWindow->IsVisible());
  // A channel clicked on the way out runs nothing.
  Channels()[0]->Click();
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("TV_WATCHED"), 0);
  // The unwatched evening goes with its remote.
  EXPECT_EQ(TvInstances(), 1);
  GUI_WatchTV::Close();
  EXPECT_EQ(TvInstances(), 0);
}

TEST_F(WebTV, AChannelCountsFourViewingsAndAppliesTheEveningBeforeItself) {
  SetWebTVGlobal("glob_tvorder", 0.9f);
  OpenRemote(kChannels);
  const int slots = SIM_GetSim()->GetSlotsUsed();
  // The remote slides up in half a second.
  GUI_WatchTV::PTheWindow->Draw();
  EXPECT_EQ(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SLIDING_IN);
  g_webTVNowMs += 500;
  GUI_WatchTV::PTheWindow->Draw();
  EXPECT_EQ(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SHOWN);
  Channels()[0]->Click();
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("TV_WATCHED"), 4);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots + 1);
  // 0.9 + 0.5 stops at 1, then - 0.5: the evening's effects came first.
  EXPECT_FLOAT_EQ(WebTVGlobal("glob_tvorder"), 0.5f);
  EXPECT_EQ(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SLIDING_OUT);
  // A second click on the way out is not a second evening.
  Channels()[0]->Click();
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("TV_WATCHED"), 4);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots + 1);
  // The watched evening stays with the other solo evenings.
  GUI_WatchTV::Close();
  EXPECT_EQ(TvInstances(), 1);
}

TEST_F(WebTV, ChannelsStepDownTheRemoteAndAnEighthGoesBelowTheSeventh) {
  std::string rows = "Header\n";
  for (int i = 0; i < 8; ++i) rows += "#,c" + std::to_string(i) + ",C" + std::to_string(i) + ",x,0,A channel.\n";
  OpenRemote(rows);
  const std::vector<GUI_ChannelButton*> channels = Channels();
  ASSERT_EQ(channels.size(), 8u);
  EXPECT_FLOAT_EQ(channels[0]->GetRelativeTop(), 80.0f);
  EXPECT_NEAR(channels[6]->GetRelativeBottom(), 448.0f, 0.01f);
  EXPECT_NEAR(channels[7]->GetRelativeTop(), 450.0f, 0.01f);
}

// Bad tables: one warning naming the file (and the row's line), and both screens open and close.
TEST_F(WebTV, BadTablesWarnOnceAndEveryScreenStillOpensAndCloses) {
  struct Case {
    const char* name;
    const char* text;  // null: no file at all
    const char* warning;
    size_t rows;
  };
  const Case cases[] = {
      {"empty.csv", "Header only\n", "empty.csv: no rows", 0},
      {"missing.csv", nullptr, "missing.csv: missing", 0},
      {"broken.csv", "Header\n#,good,Good,Text.,\"happiness,0.01\",\"happiness,lots\"\n",
       "broken.csv:2: \"happiness,lots\"", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = c.text ? WebTVFixture(c.name, c.text) : testsupport::TestRoot() + "/" + c.name;
    SIM_Website::Close();
    SIM_Website::Open(path.c_str());
    EXPECT_EQ(SIM_Website::All.size(), c.rows);
    EXPECT_EQ(WebTVLogLines(c.warning), 1);
    if (c.rows) {
      EXPECT_EQ(SIM_Website::All.front()->GetModifiers().size(), 1u);
    }
    GUI_SurfWeb::Create();
    ASSERT_NE(GUI_SurfWeb::PTheWindow, nullptr);
    GUI_SurfWeb::PTheWindow->Draw();
    if (c.rows) {
      Sites()[0]->Click();
    } else {
      GUI_GetGUI()->HandleKey(kWebTVEscape);  // an empty screen lets the player out
    }
    EXPECT_EQ(GUI_SurfWeb::PTheWindow, nullptr);
    EXPECT_FALSE(GUI_GetControlPanel()->IsEndDayPostponed());

  }
}

TEST_F(WebTV, ABrokenOrEmptyChannelTableStillGivesARemoteThatCloses) {
  struct Case {
    const char* name;
    const char* text;
    const char* warning;
    size_t rows;
  };
  const Case cases[] = {
      {"tv_empty.csv", "Header only\n", "tv_empty.csv: no rows", 0},
      {"tv_broken.csv", "Header\n#,ok,OK,x,maybe,Words.,\"=happiness\",\"stress,-0.01\"\n", "tv_broken.csv:2: \"=happiness\"", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SIM_TVChannel::Close();
    OpenRemote(c.text, c.name);
    ASSERT_EQ(SIM_TVChannel::All.size(), c.rows);
    EXPECT_EQ(WebTVLogLines(c.warning), 1);
    if (c.rows) {
      EXPECT_EQ(SIM_TVChannel::All.front()->GetModifiers().size(), 1u);
      EXPECT_FALSE(SIM_TVChannel::All.front()->NeedsCable());
      EXPECT_EQ(WebTVLogLines("tv_broken.csv:2: the cable column"), 1);
    }
    GUI_WatchTV::PTheWindow->Draw();
    GUI_GetGUI()->HandleKey(kWebTVEscape);
    EXPECT_EQ(GUI_WatchTV::PTheWindow->GetMode(), GUI_WatchTV::MODE_SLIDING_OUT);
    GUI_WatchTV::Close();
  }
}

// Once cable is bought the headless player's evenings in front of the set take in cable channels.
TEST_F(WebTV, TheHeadlessPlayerWatchesCableOnceItIsBought) {
  SetWebTVGlobal("cabletv", 1.0f);
  for (int evening = 0; evening < 20; ++evening) {
    OpenRemote(kChannels);
    HeadlessWebTV::Play();
    ASSERT_EQ(GUI_WatchTV::PTheWindow, nullptr);
  }
  EXPECT_EQ(HeadlessWebTV::GetCounts().watched, 20);
  EXPECT_GT(HeadlessWebTV::GetCounts().cableWatched, 0);
  EXPECT_EQ(HeadlessWebTV::GetCounts().cableRefused, 0);
}

TEST_F(WebTV, TheHeadlessPlayerFinishesEitherScreenAsAPlayerWould) {
  SIM_Website::Open(WebTVFixture("sites.csv", kSevenSites).c_str());
  GUI_SurfWeb::Create();
  HeadlessWebTV::Play();
  EXPECT_EQ(GUI_SurfWeb::PTheWindow, nullptr);
  OpenRemote(kChannels);
  const int slots = SIM_GetSim()->GetSlotsUsed();
  HeadlessWebTV::Play();
  EXPECT_EQ(GUI_WatchTV::PTheWindow, nullptr);
  EXPECT_EQ(SIM_GetSim()->GetSlotsUsed(), slots + 1);
  EXPECT_EQ(HeadlessWebTV::GetCounts().watched, 1);
  EXPECT_EQ(HeadlessWebTV::GetCounts().cableWatched, 0);
  EXPECT_EQ(HeadlessWebTV::GetCounts().surfed, 1);
}

}  // namespace

namespace {

// Ten years of the headless player: it surfs, watches television and buys cable (the shop's wish
// list has it); nothing in the log goes wrong.
TEST(WebTVHeadless, TenYearsSurfWatchAndBuyCable) {
  HeadlessPlayer::Run(600, 5, nullptr);
  const HeadlessWebTV::Counts& tally = HeadlessWebTV::GetCounts();
  EXPECT_GT(tally.surfed, 0);
  EXPECT_GT(tally.watched, 0);
  EXPECT_TRUE(SIM_NamedValueList::Globals.IsTrue("cabletv"));
  EXPECT_EQ(WebTVLogLines("STAND-IN: SIM_TVInstance"), 0);
  for (const std::string& line : HeadlessPlayer::LogProblems()) ADD_FAILURE() << line;
}

}  // namespace
