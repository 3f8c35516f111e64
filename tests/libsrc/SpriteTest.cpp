// Sprites headless: placement and rotation, cells of a sheet, the on-screen test, clipping, the
// textured sprites' registry, the world, iso and animated sprites and the draw queues.
#include <gtest/gtest.h>

#include <cmath>

#include "AnimatedSprite.h"
#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "D3DEngine.h"
#include "GSpriteList.h"
#include "GTimer.h"
#include "GUI_SpriteList.h"
#include "IsoSprite.h"
#include "WorldSprite.h"

namespace {

class SpriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetD3DEngine()->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
    D3DEngine::GetRecorder().Clear();
  }
  static int Quads() { return D3DEngine::GetRecorder().Count(DrawKind::Quad); }
};

RECT MakeRect(int l, int t, int r, int b) {
  RECT x;
  SetRect(&x, l, t, r, b);
  return x;
}

BaseSprite SpriteAt(float cx, float cy, float w, float h) {
  BaseSprite s;
  s.SetSize(w, h);
  s.PlaceLocal(cx, cy);
  return s;
}

TEST_F(SpriteTest, ARectangleGivesSizeAndAnIntegerCentre) {
  BaseSprite s(MakeRect(0, 0, 101, 51));
  EXPECT_EQ(s.width, 101.0f);
  EXPECT_EQ(s.height, 51.0f);
  EXPECT_EQ(s.GetCenterX(), 50.0f);
  EXPECT_EQ(s.GetCenterY(), 25.0f);
  EXPECT_EQ(s.Left(), 50.0f - 50.5f);
  EXPECT_EQ(s.vertices[0].diffuse, 0xFFFFFFFFu);
  EXPECT_EQ(s.vertices[3].u, 1.0f);
  EXPECT_EQ(s.vertices[3].v, 1.0f);
}

TEST_F(SpriteTest, ARotatedSpriteTurnsItsCornersClockwiseOnScreen) {
  struct Case {
    float degrees;
    float corners[4][2];  // top-left, top-right, bottom-left, bottom-right
  };
  // A 100 by 50 sprite centred at (200, 100).
  const float r = std::sqrt(2.0f) / 2.0f;
  const Case cases[] = {
      {90.0f, {{225, 50}, {225, 150}, {175, 50}, {175, 150}}},
      {180.0f, {{250, 125}, {150, 125}, {250, 75}, {150, 75}}},
      {45.0f,
       {{200 + (-50 + 25) * r, 100 + (-50 - 25) * r},
        {200 + (50 + 25) * r, 100 + (50 - 25) * r},
        {200 + (-50 - 25) * r, 100 + (-50 + 25) * r},
        {200 + (50 - 25) * r, 100 + (50 + 25) * r}}},
  };
  for (const Case& c : cases) {
    BaseSprite s;
    s.SetSize(100.0f, 50.0f);
    s.Rotate(c.degrees);
    s.PlaceLocal(200.0f, 100.0f);
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(s.vertices[i].x, c.corners[i][0], 0.01f) << c.degrees << " degrees, corner " << i;
      EXPECT_NEAR(s.vertices[i].y, c.corners[i][1], 0.01f) << c.degrees << " degrees, corner " << i;
    }
  }
  // A fixed sprite ignores its rotation.
  BaseSprite fixedSprite;
  fixedSprite.SetSize(100.0f, 50.0f);
  fixedSprite.fixed = true;
  fixedSprite.Rotate(90.0f);
  fixedSprite.PlaceLocal(200.0f, 100.0f);
  EXPECT_EQ(fixedSprite.Left(), 150.0f);
  EXPECT_EQ(fixedSprite.Top(), 75.0f);
}

TEST_F(SpriteTest, RotateCorrectsOnceIntoTheTurn) {
  BaseSprite a, b, c;
  a.Rotate(370.0f);
  EXPECT_FLOAT_EQ(a.rotation, 10.0f);
  b.Rotate(-370.0f);
  EXPECT_FLOAT_EQ(b.rotation, -10.0f);
  c.Rotate(350.0f);
  c.Rotate(20.0f);
  EXPECT_FLOAT_EQ(c.rotation, 10.0f);
}

