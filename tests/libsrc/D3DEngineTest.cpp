// The renderer headless: the recording back end, the vertex buffer's quad index list, the windowed
// size rule and the colour packings.
#include <gtest/gtest.h>

#include <filesystem>

#include "D3DEngine.h"
#include "LibColor.h"
#include "SmartTexture.h"
#include "TestSupport.h"
#include "V2.h"

using namespace testsupport;

namespace {
RECT Rect(int l, int t, int r, int b) {
  RECT x;
  x.left = l;
  x.top = t;
  x.right = r;
  x.bottom = b;
  return x;
}
}  // namespace

TEST(Recorder, RecordsFillsFramesLinesAndClearsInTheSpritePacking) {
  D3DEngine* e = GetD3DEngine();
  DrawRecorder& rec = D3DEngine::GetRecorder();
  ASSERT_TRUE(rec.IsEnabled());
  rec.Clear();

  e->BeginRender();
  e->ClearScreen(0xFF102030u);
  RECT r = Rect(10, 20, 110, 70);
  e->FillRect(&r, 0xC8000000u);
  e->FrameRect(&r, 0xFFE0E0E0u);
  e->RenderLine(1, 2, 3, 4, 0xFF0000FFu);
  e->ClearArea(&r);
  e->EndRender();

  ASSERT_EQ(rec.Entries().size(), 5u) << rec.Dump();
  const DrawRecord* fill = &rec.Entries()[1];
  EXPECT_EQ(fill->kind, DrawKind::Fill);
  EXPECT_EQ(fill->call, "FillRect");
  EXPECT_EQ(fill->left, 10);
  EXPECT_EQ(fill->top, 20);
  EXPECT_EQ(fill->right, 110);
  EXPECT_EQ(fill->bottom, 70);
  EXPECT_EQ(fill->colour, 0xC8000000u);
  EXPECT_EQ(fill->a(), 200);
  EXPECT_EQ(fill->texture, "");
  EXPECT_EQ(rec.Entries()[0].kind, DrawKind::Clear);
  EXPECT_EQ(rec.Entries()[2].kind, DrawKind::Frame);
  EXPECT_EQ(rec.Entries()[2].r(), 0xE0);
  const DrawRecord* line = rec.Last(DrawKind::Line);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->r(), 255);
  EXPECT_EQ(line->b(), 0);
  EXPECT_EQ(rec.Last(DrawKind::Fill)->colour, 0xFF000000u);  // ClearArea is an opaque black fill
  EXPECT_EQ(rec.Count(DrawKind::Fill), 2);

  // A flip keeps the frame's entries for tests that run whole frames.
  e->Flip();
  EXPECT_EQ(rec.LastFrame().size(), 5u);
  rec.Clear();
  EXPECT_TRUE(rec.Entries().empty());
}

TEST(Recorder, QuadsAndBatchesCarryTheBoundTextureAndTextIsNoted) {
  D3DEngine* e = GetD3DEngine();
  WriteFile(TestRoot() + "/pics/button.png", ReadFile(FixturePath("bitmaps/button.png")));
  e->AddBitmapDirectories(TestRoot() + "/pics", false);
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();

  e->BeginRender();
  ASSERT_TRUE(e->SetTexture("button.dds"));
  _D3DTLVERTEX v[4] = {{10, 10, 0, 1, 0xFFFFFFFFu, 0, 0, 0},
                       {74, 10, 0, 1, 0xFFFFFFFFu, 0, 1, 0},
                       {10, 42, 0, 1, 0xFFFFFFFFu, 0, 0, 1},
                       {74, 42, 0, 1, 0x800000FFu, 0, 1, 1}};
  e->DrawQuad(v);
  const DrawRecord* quad = rec.Last(DrawKind::Quad);
  ASSERT_NE(quad, nullptr);
  EXPECT_EQ(quad->texture, "button.png");
  EXPECT_EQ(quad->right - quad->left, 64);
  EXPECT_EQ(quad->bottom - quad->top, 32);
  EXPECT_EQ(quad->colour, 0x800000FFu);  // flat shading shows the bottom-right vertex

  // A vertex-buffer batch: colours in the vertex-buffer packing come out in the sprite packing.
  GVertexBuffer vb;
  vb.Initialise(8, true);
  _D3DTLVERTEX* w = vb.Lock();
  ASSERT_NE(w, nullptr);
  for (int i = 0; i < 8; ++i) w[i] = _D3DTLVERTEX(float(100 + i), float(200 + i), 0, 1, VBColor(255, 0, 0), 0, 0, 0);
  vb.Unlock();
  vb.SetIndexCount(12);
  e->SetTexture(0, 0);
  vb.Draw();
  const DrawRecord* tri = rec.Last(DrawKind::Triangles);
  ASSERT_NE(tri, nullptr);
  EXPECT_EQ(tri->count, 12);
  EXPECT_EQ(tri->colour, SpriteColor(255, 0, 0));
  EXPECT_EQ(tri->texture, "");
  EXPECT_EQ(tri->left, 100);
  EXPECT_EQ(tri->bottom, 207);

  e->NoteText("Start a new life", 5, 6, 105, 26, VBColor(0, 0, 255), "arial16.dds");
  const DrawRecord* text = rec.FindText("new life");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->texture, "arial16.png");
  EXPECT_EQ(text->b(), 255);
  EXPECT_FALSE(rec.HasText("old life"));
}

