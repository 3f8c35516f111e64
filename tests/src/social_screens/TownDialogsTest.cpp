// The dialogs of town life, headless: a friend's invitation and its three answers, accepting it
// under the open inbox, the no-money dialog's subsidy, and the romance offer and summary.
#include <gtest/gtest.h>

#include <string>

#include "../gui_toolkit/GuiToolkitTestSupport.h"
#include "../people/PeopleTestSupport.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_HintHelp.h"
#include "GUI_ButtonText.h"
#include "GUI_MobilePhone.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NoMoneyDialog.h"
#include "GUI_PhoneMessage.h"
#include "GUI_RomanceSummary.h"
#include "GUI_RomanticOffer.h"
#include "GUI_SocialInvitation.h"
#include "GUI_Sounds.h"
#include "GUI_WindowManager.h"
#include "SIM_Finances.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseType.h"
#include "SIM_Subsidies.h"
#include "SIM_Vede.h"

namespace {

// A table row of an evening type: the cost per head, and what its prerequisites ask.
std::string InviteTypeRow(const std::string& name, const std::string& cost, const std::string& prerequisites) {
  return "#,PARTY," + name + ",GUI " + name + ",desc,noun,,0,,,,\"_random,1.0\",low,mid,high,invite,0," + cost +
         ",-1,-1,1,1,1,1,1,1,1,1,6,,#,#," + prerequisites + "\n";
}

class TownDialogs : public peopletest::Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true);
    if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
    if (GetTextEngine()->GetFonts().empty()) GetTextEngine()->LoadFonts();
    GTimer::SetClock(&guitest::Now);
    GetInput()->Process();
    SIM_SocialiseType::LoadTypesFromText("header\n" + InviteTypeRow("free", "0", "") + InviteTypeRow("dinner", "10", "") +
                                             InviteTypeRow("rave", "10", "\"_energy,0.99\""),
                                         "dialogs.csv");
    SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
    SIM_GetFinances()->SetCash(100.0f);
    SIM_GetVede()->GetNamedValue("_energy", true)->SetValue(0.5f);
  }
  void TearDown() override {
    GUI_PhoneMessage::ClearAll();
    GUI_GetSounds()->StopSound(GUI_MobilePhone::kRingTone);
    GUI_GetWindowManager()->CloseAll();
    SIM_SocialInvitation::Clear();
    SIM_Subsidies::Clear();
    SIM_GetRomance()->Reset();
    SIM_SocialiseType::Close();
    GTimer::SetClock(nullptr);
    Town::TearDown();
  }
  static SIM_SocialInvitation* Invite(const char* type, SIM_NPC* inviter = nullptr) {
    SIM_SocialInvitation* invitation =
        SIM_SocialInvitation::Create(inviter ? inviter : Friend(), SIM_SocialiseType::GetTypeByName(type),
                                     SIM_SocialInvitation::IMPORTANCE_NORMAL);
    invitation->AddAttendee(invitation->GetInvitee());
    invitation->ComposeInviteText();
    return invitation;
  }
  static GUI_SocialInvitation* Open(SIM_SocialInvitation* invitation) {
    GUI_SocialInvitation::Create(invitation);
    GUI_SocialInvitation* dialog = GUI_SocialInvitation::PTheWindow;
    if (dialog) dialog->UpdateButtons();
    return dialog;
  }
  static void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      guitest::g_now += 34;
      guitest::Frame();
    }
  }
};

TEST_F(TownDialogs, AnInvitationsAnswersFollowCostCashDayAndEnergy) {
  struct Case {
    const char* type;
    float cash;
    SIM_SIM::TURNMODE mode;
    bool noCashButton;
    bool acceptEnabled;
    bool tooTired;
  };
  for (const Case& c : {Case{"free", 0.0f, SIM_SIM::TURNMODE_EVENING, false, true, false},
                        Case{"dinner", 10.0f, SIM_SIM::TURNMODE_EVENING, true, true, false},
                        Case{"dinner", 9.0f, SIM_SIM::TURNMODE_EVENING, true, false, false},
                        Case{"dinner", 50.0f, SIM_SIM::TURNMODE_DAYENDED, true, false, false},
                        Case{"rave", 50.0f, SIM_SIM::TURNMODE_EVENING, true, false, true}}) {
    SIM_GetFinances()->SetCash(c.cash);
    SIM_GetSim()->SetMode(c.mode);
    GUI_SocialInvitation* dialog = Open(Invite(c.type));
    ASSERT_NE(dialog, nullptr);
    const std::string label = c.type + std::string(" at ") + std::to_string(c.cash);
    EXPECT_EQ(dialog->GetNoCashButton() != nullptr, c.noCashButton) << label;
    EXPECT_EQ(dialog->GetAcceptButton()->IsEnabled(), c.acceptEnabled) << label;
    EXPECT_TRUE(dialog->GetRejectButton()->IsEnabled()) << label;
    EXPECT_EQ(dialog->GetAcceptButton()->GetText() == GTranslation::GetString("TOO_TIRED"), c.tooTired) << label;
  }
  EXPECT_EQ(GUI_SocialInvitation::All.size(), 1u);  // each Create replaced the last
}

