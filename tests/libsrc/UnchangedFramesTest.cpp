// Frames equal to the one on screen are not drawn, headless: the renderer records every frame's
// commands and counts the frames it would draw and the ones it leaves. Any difference that shows on
// screen must make a frame count as drawn; so must what the commands cannot show.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "D3DEngine.h"
#include "TestSupport.h"

using namespace testsupport;

namespace {

RECT FrameRect(int l, int t, int r, int b) {
  RECT x;
  x.left = l;
  x.top = t;
  x.right = r;
  x.bottom = b;
  return x;
}

// What a frame of the scene may differ in; each field is one thing a player could see change.
struct Scene {
  uint32_t clear = 0xFF000000u;
  uint32_t fader = 0x00000000u;  // the fader's fill over everything
  float quadX = 100.0f;
  float quadU = 1.0f;
  const char* quadTexture = "a.png";
  bool quadPointFilter = false;
  uint32_t textColour = VBColor(255, 255, 255);
  uint32_t gradientRight = 0xFF00FF00u;
  bool fillsSwapped = false;
  bool extraLine = false;
  const char* systemText = "Quit?";
  float systemTextY = 300.0f;
  uint32_t systemFont = 1000;
};

void Quad(float x, float u, uint32_t colour) {
  _D3DTLVERTEX v[4] = {{x, 50, 0, 1, colour, 0, 0, 0},
                       {x + 64, 50, 0, 1, colour, 0, u, 0},
                       {x, 82, 0, 1, colour, 0, 0, 1},
                       {x + 64, 82, 0, 1, colour, 0, u, 1}};
  GetD3DEngine()->DrawQuad(v);
}

void Draw(const Scene& s) {
  D3DEngine* e = GetD3DEngine();
  e->BeginRender();
  e->ClearScreen(s.clear);
  RECT a = FrameRect(0, 0, 200, 100), b = FrameRect(50, 50, 250, 150);
  e->FillRect(s.fillsSwapped ? &b : &a, 0xFF0000FFu);
  e->FillRect(s.fillsSwapped ? &a : &b, 0xFFFF0000u);
  RECT g = FrameRect(0, 200, 300, 220);
  e->FillRectGradient(&g, 0xFF0000FFu, s.gradientRight);
  e->SetTexture(s.quadTexture);
  if (s.quadPointFilter) e->SetPointFilter();
  Quad(s.quadX, s.quadU, 0xFFFFFFFFu);
  e->SetLinearFilter();
  // A line of bitmap-font text: two glyphs as four triangles of the vertex-buffer packing.
  _D3DTLVERTEX text[6] = {{10, 400, 0, 1, s.textColour, 0, 0, 0},   {18, 400, 0, 1, s.textColour, 0, 0.1f, 0},
                          {10, 412, 0, 1, s.textColour, 0, 0, 0.1f}, {18, 400, 0, 1, s.textColour, 0, 0.1f, 0},
                          {18, 412, 0, 1, s.textColour, 0, 0.1f, 0.1f}, {10, 412, 0, 1, s.textColour, 0, 0, 0.1f}};
  e->DrawTriangles(text, nullptr, 6);
  RECT tiles = FrameRect(0, 600, 300, 700);
  e->TileRect(&tiles, "a.png", 0xFFFFFFFFu);
  const unsigned char* chars = reinterpret_cast<const unsigned char*>(s.systemText);
  e->SetTexture(0, 0);
  e->DrawBitmapRun(s.systemFont, 20, s.systemTextY, chars, std::strlen(s.systemText), 0, 0, 0);
  if (s.extraLine) e->RenderLine(0, 0, 10, 10, 0xFFFFFFFFu);
  RECT screen = FrameRect(0, 0, 1024, 768);
  e->FillRect(&screen, s.fader);
  e->EndRender();
  e->Flip();
}

class UnchangedFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string dir = TestRoot() + "/pics";
    const std::string card = ReadFile(FixturePath("bitmaps/button.png"));
    for (const char* name : {"a.png", "b.png", "c.png"}) WriteFile(dir + "/" + name, card);
    m_engine->AddBitmapDirectories(dir, false);
    m_engine->SetSkipUnchangedFrames(true);
    // Loading the scene's textures is itself a reason to draw; start from a scene on screen.
    Draw(Scene());
    Draw(Scene());
  }
  void TearDown() override { m_engine->SetSkipUnchangedFrames(false); }

  // Draws the scene and says whether the frame was drawn (rather than left as it was).
  bool Drawn(const Scene& s) {
    const int before = m_engine->GetFramesDrawn();
    Draw(s);
    return m_engine->GetFramesDrawn() > before;
  }

  D3DEngine* m_engine = GetD3DEngine();
};

}  // namespace

