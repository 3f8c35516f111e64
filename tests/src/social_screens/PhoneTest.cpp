// The phone, headless: the day's queue and its held-back messages, ringing, the sliding inbox
// and its rows, a person's message, and a special event's invitation and report.
#include <gtest/gtest.h>

#include <string>

#include "../gui_toolkit/GuiToolkitTestSupport.h"
#include "../people/PeopleTestSupport.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_MobilePhone.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NPCMessage.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Sounds.h"
#include "GUI_EventTicket.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "SIM_SIM.h"
#include "SIM_ScheduledEvents.h"

namespace {

class Phone : public peopletest::Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true);
    if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
    if (GetTextEngine()->GetFonts().empty()) GetTextEngine()->LoadFonts();
    GTimer::SetClock(&guitest::Now);
    GetInput()->Process();
    GUI_GetMobilePhone()->Initialise();
    D3DEngine::GetRecorder().Clear();
  }
  void TearDown() override {
    GUI_PhoneMessage::ClearAll();
    GUI_GetSounds()->StopSound(GUI_MobilePhone::kRingTone);
    GUI_GetWindowManager()->CloseAll();
    GTimer::SetClock(nullptr);
    Town::TearDown();
  }
  static void Frames(int n, uint32_t msEach = 34) {
    for (int i = 0; i < n; ++i) {
      guitest::g_now += msEach;
      guitest::Frame();
    }
  }
  static void OpenInbox() {
    GUI_GetMobilePhone()->Clicked();
    Frames(20);
    ASSERT_TRUE(GUI_MobilePhoneInbox::IsOpen());
  }
  static bool Ringing() { return GUI_GetSounds()->IsPlaying(GUI_MobilePhone::kRingTone); }
  static GUI_MobilePhoneInboxStrip* Row(size_t i) {
    auto it = GUI_MobilePhoneInbox::PTheWindow->GetRows().begin();
    std::advance(it, i);
    return *it;
  }
  static void ClickRow(size_t i) {
    const RECT* r = Row(i)->GetRect();
    guitest::ClickAt((float)(r->left + r->right) / 2.0f, (float)(r->top + r->bottom) / 2.0f);
  }
};

TEST_F(Phone, AHeldBackMessageWaitsForTheDaysEndAndThenRings) {
  SIM_NPC* npc = Friend();
  GUI_PhoneMessage::PrepareNPCMessage(npc, "See you soon");
  GUI_GetMobilePhone()->CheckRinging();
  Frames(1);
  EXPECT_TRUE(GUI_PhoneMessage::All.empty());
  EXPECT_EQ(GUI_GetMobilePhone()->GetStatus(), GUI_MobilePhone::STATUS_IDLE);
  EXPECT_FALSE(Ringing());

  GUI_GetGUI()->EndDayGUI();
  ASSERT_EQ(GUI_PhoneMessage::All.size(), 1u);
  EXPECT_EQ(GUI_PhoneMessage::Unread.size(), 1u);
  EXPECT_TRUE(GUI_PhoneMessage::Pending.empty());
  EXPECT_EQ(GUI_GetMobilePhone()->GetStatus(), GUI_MobilePhone::STATUS_RINGING);
  EXPECT_TRUE(Ringing());

  // A message delivered at another moment lights the phone without ringing.
  GUI_GetMobilePhone()->Clicked();
  GUI_MobilePhoneInbox::Close(0);
  EXPECT_FALSE(Ringing());
  GUI_PhoneMessage::CreateNPCMessage(npc, "And another thing");
  Frames(1);
  EXPECT_EQ(GUI_GetMobilePhone()->GetStatus(), GUI_MobilePhone::STATUS_UNREAD);
  EXPECT_TRUE(GUI_GetMobilePhone()->IsHighlighted());
  EXPECT_FALSE(Ringing());
}

