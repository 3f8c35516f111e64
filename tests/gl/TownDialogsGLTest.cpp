// The romance dialogs and a friend's message on a real Mesa GL context (offscreen video driver):
// each is drawn over a dusk-blue screen, checked for a face and a light dialog where it centres
// itself, and saved as /tmp/vorla2-romance-offer.png, /tmp/vorla2-romance-summary.png and
// /tmp/vorla2-npc-message.png for a person to look at.
#include <gtest/gtest.h>

#include <functional>

#include "GLTestSupport.h"
#include "GUI_NPCMessage.h"
#include "GUI_RomanceSummary.h"
#include "GUI_RomanticOffer.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"
#include "SIM_CharacterType.h"
#include "SIM_GlobalVariable.h"
#include "SIM_HiddenAttribute.h"
#include "SIM_InterestType.h"
#include "SIM_NPC.h"
#include "SIM_Names.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Vede.h"

namespace {

using gltest::kH;
using gltest::kW;

class TownDialogsGL : public gltest::GLTest {
 protected:
  TownDialogsGL() : GLTest(Fit::Exactly, kW, kH) {}
  void SetUpScene() override {
    GUI_WindowBackground::Open();
    SIM_GetGlobalVariables()->Load();
    SIM_NPC::Close();
    SIM_CharacterType::Open();
    SIM_InterestType::Open();
    SIM_HiddenAttribute::Open();
    SIM_Names::Open();
    SIM_GetPortraits()->Open();
    SIM_GetVede()->SetNames("Alex", "Player");
    m_npc = SIM_NPC::CreateNew(SIM_FEMALE);
    m_npc->FinishCreating();
    m_npc->SetIntroduced(true);
    SIM_Relationship* link = SIM_Relationship::Create(SIM_GetVede(), m_npc);
    link->SetStrength(0.7f);
    link->SetFriendship(true);
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    SIM_GetRomance()->Reset();
    SIM_NPC::Close();
    GLTest::TearDown();
  }
  // Two frames (the first lays out), the second read back and saved.
  void Shoot(const char* path) {
    for (int i = 0; i < 2; ++i) {
      m_engine->BeginRender();
      m_engine->ClearScreen(0xFF6E5A46u);
      GUI_GetWindowManager()->Draw();
      GUI_Tooltip::DrawAll();
      m_engine->EndRender();
      if (i == 0) m_engine->Flip();
    }
    ReadBack();
    Save(path);
  }
  // The dialog's middle is light (its client area), its portrait corner is not the background.
  void ExpectDialogAt(const GUI_Dialog* dialog) {
    const RECT& c = dialog->GetClientArea();
    gltest::Pixel middle = At((c.left + c.right) / 2, c.bottom - 60);
    EXPECT_GT(middle.r + middle.g + middle.b, 400);
    gltest::Pixel face = At(c.left + 60, c.top + 60);
    EXPECT_FALSE(face.r == 0x46 && face.g == 0x5A && face.b == 0x6E);
  }
  SIM_NPC* m_npc = nullptr;
};

}  // namespace

TEST_F(TownDialogsGL, TheRomanceOfferTheSummaryAndAFriendsMessageDrawWhole) {
  GUI_RomanticOffer::Create(m_npc);
  ASSERT_NE(GUI_RomanticOffer::PTheWindow, nullptr);
  Shoot("/tmp/vorla2-romance-offer.png");
  ExpectDialogAt(GUI_RomanticOffer::PTheWindow);
  GUI_RomanticOffer::Accept(0);
  ASSERT_EQ(SIM_GetRomance()->GetPartner(), m_npc);

  SIM_GetRomance()->SetRomanceDuration(42);
  GUI_RomanceSummary::Create();
  ASSERT_NE(GUI_RomanceSummary::PTheWindow, nullptr);
  Shoot("/tmp/vorla2-romance-summary.png");
  ExpectDialogAt(GUI_RomanceSummary::PTheWindow);
  GUI_RomanceSummary::Close();

  GUI_NPCMessage::Create(m_npc, "Thanks for tonight, <RAVEZIRER>! Same time next week? I'll bring the board games.");
  Shoot("/tmp/vorla2-npc-message.png");
  ExpectDialogAt(GUI_NPCMessage::PTheWindow);
}