TEST(Recorder, ScreenFillsAndTiles) {
  D3DEngine* e = GetD3DEngine();
  WriteFile(TestRoot() + "/pics/button.png", ReadFile(FixturePath("bitmaps/button.png")));
  e->AddBitmapDirectories(TestRoot() + "/pics", false);
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, false, true));
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();

  SmartTexture card("button.dds");
  e->FillScreen(&card, 1.0f, 0.75f);
  const DrawRecord* fs = rec.Last(DrawKind::FillScreen);
  ASSERT_NE(fs, nullptr);
  EXPECT_EQ(fs->texture, "button.png");
  EXPECT_EQ(fs->right, 1024);
  EXPECT_EQ(fs->bottom, 768);

  // 100 x 40 in tiles of 64 x 32: two columns by two rows, the edge ones squeezed.
  RECT r = Rect(0, 0, 100, 40);
  e->TileRect(&r, "button.dds", 0xFFFFFFFFu);
  const DrawRecord* tile = rec.Last(DrawKind::TileRect);
  ASSERT_NE(tile, nullptr);
  EXPECT_EQ(tile->count, 4);
  EXPECT_FALSE(e->IsPointFilter());  // linear again after the tiles

  V2 pts[3] = {V2(0, 0), V2(10, 0), V2(10, 10)};
  e->RenderSpriteLine(pts, 3, 0xFFFFFFFFu, 4.0f);
  EXPECT_EQ(rec.Last(DrawKind::SpriteLine)->count, 3);
}

TEST(VertexBuffer, EightThousandVerticesMakeTwoThousandQuads) {
  GVertexBuffer vb;
  vb.Initialise(MAXVERTS, true);
  EXPECT_EQ(vb.GetVertsUsed(), 8000);
  const uint16_t* ix = vb.GetIndices();
  const uint16_t first[6] = {0, 1, 2, 2, 1, 3};
  const uint16_t last[6] = {7996, 7997, 7998, 7998, 7997, 7999};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(ix[i], first[i]);
    EXPECT_EQ(ix[MAXINDICES - 6 + i], last[i]);
  }
  ASSERT_EQ(MAXINDICES, 12000);
  ASSERT_EQ(GVertexBuffer::GetAll().size(), 1u);
  EXPECT_EQ(GVertexBuffer::GetAll()[0], &vb);

  // Lock hands out the store, Reset clears the index count, Release leaves the list.
  EXPECT_NE(vb.Lock(), nullptr);
  EXPECT_EQ(vb.GetLockedVerts(), vb.GetVertices());
  vb.Unlock();
  EXPECT_EQ(vb.GetLockedVerts(), nullptr);
  vb.SetIndexCount(600);
  vb.Reset();
  EXPECT_EQ(vb.GetIndexCount(), 0);
  vb.Release();
  EXPECT_TRUE(GVertexBuffer::GetAll().empty());
}

TEST(VertexBuffer, NonQuadBufferHasZeroIndicesAndDestructionLeavesTheList) {
  {
    GVertexBuffer vb;
    vb.Initialise(30, false);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(vb.GetIndices()[i], 0);
    EXPECT_EQ(GVertexBuffer::GetAll().size(), 1u);
  }
  EXPECT_TRUE(GVertexBuffer::GetAll().empty());
}