TEST_F(Phone, CheckRingingWithTheInboxOpenLightsWithoutRinging) {
  OpenInbox();
  GUI_PhoneMessage::CreateNPCMessage(Friend(), "Hello");
  GUI_GetMobilePhone()->CheckRinging();
  EXPECT_FALSE(Ringing());
  EXPECT_TRUE(GUI_GetMobilePhone()->IsHighlighted());
  // With nothing unread the phone goes quiet and dark.
  GUI_PhoneMessage::Clear();
  GUI_GetMobilePhone()->CheckRinging();
  EXPECT_EQ(GUI_GetMobilePhone()->GetStatus(), GUI_MobilePhone::STATUS_IDLE);
  EXPECT_FALSE(GUI_GetMobilePhone()->IsHighlighted());
}

TEST_F(Phone, TheInboxRisesFromBelowTheScreenIn500Ms) {
  struct Case {
    GUI_MobilePhoneInbox::SLIDE state;
    double ms;
    float offset;
  };
  for (const Case& c : {Case{GUI_MobilePhoneInbox::SLIDE_OPENING, 0.0, 604.0f},
                        Case{GUI_MobilePhoneInbox::SLIDE_OPENING, 125.0, 453.0f},
                        Case{GUI_MobilePhoneInbox::SLIDE_OPENING, 500.0, 0.0f},
                        Case{GUI_MobilePhoneInbox::SLIDE_OPENING, 900.0, 0.0f},
                        Case{GUI_MobilePhoneInbox::SLIDE_CLOSING, 250.0, 302.0f},
                        Case{GUI_MobilePhoneInbox::SLIDE_OPEN, 100.0, 0.0f}}) {
    EXPECT_FLOAT_EQ(GUI_MobilePhoneInbox::SlideOffset(c.state, c.ms), c.offset) << c.state << " " << c.ms;
  }
  GUI_GetMobilePhone()->Clicked();
  GUI_MobilePhoneInbox* inbox = GUI_MobilePhoneInbox::PTheWindow;
  ASSERT_NE(inbox, nullptr);
  Frames(1, 0);
  EXPECT_EQ(inbox->GetRect()->top, 768);  // entirely below the bottom edge
  EXPECT_FALSE(GUI_MobilePhoneInbox::IsOpen());
  Frames(1, 250);
  EXPECT_EQ(inbox->GetRect()->top, 768 - 302);
  Frames(1, 260);
  EXPECT_EQ(inbox->GetRect()->top, 768 - 604);
  EXPECT_TRUE(GUI_MobilePhoneInbox::IsOpen());
  // Under every other window.
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().front(), inbox);

  // Escape slides it away; it stays, invisible, until the next Create.
  GUI_GetGUI()->HandleKey(53);  // Escape
  EXPECT_EQ(inbox->GetSlideState(), GUI_MobilePhoneInbox::SLIDE_CLOSING);
  Frames(20);
  EXPECT_EQ(GUI_MobilePhoneInbox::PTheWindow, inbox);
  EXPECT_FALSE(inbox->IsVisible());
}

TEST_F(Phone, LongSendersAreCutAfter16Characters) {
  struct Case {
    const char* sender;
    const char* shown;
  };
  for (const Case& c : {Case{"Sixteen chars ok", "Sixteen chars ok"}, Case{"Seventeen chars!!", "Seventeen chars!..."},
                        Case{"", ""}}) {
    EXPECT_EQ(GUI_MobilePhoneInboxStrip::ShortSender(c.sender), c.shown);
  }
  GUI_PhoneMessage::CreateMessage("A dentist reminder", "Tuesday at ten");
  OpenInbox();
  EXPECT_EQ(Row(0)->GetShownSender(), "A dentist remind...");
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("A dentist remind..."));
}