TEST_F(TownDialogs, PleadingPovertyClosesTheDialogAndLeavesTheInvitationReadOnly) {
  SIM_GetFinances()->SetCash(5.0f);
  SIM_SocialInvitation* invitation = Invite("dinner");
  Open(invitation);
  GUI_SocialInvitation::NoCash(0);
  EXPECT_EQ(GUI_SocialInvitation::PTheWindow, nullptr);
  EXPECT_TRUE(invitation->HasPleadedPoverty());
  GUI_SocialInvitation* again = Open(invitation);
  EXPECT_FALSE(again->GetAcceptButton()->IsEnabled());
  EXPECT_FALSE(again->GetRejectButton()->IsEnabled());
  EXPECT_FALSE(again->GetNoCashButton()->IsEnabled());
  // Declining changes nothing but the screen.
  GUI_SocialInvitation::Reject(0);
  EXPECT_EQ(GUI_SocialInvitation::PTheWindow, nullptr);
  EXPECT_FALSE(invitation->IsAccepted());
}

TEST_F(TownDialogs, StrangersShowABlankFaceAndLongInvitersAreCut) {
  SIM_SocialInvitation* invitation = Invite("free");
  SIM_NPC* stranger = Npc();
  invitation->AddAttendee(stranger);
  GUI_SocialInvitation* dialog = Open(invitation);
  ASSERT_EQ(dialog->GetAttendeePortraits().size(), 2u);
  EXPECT_TRUE(dialog->GetAttendeePortraits().front()->ShowsFace());
  GUI_InvitationPortrait* blank = dialog->GetAttendeePortraits().back();
  EXPECT_FALSE(blank->ShowsFace());
  const RECT* r = blank->GetRect();
  EXPECT_FALSE(blank->CheckClick((float)r->left + 30.0f, (float)r->top + 30.0f));
  // Two faces centred under the dialog: 64 apart.
  EXPECT_EQ(r->left - dialog->GetAttendeePortraits().front()->GetRect()->left, 64);

  const std::string longTitle(40, 'x');
  EXPECT_EQ(GUI_SocialInvitation::ShortTitle(longTitle), longTitle.substr(0, 37) + "...");
  EXPECT_EQ(GUI_SocialInvitation::ShortTitle(std::string(36, 'y')), std::string(36, 'y'));
}

TEST_F(TownDialogs, AcceptingUnderTheOpenInboxRemovesItsRowSafely) {
  SIM_SocialInvitation* invitation = Invite("free");
  GUI_PhoneMessage::CreateSocialInvite(invitation);
  GUI_PhoneMessage::CreateMessage("Dentist", "Tuesday");
  GUI_GetMobilePhone()->Clicked();
  Frames(20);
  ASSERT_TRUE(GUI_MobilePhoneInbox::IsOpen());
  ASSERT_EQ(GUI_MobilePhoneInbox::PTheWindow->GetRows().size(), 2u);
  GUI_PhoneMessage::All.front()->Open();
  ASSERT_NE(GUI_SocialInvitation::PTheWindow, nullptr);
  EXPECT_EQ(GUI_PhoneMessage::All.front()->GetSender(), invitation->GetInvitee()->GetFullName());

  GUI_SocialInvitation::Accept(0);
  EXPECT_TRUE(invitation->IsAccepted());
  EXPECT_TRUE(GUI_SocialInvitation::All.empty());
  ASSERT_EQ(GUI_PhoneMessage::All.size(), 1u);
  // The evening's report covers the screen; the inbox's row of the accepted invitation no longer
  // reaches its message and takes no click, and goes at the inbox's next drawing.
  GUI_MobilePhoneInbox* inbox = GUI_MobilePhoneInbox::PTheWindow;
  ASSERT_NE(inbox, nullptr);
  GUI_MobilePhoneInboxStrip* gone = inbox->GetRows().front();
  EXPECT_EQ(gone->GetMessage(), nullptr);
  const RECT* r = gone->GetRect();
  EXPECT_TRUE(gone->CheckClick((float)r->left + 5.0f, (float)r->top + 5.0f));
  EXPECT_EQ(GUI_SocialInvitation::PTheWindow, nullptr);
  inbox->Draw();
  ASSERT_EQ(inbox->GetRows().size(), 1u);
  EXPECT_EQ(inbox->GetRows().front()->GetMessage(), GUI_PhoneMessage::All.front());
}