TEST_F(UnchangedFrames, AFrameLikeTheOneOnScreenIsLeftAndEveryVisibleChangeIsDrawn) {
  const int skipped = m_engine->GetFramesSkipped();
  EXPECT_FALSE(Drawn(Scene()));
  EXPECT_EQ(m_engine->GetFramesSkipped(), skipped + 1);
  // The recorder of headless tests still sees every frame, drawn or not.
  EXPECT_FALSE(D3DEngine::GetRecorder().LastFrame().empty());

  struct Case {
    const char* what;
    std::function<void(Scene&)> change;
  } cases[] = {
      {"the clear colour", [](Scene& s) { s.clear = 0xFF000001u; }},
      {"one step of the fader", [](Scene& s) { s.fader = 0x01000000u; }},
      {"a quad one pixel along", [](Scene& s) { s.quadX += 1.0f; }},
      {"a quad's texture coordinates", [](Scene& s) { s.quadU = 0.5f; }},
      {"a quad's texture", [](Scene& s) { s.quadTexture = "b.png"; }},
      {"a quad's filter", [](Scene& s) { s.quadPointFilter = true; }},
      {"the text's colour", [](Scene& s) { s.textColour = VBColor(255, 255, 254); }},
      {"a gradient's colour", [](Scene& s) { s.gradientRight = 0xFF00FE00u; }},
      {"the order of two fills", [](Scene& s) { s.fillsSwapped = true; }},
      {"one more line", [](Scene& s) { s.extraLine = true; }},
      {"a letter of system-font text", [](Scene& s) { s.systemText = "Quit!"; }},
      {"where system-font text starts", [](Scene& s) { s.systemTextY = 301.0f; }},
      {"the system font", [](Scene& s) { s.systemFont = 2000; }},
  };
  for (const Case& c : cases) {
    Scene changed;
    c.change(changed);
    EXPECT_TRUE(Drawn(changed)) << c.what;
    EXPECT_FALSE(Drawn(changed)) << c.what << " (again)";
    EXPECT_TRUE(Drawn(Scene())) << c.what << " (undone)";
  }
}

TEST_F(UnchangedFrames, WhatTheCommandsCannotShowDrawsTheNextFrame) {
  struct Case {
    const char* what;
    std::function<void()> happen;
  } cases[] = {
      {"asked for (an expose, focus back)", [this] { m_engine->RedrawNextFrame(); }},
      {"a texture uploaded", [this] { m_engine->GetTexture("c.png"); }},
      {"a display switch", [this] { m_engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true); }},
      {"skipping switched on again", [this] { m_engine->SetSkipUnchangedFrames(true); }},
  };
  for (const Case& c : cases) {
    c.happen();
    EXPECT_TRUE(Drawn(Scene())) << c.what;
    EXPECT_FALSE(Drawn(Scene())) << c.what << " (then left again)";
  }
}

TEST(UnchangedFramesOff, WithoutSkippingNothingIsKeptOrCounted) {
  D3DEngine* e = GetD3DEngine();
  ASSERT_FALSE(e->GetSkipUnchangedFrames());
  for (int i = 0; i < 2; ++i) {
    e->BeginRender();
    RECT r = FrameRect(0, 0, 10, 10);
    e->FillRect(&r, 0xFFFFFFFFu);
    EXPECT_TRUE(e->GetRecordedFrame().Empty());
    e->EndRender();
    e->Flip();
  }
  EXPECT_EQ(e->GetFramesDrawn(), 0);
  EXPECT_EQ(e->GetFramesSkipped(), 0);
}