TEST_F(SpriteTest, CellsOfASquareSheet) {
  BaseSprite s;
  s.SetUV(16, 5);
  EXPECT_FLOAT_EQ(s.vertices[0].u, 0.25f);
  EXPECT_FLOAT_EQ(s.vertices[0].v, 0.25f);
  EXPECT_FLOAT_EQ(s.vertices[3].u, 0.5f);
  EXPECT_FLOAT_EQ(s.vertices[3].v, 0.5f);
  s.SetUV(10, 9);  // side 3: column 0, row 3, below the sheet
  EXPECT_FLOAT_EQ(s.vertices[0].u, 0.0f);
  EXPECT_FLOAT_EQ(s.vertices[0].v, 1.0f);
  EXPECT_NEAR(s.vertices[2].v, 4.0f / 3.0f, 1e-5);
  s.SetUVPx(256.0f, 64.0f, 0.0f, 128.0f, 32.0f);
  EXPECT_FLOAT_EQ(s.vertices[1].u, 0.5f);
  EXPECT_FLOAT_EQ(s.vertices[2].v, 0.125f);
}

TEST_F(SpriteTest, ACellOutsideTheSheetStopsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  BaseSprite s;
  EXPECT_DEATH(s.SetUV(16, 16), "squareid <numsquares");
  EXPECT_DEATH(s.SetUV(3, 1), "numsquares >= 4");
}

TEST_F(SpriteTest, MirroringSwapsTheTextureEdges) {
  BaseSprite s;
  s.SetUV(0.25f, 0.5f, 0.75f, 1.0f);
  s.MirrorLeftRight();
  EXPECT_EQ(s.vertices[0].u, 0.75f);
  EXPECT_EQ(s.vertices[2].u, 0.75f);
  EXPECT_EQ(s.vertices[1].u, 0.25f);
  s.MirrorUpDown();
  EXPECT_EQ(s.vertices[0].v, 1.0f);
  EXPECT_EQ(s.vertices[3].v, 0.5f);
}

TEST_F(SpriteTest, PointsOnTheEdgeAreOutside) {
  BaseSprite s = SpriteAt(50.0f, 50.0f, 20.0f, 10.0f);  // 40..60 by 45..55
  EXPECT_TRUE(s.IsPointInside(50.0f, 50.0f));
  EXPECT_FALSE(s.IsPointInside(40.0f, 50.0f));
  EXPECT_FALSE(s.IsPointInside(60.0f, 50.0f));
  EXPECT_FALSE(s.IsPointInside(50.0f, 45.0f));
  EXPECT_FALSE(s.IsPointInside(50.0f, 55.0f));
}

TEST_F(SpriteTest, OnlyASpriteWithACornerStrictlyOnScreenIsDrawn) {
  BaseSprite whole = SpriteAt(512.0f, 384.0f, 1024.0f, 768.0f);  // corners exactly on the edges
  EXPECT_FALSE(whole.IsOnscreen());
  whole.Draw();
  EXPECT_EQ(Quads(), 0);
  whole.DrawNoChecks();
  EXPECT_EQ(Quads(), 1);

  BaseSprite onLeftEdge = SpriteAt(-10.0f, 100.0f, 20.0f, 20.0f);  // right corners at x = 0
  EXPECT_FALSE(onLeftEdge.IsOnscreen());
  BaseSprite peeking = SpriteAt(-9.0f, 100.0f, 20.0f, 20.0f);
  EXPECT_TRUE(peeking.IsOnscreen());
  peeking.Draw();
  EXPECT_EQ(Quads(), 2);
  EXPECT_TRUE(D3DEngine::BInScene);  // drawing opened the scene
  GetD3DEngine()->EndRender();
}

TEST_F(SpriteTest, ClippingCutsPositionAndTextureTogether) {
  BaseSprite s = SpriteAt(100.0f, 100.0f, 100.0f, 100.0f);  // 50..150
  s.DrawClipped(MakeRect(75, 60, 125, 140));
  const DrawRecord* quad = D3DEngine::GetRecorder().Last(DrawKind::Quad);
  ASSERT_NE(quad, nullptr);
  EXPECT_EQ(quad->left, 75.0f);
  EXPECT_EQ(quad->right, 125.0f);
  EXPECT_EQ(quad->top, 60.0f);
  EXPECT_EQ(quad->bottom, 140.0f);
  GetD3DEngine()->EndRender();
}

TEST_F(SpriteTest, TexturedSpritesRegisterThemselvesAndForgetTheirTexturesOnRequest) {
  size_t before = CTexturedSprite::All.size();
  {
    CTexturedSprite a;
    a.textureNumber = 7;
    CTexturedSprite b(a);
    EXPECT_EQ(CTexturedSprite::All.size(), before + 2);
    EXPECT_EQ(b.textureNumber, 7u);
    CTexturedSprite::ClearTextures();
    EXPECT_EQ(a.textureNumber, 0u);
    EXPECT_EQ(b.textureNumber, 0u);
  }
  EXPECT_EQ(CTexturedSprite::All.size(), before);
}