TEST_F(TownDialogs, ASubsidyNeedsEveryShareOfferedAndThePlayersOwn) {
  SIM_SocialiseType* dinner = SIM_SocialiseType::GetTypeByName("dinner");
  SIM_Subsidies::Add(Friend());  // one share offered already
  struct Case {
    float cash;
    bool enabled;
  };
  for (const Case& c : {Case{30.0f, true}, Case{29.0f, false}, Case{100.0f, true}}) {
    SIM_GetFinances()->SetCash(c.cash);
    GUI_NoMoneyDialog* dialog = GUI_NoMoneyDialog::Create(dinner, Friend());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetRequiredCash(), 30);
    EXPECT_EQ(dialog->GetSubsidiseButton()->IsEnabled(), c.enabled) << c.cash;
  }
  // Closing it decides nothing; subsidising offers the share.
  GUI_NPCMessage::Close();
  EXPECT_EQ(SIM_Subsidies::SubsidyOffers.size(), 1u);
  SIM_NPC* broke = Friend();
  GUI_NoMoneyDialog::Create(dinner, broke);
  GUI_NoMoneyDialog::SubsidiseFriend(0);
  EXPECT_EQ(GUI_NoMoneyDialog::PNoMoneyDialog, nullptr);
  EXPECT_EQ(GUI_NPCMessage::PTheWindow, nullptr);
  EXPECT_EQ(SIM_Subsidies::SubsidyOffers.back(), broke);
}

TEST_F(TownDialogs, TheRomanceOfferIsAnsweredOnlyByItsButtons) {
  SIM_NPC* admirer = Friend(0.8f, SIM_FEMALE);
  admirer->SetRomanticCompatibility(0.7f);
  GUI_RomanticOffer::Create(admirer);
  ASSERT_NE(GUI_RomanticOffer::PTheWindow, nullptr);
  EXPECT_EQ(GUI_RomanticOffer::PTheWindow->GetCloseButton(), nullptr);
  EXPECT_TRUE(GUI_RomanticOffer::PTheWindow->IsModal());
  // Escape closes it with nothing decided.
  GUI_GetWindowManager()->CloseTopDialog();
  EXPECT_EQ(GUI_RomanticOffer::PTheWindow, nullptr);
  EXPECT_FLOAT_EQ(admirer->GetRomanticCompatibility(), 0.7f);
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());

  GUI_RomanticOffer::Create(admirer);
  GUI_RomanticOffer::Reject(0);
  EXPECT_EQ(admirer->GetRomanticCompatibility(), 0.0f);
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());

  SIM_NPC* other = Friend(0.8f, SIM_MALE);
  GUI_RomanticOffer::Create(other);
  GUI_RomanticOffer::Accept(0);
  EXPECT_EQ(SIM_GetRomance()->GetPartner(), other);
  EXPECT_EQ(GUI_RomanticOffer::PTheWindow, nullptr);
}

TEST_F(TownDialogs, TheSummaryKeepsTheLengthItOpenedWithAndEndsTheRomance) {
  SIM_NPC* partner = Friend(0.8f, SIM_FEMALE);
  SIM_GetRomance()->SetRomanticPartner(partner);
  SIM_GetRomance()->SetRomanceDuration(12);
  GUI_RomanceSummary::Create();
  ASSERT_NE(GUI_RomanceSummary::PTheWindow, nullptr);
  std::string days = GTranslation::GetString("ROMANCE_DURATION");
  GTranslation::ReplaceToken(days, "<DAYS>", 12);
  EXPECT_EQ(GUI_RomanceSummary::PTheWindow->GetDurationLine(), days);
  SIM_GetRomance()->SetRomanceDuration(13);
  Frames(1);
  EXPECT_EQ(GUI_RomanceSummary::PTheWindow->GetDurationLine(), days);
  EXPECT_NE(GUI_RomanceSummary::PTheWindow->GetNameLine().find(partner->GetFullName()), std::string::npos);

  GUI_RomanceSummary::Dump(0);
  EXPECT_EQ(GUI_RomanceSummary::PTheWindow, nullptr);
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());
  EXPECT_TRUE(partner->IsHidden());
}

TEST_F(TownDialogs, OnlyASnubbedFriendBringsTheSnubHint) {
  GUI_HintHelp::CloseData();
  SIM_NPC* stranger = Npc();
  stranger->SetSnubDelay(3);
  SIM_NPC* pal = Friend();
  GUI_HintHelp::CheckSnubIconHint();
  EXPECT_TRUE(GUI_HintHelp::AllWindows.empty());
  pal->SetSnubDelay(2);
  GUI_HintHelp::CheckSnubIconHint();
  ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
  EXPECT_EQ(GUI_HintHelp::AllWindows.front()->GetHint()->key, "snubbed");
  while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
}

}  // namespace