TEST_F(Phone, ARowOpensItsWindowEachTimeAndStaysListedAsRead) {
  SIM_NPC* npc = Friend();
  GUI_PhoneMessage::CreateNPCMessage(npc, "Fancy a drink?");
  OpenInbox();
  ClickRow(0);
  ASSERT_NE(GUI_NPCMessage::PTheWindow, nullptr);
  EXPECT_EQ(GUI_NPCMessage::PTheWindow->GetText(), "Fancy a drink?");
  EXPECT_TRUE(GUI_PhoneMessage::All.front()->IsRead());
  EXPECT_TRUE(GUI_PhoneMessage::Unread.empty());
  GUI_NPCMessage::Close();
  ClickRow(0);
  EXPECT_NE(GUI_NPCMessage::PTheWindow, nullptr);
  EXPECT_EQ(GUI_PhoneMessage::All.size(), 1u);
  D3DEngine::GetRecorder().Clear();
  Frames(1);
  EXPECT_NE(D3DEngine::GetRecorder().FindTexture("phone_mesage_read.png"), nullptr) << D3DEngine::GetRecorder().Dump();
}

TEST_F(Phone, AMessageDeletedUnderTheOpenInboxTakesItsRowWithIt) {
  SIM_NPC* npc = Friend();
  GUI_PhoneMessage::CreateNPCMessage(npc, "one");
  GUI_PhoneMessage* second = GUI_PhoneMessage::CreateNPCMessage(npc, "two");
  GUI_PhoneMessage::CreateNPCMessage(npc, "three");
  OpenInbox();
  ASSERT_EQ(GUI_MobilePhoneInbox::PTheWindow->GetRows().size(), 3u);
  const int firstTop = Row(0)->GetRect()->top;
  delete second;
  // The row of the gone message takes no click and draws nothing until the frame drops it.
  EXPECT_EQ(Row(1)->GetMessage(), nullptr);
  ClickRow(1);
  EXPECT_EQ(GUI_NPCMessage::PTheWindow, nullptr);
  Frames(1);
  ASSERT_EQ(GUI_MobilePhoneInbox::PTheWindow->GetRows().size(), 2u);
  EXPECT_EQ(Row(1)->GetRect()->top, firstTop + 32);
  ClickRow(1);
  ASSERT_NE(GUI_NPCMessage::PTheWindow, nullptr);
  EXPECT_EQ(GUI_NPCMessage::PTheWindow->GetText(), "three");
}

TEST_F(Phone, ANewGameForgetsTheHeldBackMessagesOfTheLast) {
  SIM_NPC* npc = Friend();
  GUI_PhoneMessage::PrepareNPCMessage(npc, "later");
  GUI_PhoneMessage::CreateNewFriend(npc);
  GUI_PhoneMessage::CreateNPCMessage(npc, "now");
  // The night keeps what is held back for the morning...
  GUI_PhoneMessage::Clear();
  EXPECT_EQ(GUI_PhoneMessage::Pending.size(), 2u);
  // ...a new game does not.
  GUI_PhoneMessage::ClearAll();
  EXPECT_TRUE(GUI_PhoneMessage::Pending.empty());
  GUI_PhoneMessage::InputPending();
  EXPECT_TRUE(GUI_PhoneMessage::All.empty());
}

TEST_F(Phone, AClickOnThePhoneItselfOpensTheInbox) {
  GUI_MobilePhone* phone = GUI_GetMobilePhone();
  const RECT* r = phone->GetRect();
  EXPECT_TRUE(phone->CheckClick((float)r->left + 52.0f, (float)r->top + 70.0f));
  EXPECT_NE(GUI_MobilePhoneInbox::PTheWindow, nullptr);
  EXPECT_FALSE(phone->CheckClick((float)r->left - 5.0f, (float)r->top + 70.0f));
}

