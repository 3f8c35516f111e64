// The heads-up panels on a real Mesa GL context (offscreen video driver): the calendar strip, the
// mind-state panel with a green and a red change marker, the assets strip, the cash read-out and
// an attribute window; then the full-screen attribute graph. The frames are read back, a few
// places are checked for what they should show, and the pictures are saved as
// /tmp/vorla2-hud.png and /tmp/vorla2-hud-graph.png for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GTimer.h"
#include "Game.h"
#include "GUI_Attribute.h"
#include "GUI_AttributeGraph.h"
#include "GUI_Assets.h"
#include "GUI_Calendar.h"
#include "GUI_Cash.h"
#include "GUI_Indicator.h"
#include "GUI_MindState.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {

// The panels that place themselves by the screen size follow the offscreen drawing's; the others
// are moved.
using gltest::kH;
using gltest::kW;
constexpr uint32_t kSky = 0xFFD8B070u;  // sprite packing: r 0x70, g 0xB0, b 0xD8 (a day sky)

uint32_t g_now = 1000;
uint32_t Now() { return g_now; }

using gltest::Pixel;

class HudPanels : public gltest::GLTest {
 protected:
  HudPanels() : GLTest(Fit::Exactly, kW, kH) {}

  void SetUpScene() override {
    GUI_WindowBackground::Open();
    GTimer::SetClock(&Now);
  }

  void TearDown() override {
    GTimer::SetClock(nullptr);
    GUI_GetWindowManager()->CloseAll();
    GLTest::TearDown();
  }

  // A player on a Saturday evening with two days behind him, an appointment on Monday, three
  // possessions and some money.
  void BuildWorld() {
    SIM_Date::Open();
    SIM_Date::PPresentDay->SetDayOfWeek(5);
    SIM_GetSim()->SetSlots(2, 1);
    SIM_Vede* vede = SIM_GetVede();
    vede->LoadAttributes();
    vede->RecalcAttributes();
    SIM_Attribute::ClearRecentlyChanged();
    for (SIM_Attribute* a : SIM_Attribute::All) a->NextDay();

    SIM_Date monday;
    monday.Set(SIM_Date::PPresentDay);
    monday.IncrementDays(2);
    SIM_GetCalendar()->AddEntry(monday, "Dentist");
    while (!GUI_GetWindowManager()->GetModals().empty()) delete GUI_GetWindowManager()->GetModals().front();

    const char* names[] = {"Sofa", "Bike", "Radio"};
    for (const char* name : names) {
      SIM_Asset* asset = new SIM_Asset;
      asset->SetName(name);
      asset->SetGUIName(name);
      asset->SetOwned(true);
    }
    GetGame()->SetCurrency("GBP");
    SIM_GetFinances()->SetCash(1234.5f);

    GUI_GetCalendar()->Initialise();
    GUI_GetMindState()->Initialise();
    GUI_GetAssets()->Refresh();
    GUI_GetCash()->Initialise();
    GUI_GetCash()->SetPosition(380.0f, 560.0f);

    vede->ApplyEffect("happiness", 0.1f, 0.9f, "a good day");
    vede->ApplyEffect("tiredness", 0.15f, 0.9f, "a long walk");
    g_now += 600;  // both markers have faded in
  }

  void DrawFrame() {
    m_engine->BeginRender();
    m_engine->ClearScreen(kSky);
    CInput* input = GetInput();
    input->Process();
    input->mouseX = 5.0f;
    input->mouseY = 590.0f;
    GUI_WindowManager* manager = GUI_GetWindowManager();
    manager->ProcessInput();
    if (!manager->DrawFullscreen()) manager->Draw();
    if (!manager->HasFullscreen()) GUI_GetCash()->Draw();
    GUI_Tooltip::DrawAll();
    m_engine->EndRender();
  }
};

}  // namespace

TEST_F(HudPanels, PanelsDrawInTheirPlaces) {
  BuildWorld();
  GUI_Indicator* happiness = GUI_GetMindState()->GetIndicator("happiness");
  GUI_Indicator* tiredness = GUI_GetMindState()->GetIndicator("tiredness");
  ASSERT_NE(happiness, nullptr);
  ASSERT_NE(tiredness, nullptr);
  // An attribute window beside a row further down, clear of the two markers.
  GUI_Attribute::Create(SIM_Attribute::GetAttribute("weight"));
  DrawFrame();
  m_engine->Flip();
  DrawFrame();
  ReadBack();
  Save("/tmp/vorla2-hud.png");

  // The calendar card is cream under the month line.
  Pixel card = At(60, 95);
  EXPECT_GT(card.r, 200);
  EXPECT_GT(card.g, 190);
  EXPECT_GT(card.r, card.b + 15);
  // The markers sit just left of their rows: green for happiness, red for tiredness.
  Pixel good = At(happiness->GetRect()->left - 22, (int)happiness->GetCenterY() + 8);
  EXPECT_GT(good.g, good.r + 30) << good.r << "," << good.g << "," << good.b;
  Pixel bad = At(tiredness->GetRect()->left - 22, (int)tiredness->GetCenterY() + 8);
  EXPECT_GT(bad.r, bad.g + 30) << bad.r << "," << bad.g << "," << bad.b;
  // The attribute window sits left of the panel, level with its row.
  GUI_Indicator* weight = GUI_GetMindState()->GetIndicator("weight");
  ASSERT_NE(weight, nullptr);
  ASSERT_NE(GUI_Attribute::PTheWindow, nullptr);
  EXPECT_NEAR(GUI_Attribute::PTheWindow->GetCenterY(), weight->GetCenterY(), 1.0f);
  Pixel window = At(GUI_Attribute::PTheWindow->GetRect()->left + 30, (int)weight->GetCenterY());
  EXPECT_GT(window.r, 180);
  // The mind-state panel covers the sky at the screen's right edge.
  Pixel panel = At(kW - 5, GUI_GetMindState()->GetRect()->bottom - 60);
  EXPECT_GT(std::abs(panel.r - 0x70) + std::abs(panel.g - 0xB0) + std::abs(panel.b - 0xD8), 60);
}

TEST_F(HudPanels, AttributeGraphFillsTheScreen) {
  BuildWorld();
  GUI_AttributeGraph::Create(0);
  ASSERT_NE(GUI_AttributeGraph::PTheWindow, nullptr);
  g_now += 1000;  // past the fade
  DrawFrame();
  m_engine->Flip();
  DrawFrame();
  ReadBack();
  Save("/tmp/vorla2-hud-graph.png");

  RECT plot = GUI_AttributeGraph::PTheWindow->GetGraphRect();
  // The plot's light fill between the guide lines, and the sunset above the panel.
  Pixel fill = At(plot.right - 10, plot.top + 5);
  EXPECT_NEAR(fill.r, 0xEA, 12);
  EXPECT_NEAR(fill.g, 0xEA, 12);
  Pixel sky = At(kW / 2, 20);
  EXPECT_LT(sky.g, 120);  // dusk blue-violet, not the day sky cleared behind it
}
