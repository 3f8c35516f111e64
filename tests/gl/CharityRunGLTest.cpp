// The charity run's result on a real Mesa GL context (offscreen video driver): the longest of its
// texts, with a long name and a large amount put in, drawn over a dusk-blue screen, checked for a
// light dialog that holds the whole text on the screen, and saved as /tmp/vorla2-charity-run.png
// for a person to look at.
#include <gtest/gtest.h>

#include <string>

#include "GLTestSupport.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "Game.h"
#include "SIM_Charity.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Vede.h"

namespace {

using gltest::kH;
using gltest::kW;

class CharityRunGL : public gltest::GLTest {
 protected:
  CharityRunGL() : GLTest(Fit::Exactly, kW, kH) {}
  void SetUpScene() override {
    GUI_WindowBackground::Open();
    SIM_GetGlobalVariables()->Load();
    SIM_GetVede()->SetNames("Maximilian", "Player");
    GetGame()->SetCurrency("$");
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    GLTest::TearDown();
  }
};

}  // namespace

TEST_F(CharityRunGL, TheLongestResultFitsItsDialog) {
  // The grade whose text is longest.
  float longest = 0.0f;
  size_t length = 0;
  for (float p = 0.0f; p <= 1.0f; p += 0.2f) {
    const size_t n = SIM_Charity::ResultText(p, 123456.0f).size();
    if (n > length) {
      length = n;
      longest = p;
    }
  }
  GUI_Message* message = GUI_Message::Create(SIM_Charity::ResultText(longest, 123456.0f),
                                             GTranslation::GetString("CHARITYRUN_TITLE"));
  for (int i = 0; i < 2; ++i) {
    m_engine->BeginRender();
    m_engine->ClearScreen(0xFF6E5A46u);
    GUI_GetWindowManager()->Draw();
    m_engine->EndRender();
    if (i == 0) m_engine->Flip();
  }
  ReadBack();
  Save("/tmp/vorla2-charity-run.png");
  EXPECT_TRUE(message->IsLaidOut());
  const RECT& c = message->GetClientArea();
  EXPECT_GE(c.left, 0);
  EXPECT_GE(c.top, 0);
  EXPECT_LE(c.right, kW);
  EXPECT_LE(c.bottom, kH);
  const gltest::Pixel middle = At((c.left + c.right) / 2, (c.top + c.bottom) / 2);
  EXPECT_FALSE(middle.r == 0x46 && middle.g == 0x5A && middle.b == 0x6E);
}