TEST_F(Phone, ANewPersonsMessageReplacesTheOpenOneAndLongTitlesAreCut) {
  SIM_NPC* a = Friend();
  SIM_NPC* b = Friend();
  GUI_NPCMessage::Create(a, "first, <RAVEZIRER>");
  GUI_NPCMessage* second = GUI_NPCMessage::Create(b, "second");
  int open = 0;
  for (GUI_WindowBase* w : GUI_GetWindowManager()->GetWindows()) open += dynamic_cast<GUI_NPCMessage*>(w) != nullptr;
  EXPECT_EQ(open, 1);
  EXPECT_EQ(GUI_NPCMessage::PTheWindow, second);
  EXPECT_EQ(GUI_NPCMessage::Create(a, "Hi <RAVEZIRER>")->GetText(), "Hi Alex");
  for (const char* title : {"Message from Jo", "Message from Maximilian Fotheringham"}) {
    const std::string shown = GUI_NPCMessage::ShortTitle(title);
    EXPECT_EQ(shown, std::string(title).size() <= 24 ? std::string(title) : std::string(title).substr(0, 24) + "...");
  }
}

class SpecialEventScreens : public Phone {
 protected:
  void SetUp() override {
    Phone::SetUp();
    std::string path = WriteTable("events.csv",
                                  "name,display,invite,report,prerequisites,#,influences,#,modifiers\n"
                                  "#,gala,The Gala,\"Tickets for the <TOWNNAME> gala!\",\"<TOWNNAME> danced all night.\",#,#,\"optimism,0.1,0.9\"\n");
    SIM_SpecialEvent::Open(path.c_str());
    GetGame()->SetTownName("Brindle");
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  }
  void TearDown() override {
    GUI_SpecialEventPostMortem::Close();
    GUI_SpecialEvent::Close();
    SIM_SpecialEvent::Close();
    Phone::TearDown();
  }
};

TEST_F(SpecialEventScreens, TheTicketOpensFromThePhoneWithTheTownsName) {
  SIM_SpecialEvent* gala = SIM_SpecialEvent::GetEvent("gala");
  ASSERT_NE(gala, nullptr);
  gala->Trigger();
  ASSERT_EQ(GUI_PhoneMessage::All.size(), 1u);
  GUI_PhoneMessage::All.front()->Open();
  ASSERT_NE(GUI_SpecialEvent::PTheWindow, nullptr);
  EXPECT_EQ(GUI_SpecialEvent::PTheWindow->GetText(), "Tickets for the Brindle gala!");
  EXPECT_TRUE(GUI_SpecialEvent::PTheWindow->GetAttendButton()->IsEnabled());
  EXPECT_EQ(GUI_SpecialEvent::PTheWindow->GetTitle(), "The Gala");

  // After the day is over it can be read, not answered.
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  GUI_PhoneMessage::All.front()->Open();
  EXPECT_FALSE(GUI_SpecialEvent::PTheWindow->GetAttendButton()->IsEnabled());
  EXPECT_FALSE(GUI_SpecialEvent::PTheWindow->GetRejectButton()->IsEnabled());
}

TEST_F(SpecialEventScreens, AttendingShowsTheReportWhoseContinueDeliversTheDaysMessages) {
  SIM_SpecialEvent::GetEvent("gala")->Trigger();
  GUI_PhoneMessage::All.front()->Open();
  GUI_PhoneMessage::PrepareNPCMessage(Friend(), "held back");
  GUI_SpecialEvent::Attend(0);
  EXPECT_EQ(GUI_SpecialEvent::PTheWindow, nullptr);
  ASSERT_NE(GUI_SpecialEventPostMortem::PTheWindow, nullptr);
  EXPECT_EQ(GUI_SpecialEventPostMortem::PTheWindow->GetText(), "Brindle danced all night.");
  Frames(1);
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("The Gala"));
  GUI_SpecialEventPostMortem::Continue(0);
  EXPECT_EQ(GUI_SpecialEventPostMortem::PTheWindow, nullptr);
  EXPECT_TRUE(GUI_PhoneMessage::Pending.empty());
  EXPECT_EQ(GUI_PhoneMessage::All.size(), 2u);
  EXPECT_EQ(GUI_PhoneMessage::Unread.size(), 1u);  // the ticket was read
}

}  // namespace