TEST_F(SpriteTest, ATexturedSpriteKeepsTheNameAndDrawsWithoutTheOnScreenTest) {
  CTexturedSprite s;
  s.SetTexture("no_such_picture.dds");
  EXPECT_STREQ(s.GetTextureName(), "no_such_picture.dds");
  EXPECT_EQ(s.textureNumber, 0u);
  s.SetSize(2000.0f, 2000.0f);
  s.PlaceLocal(512.0f, 384.0f);
  s.Draw();
  s.Draw();
  EXPECT_EQ(Quads(), 2);
  std::string longName(300, 'x');
  s.SetTexture(longName);
  EXPECT_EQ(std::string(s.GetTextureName()).size(), 255u);
}

TEST_F(SpriteTest, AWorldSpriteIsPlacedFromTheCameraAndHitAsACircle) {
  WorldSprite w;
  w.SetSize(40.0f, 40.0f);
  w.worldX = 300.0f;
  w.worldY = 200.0f;
  w.Transform(100.0f, 50.0f);
  EXPECT_EQ(w.GetCenterX(), 200.0f);
  EXPECT_EQ(w.GetCenterY(), 150.0f);
  EXPECT_TRUE(w.IsPointInside(219.0f, 150.0f));
  EXPECT_FALSE(w.IsPointInside(220.0f, 150.0f));
  EXPECT_FALSE(w.IsPointInside(218.0f, 168.0f));  // inside the square, outside the circle
  w.fixed = true;
  EXPECT_TRUE(w.IsPointInside(218.0f, 168.0f));
}

TEST_F(SpriteTest, AnIsoSpriteIsADiamondOfHalfDiagonals) {
  IsoSprite d;
  d.SetSize(30.0f, 20.0f);
  d.PlaceLocal(100.0f, 100.0f);
  EXPECT_EQ(d.vertices[0].x, 70.0f);
  EXPECT_EQ(d.vertices[0].y, 100.0f);
  EXPECT_EQ(d.vertices[1].y, 80.0f);
  EXPECT_EQ(d.vertices[2].y, 120.0f);
  EXPECT_EQ(d.vertices[3].x, 130.0f);
}

uint32_t g_spriteMs = 0;
uint32_t TimerClock() { return g_spriteMs; }

TEST_F(SpriteTest, AnAnimationStepsThroughItsCellsOnceAndThenStopsDrawing) {
  GTimer::SetClock(TimerClock);
  g_spriteMs = 1000;
  AnimatedSprite a;
  a.SetSize(32.0f, 32.0f);
  a.PlaceLocal(100.0f, 100.0f);
  a.Initialise(400.0f, 4);  // 100 ms a cell
  a.Draw();
  EXPECT_EQ(a.frame, 0);
  g_spriteMs += 101;
  a.Draw();
  EXPECT_EQ(a.frame, 1);
  EXPECT_FLOAT_EQ(a.vertices[0].u, 0.5f);
  for (int i = 0; i < 3; ++i) {
    g_spriteMs += 101;
    a.Draw();
  }
  EXPECT_TRUE(a.IsFinished());
  int drawn = Quads();
  g_spriteMs += 101;
  a.Draw();
  EXPECT_EQ(Quads(), drawn);
  EXPECT_EQ(drawn, 4);
  GTimer::SetClock(nullptr);
  GetD3DEngine()->EndRender();
}

TEST_F(SpriteTest, DrawQueuesDrawInOrderWithoutOwning) {
  BaseSprite a = SpriteAt(100.0f, 100.0f, 10.0f, 10.0f);
  BaseSprite b = SpriteAt(200.0f, 100.0f, 10.0f, 10.0f);
  GUI_SpriteList queue;
  queue.Add(&a);
  queue.Add(&b);
  queue.Draw();
  EXPECT_EQ(queue.Count(), 0u);
  std::vector<DrawRecord> quads = D3DEngine::GetRecorder().Filter(DrawKind::Quad);
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_EQ(quads[0].left, 95.0f);
  EXPECT_EQ(quads[1].left, 195.0f);

  CTexturedSprite t;
  t.SetSize(10.0f, 10.0f);
  t.PlaceLocal(300.0f, 300.0f);
  GSpriteList list;
  list.AddSprite(&t);
  list.AddSprite(&t);
  list.Draw();
  EXPECT_EQ(list.Count(), 2u);
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(Quads(), 4);
  GetD3DEngine()->EndRender();
}

}  // namespace
