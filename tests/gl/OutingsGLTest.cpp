// The nights out's own screens on a real Mesa GL context (offscreen video driver): the fruit
// machine in the middle of a spin (reels with cut, darkened edge blocks, the red win line, the
// readout) and the bar-brawl report, each saved as /tmp/vorla2-fruit-machine.png and
// /tmp/vorla2-bar-brawl.png for a person to look at.
#include <gtest/gtest.h>

#include "GLTestSupport.h"
#include "GUI_BeerPostMortem.h"
#include "GUI_Gambling.h"
#include "GUI_GamblingWheel.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "SIM_GlobalVariable.h"
#include "SIM_OutingInstances.h"
#include "SIM_SocialiseType.h"

namespace {

using gltest::kH;
using gltest::kW;

class OutingsGL : public gltest::GLTest {
 protected:
  OutingsGL() : GLTest(Fit::Exactly, kW, kH) {}
  void SetUpScene() override {
    GUI_WindowBackground::Open();
    SIM_GetGlobalVariables()->Load();
    m_type.SetName("casino");
    m_type.SetGUIName("Casino");
    m_type.SetProcessFunction("GAMBLING");
  }
  void TearDown() override {
    // The evenings go first: a machine closed without its evening finishes nothing.
    SIM_SocialiseInstance::Close();
    GUI_GetWindowManager()->CloseAll();
    GLTest::TearDown();
  }
  void Shoot(const char* path, int frames) {
    for (int i = 0; i < frames; ++i) {
      m_engine->BeginRender();
      m_engine->ClearScreen(0xFF6E5A46u);
      if (!GUI_GetWindowManager()->DrawFullscreen()) GUI_GetWindowManager()->Draw();
      m_engine->EndRender();
      if (i + 1 < frames) m_engine->Flip();
    }
    ReadBack();
    Save(path);
  }
  SIM_SocialiseType m_type;
};

}  // namespace

TEST_F(OutingsGL, TheFruitMachineShowsItsReelsLineAndReadout) {
  auto* night = new SIM_GamblingInstance;
  night->SetType(&m_type);
  night->AddWinnings(12);
  GUI_Gambling::Create(night);
  GUI_Gambling* machine = GUI_Gambling::PTheWindow;
  ASSERT_NE(machine, nullptr);
  for (int i = 0; i < 3; ++i) GUI_Gambling::Higher(0);
  machine->StartSpinning();
  Shoot("/tmp/vorla2-fruit-machine.png", 6);
  // The win line runs red across the middle reel's centre.
  const RECT* middle = machine->GetWheel(1)->GetRect();
  const int lineY = (middle->top + middle->bottom) / 2;
  bool red = false;
  for (int dy = -1; dy <= 1; ++dy) {
    gltest::Pixel p = At(middle->left - 12, lineY + dy);
    red = red || (p.r > 180 && p.g < 80 && p.b < 80);
  }
  EXPECT_TRUE(red);
}

TEST_F(OutingsGL, TheBarBrawlReportShowsItsPanel) {
  auto* pub = new SIM_BeerInstance;
  pub->SetType(&m_type);
  GUI_BeerPostMortem::Create(pub);
  ASSERT_NE(GUI_BeerPostMortem::PTheWindow, nullptr);
  Shoot("/tmp/vorla2-bar-brawl.png", 2);
}
