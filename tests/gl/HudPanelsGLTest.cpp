// The heads-up panels on a real Mesa GL context (offscreen video driver): the calendar strip, the
// mind-state panel with a green and a red change marker, the assets strip, the cash read-out and
// an attribute window; then the full-screen attribute graph. The frames are read back, a few
// places are checked for what they should show, and the pictures are saved as
// /tmp/vorla2-hud.png and /tmp/vorla2-hud-graph.png for a person to look at.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
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
#include "LibTextEngine.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {

// The offscreen display is no larger than 1024x768, so the windowed renderer falls back to
// 800x600; the panels that place themselves by the screen size follow it, the others are moved.
constexpr int kW = 800;
constexpr int kH = 600;
constexpr uint32_t kSky = 0xFFD8B070u;  // sprite packing: r 0x70, g 0xB0, b 0xD8 (a day sky)

uint32_t g_now = 1000;
uint32_t Now() { return g_now; }

struct Pixel {
  int r, g, b;
};

class HudPanels : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no video driver: " << SDL_GetError();
    D3DEngine::SetGLAttributes();
    m_window = SDL_CreateWindow("Vorla 2 HUD test", 0, 0, 1024, 768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!m_window) GTEST_SKIP() << "no GL window can be made: " << SDL_GetError();
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context) GTEST_SKIP() << "no GL context can be made: " << SDL_GetError();
    m_engine = GetD3DEngine();
    ASSERT_TRUE(m_engine->Initialise(m_window, nullptr, 1024, 768, 32, true, true));
    int vw = 0, vh = 0;
    m_engine->GetViewport(&m_viewX, &m_viewY, &vw, &vh);
    if (m_engine->GetScreenWidth() != kW || m_engine->GetScreenHeight() != kH || vw != kW || vh != kH)
      GTEST_SKIP() << "drawing size " << m_engine->GetScreenWidth() << "x" << m_engine->GetScreenHeight();
    m_engine->AddBitmapDirectories("data/bitmaps", true);
    GetTextEngine()->LoadFonts();
    GUI_WindowBackground::Open();
    GTimer::SetClock(&Now);
  }

  void TearDown() override {
    GTimer::SetClock(nullptr);
    GUI_GetWindowManager()->CloseAll();
    if (m_context) SDL_GL_DeleteContext(m_context);
    if (m_window) SDL_DestroyWindow(m_window);
    SDL_Quit();
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

  void ReadBack() {
    m_pixels.assign(size_t(kW) * kH * 4, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(m_window, &dw, &dh);
    glReadPixels(m_viewX, dh - m_viewY - kH, kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
    for (int y = 0; y < kH / 2; ++y) {
      std::swap_ranges(m_pixels.begin() + ptrdiff_t(y) * kW * 4, m_pixels.begin() + ptrdiff_t(y + 1) * kW * 4,
                       m_pixels.begin() + ptrdiff_t(kH - 1 - y) * kW * 4);
    }
  }

  Pixel At(int x, int y) const {
    const uint8_t* p = &m_pixels[(size_t(y) * kW + size_t(x)) * 4];
    return Pixel{p[0], p[1], p[2]};
  }

  void Save(const char* path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(m_pixels.data(), kW, kH, 32, kW * 4, SDL_PIXELFORMAT_ABGR8888);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(IMG_SavePNG(s, path), 0) << IMG_GetError();
    SDL_FreeSurface(s);
  }

  SDL_Window* m_window = nullptr;
  SDL_GLContext m_context = nullptr;
  D3DEngine* m_engine = nullptr;
  int m_viewX = 0;
  int m_viewY = 0;
  std::vector<uint8_t> m_pixels;
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