TEST(VertexBufferDeathTest, SizeOutsideOneToEightThousandStops) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        GVertexBuffer vb;
        vb.Initialise(0, true);
      },
      "vertsused > 0 && vertsused <= MAXVERTS");
  EXPECT_DEATH(
      {
        GVertexBuffer vb;
        vb.Initialise(MAXVERTS + 1, true);
      },
      "vertsused > 0 && vertsused <= MAXVERTS");
}

TEST(Renderer, WindowedSizeFallsBackWhenTheDisplayIsNotLarger) {
  struct Case {
    int dw, dh, w, h, ew, eh;
  } cases[] = {
      {1024, 768, 1024, 768, 800, 600},    // exactly the size: not strictly larger
      {1280, 1024, 1024, 768, 1024, 768},  // room to spare
      {1025, 768, 1024, 768, 800, 600},
      {1024, 769, 1024, 768, 800, 600},
      {1280, 1024, 1280, 1024, 1280, 960},  // the first table entry below the requested height
  };
  for (const Case& c : cases) {
    int w = c.w, h = c.h;
    D3DEngine::ChooseWindowedSize(c.dw, c.dh, &w, &h);
    EXPECT_EQ(w, c.ew) << c.dw << "x" << c.dh;
    EXPECT_EQ(h, c.eh) << c.dw << "x" << c.dh;
  }
}

TEST(Renderer, HeadlessInitialiseSetsTheSizeAndSafeModeForcesAWindow) {
  // The resources' data files are links into the repository: replace the link, never write through it.
  const std::string ziz = ResourcesRoot() + "/data/config.ziz";
  std::filesystem::remove(ziz);
  WriteFile(ziz, "[config]\nIsWindowed=0\nSafeMode=1\n");
  D3DEngine* e = GetD3DEngine();
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1280, 768, 32, false, false));
  EXPECT_TRUE(e->GetIsWindowed());
  EXPECT_EQ(e->GetScreenWidth(), 1280);
  EXPECT_EQ(D3DEngine::W, 1280.0f);
  EXPECT_EQ(D3DEngine::H, 768.0f);
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, true, false));
  EXPECT_FALSE(e->GetIsWindowed());  // safe mode skipped: the file says full screen
}

TEST(Renderer, ScenesAndFrames) {
  D3DEngine* e = GetD3DEngine();
  EXPECT_FALSE(e->InScene());
  e->BeginRender();
  e->BeginRender();  // already open: no second scene
  EXPECT_TRUE(D3DEngine::BInScene);
  EXPECT_EQ(e->GetSceneCount(), 1);
  e->EndRender();
  EXPECT_FALSE(e->InScene());
  e->Flip();
  EXPECT_EQ(e->GetSceneCount(), 0);
  EXPECT_EQ(e->GetFrames(), 1.0f);
}

TEST(ColourPackings, SpriteAndVertexBufferPackingsSwapRedAndBlue) {
  EXPECT_EQ(SpriteColor(0xE0, 0xE0, 0xE0), 0xFFE0E0E0u);
  EXPECT_EQ(SpriteColor(0x11, 0x22, 0x33, 0x44), 0x44332211u);
  EXPECT_EQ(VBColor(0x11, 0x22, 0x33, 0x44), 0x44112233u);
  EXPECT_EQ(SpriteToVBColor(0x44332211u), 0x44112233u);
  EXPECT_EQ(VBToSpriteColor(SpriteToVBColor(0x12345678u)), 0x12345678u);
}

TEST(LibColorOps, TextDarkenAndInterpolate) {
  LibColor c("10,20,30");
  EXPECT_EQ(c.R(), 10);
  EXPECT_EQ(c.G(), 20);
  EXPECT_EQ(c.B(), 30);
  EXPECT_EQ(c.A(), 255);
  c.Darken(15);
  EXPECT_EQ(c.R(), 0);
  EXPECT_EQ(c.G(), 5);
  EXPECT_EQ(c.B(), 15);
  EXPECT_EQ(c.A(), 255);
  LibColor mid = LibColor::Interpolate(LibColor::FromBytes(0, 0, 0, 0), LibColor::FromBytes(255, 255, 255, 255), 0.5f);
  EXPECT_EQ(mid.GetD3DColor(), 0x7F7F7F7Fu);
}
