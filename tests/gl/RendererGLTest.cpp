// The renderer on a real Mesa GL context (offscreen video driver): what is drawn is read back from
// the frame buffer and compared within a small tolerance.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "DDSReader.h"
#include "GLTestSupport.h"
#include "TestSupport.h"

namespace {

using gltest::Pixel;

::testing::AssertionResult Near(Pixel got, Pixel want, int tolerance = 4) {
  if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
      std::abs(got.b - want.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << got.r << "," << got.g << "," << got.b << ") want (" << want.r
                                       << "," << want.g << "," << want.b << ")";
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A DDS header; the caller appends the texels.
std::vector<uint8_t> DdsHeader(uint32_t w, uint32_t h, uint32_t pfFlags, uint32_t fourCC, uint32_t bits,
                               uint32_t rm, uint32_t gm, uint32_t bm, uint32_t am, uint32_t pitch = 0) {
  std::vector<uint8_t> out(DDS_HEADER_BYTES, 0);
  std::memcpy(out.data(), "DDS ", 4);
  Put32(out, 4, 124);
  Put32(out, 8, 0x1 | 0x2 | 0x4 | 0x1000);
  Put32(out, 12, h);
  Put32(out, 16, w);
  Put32(out, 20, pitch);
  Put32(out, 76, 32);
  Put32(out, 80, pfFlags);
  Put32(out, 84, fourCC);
  Put32(out, 88, bits);
  Put32(out, 92, rm);
  Put32(out, 96, gm);
  Put32(out, 100, bm);
  Put32(out, 104, am);
  return out;
}

constexpr uint32_t kDXT1 = 'D' | ('X' << 8) | ('T' << 16) | ('1' << 24);

// A solid DXT1 block: colour 0 (565) everywhere, in the four-colour mode (colour 0 > colour 1).
void SolidBlock(std::vector<uint8_t>& out, uint16_t c565) {
  const uint8_t block[8] = {uint8_t(c565 & 0xFF), uint8_t(c565 >> 8), 0, 0, 0, 0, 0, 0};
  out.insert(out.end(), block, block + 8);
}

class GLRenderer : public gltest::GLTest {
 protected:
  void SetUpScene() override {
    ASSERT_TRUE(m_engine->HasContext());
    int vx = 0, vy = 0, vw = 0, vh = 0;
    m_engine->GetViewport(&vx, &vy, &vw, &vh);
    std::printf("GL %s on %s, drawing %dx%d in viewport %d,%d %dx%d\n",
                reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), m_engine->GetScreenWidth(),
                m_engine->GetScreenHeight(), vx, vy, vw, vh);
    m_engine->BeginRender();
    m_engine->ClearScreen(0xFF000000u);
  }

  // The colour at screen pixel (x, y) of the picture drawn so far, straight from the back buffer
  // (this fixture reads no whole picture back).
  Pixel At(int x, int y) {
    int vx = 0, vy = 0, vw = 0, vh = 0, dw = 0, dh = 0;
    m_engine->GetViewport(&vx, &vy, &vw, &vh);
    SDL_GL_GetDrawableSize(m_window, &dw, &dh);
    const int px = vx + int((x + 0.5f) * float(vw) / D3DEngine::W);
    const int py = vy + int((y + 0.5f) * float(vh) / D3DEngine::H);
    uint8_t rgba[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(px, dh - 1 - py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return Pixel{rgba[0], rgba[1], rgba[2]};
  }

  void Quad(float l, float t, float r, float b, uint32_t colour = 0xFFFFFFFFu) {
    _D3DTLVERTEX v[4] = {{l, t, 0, 1, colour, colour, 0, 0},
                         {r, t, 0, 1, colour, colour, 1, 0},
                         {l, b, 0, 1, colour, colour, 0, 1},
                         {r, b, 0, 1, colour, colour, 1, 1}};
    m_engine->DrawQuad(v);
  }
};

}  // namespace

TEST_F(GLRenderer, FilledRectangleCoversExactlyItsPixels) {
  RECT r;
  r.left = 10;
  r.top = 20;
  r.right = 110;
  r.bottom = 70;
  m_engine->FillRect(&r, SpriteColor(200, 100, 50));
  EXPECT_TRUE(Near(At(50, 40), {200, 100, 50}));
  EXPECT_TRUE(Near(At(10, 20), {200, 100, 50}));
  EXPECT_TRUE(Near(At(109, 69), {200, 100, 50}));
  EXPECT_TRUE(Near(At(110, 40), {0, 0, 0}));
  EXPECT_TRUE(Near(At(50, 70), {0, 0, 0}));
  EXPECT_TRUE(Near(At(9, 19), {0, 0, 0}));

  // Alpha blends over what is there: white at alpha 128 over black is mid grey.
  RECT half = r;
  half.left = 200;
  half.right = 260;
  m_engine->FillRect(&half, SpriteColor(255, 255, 255, 128));
  EXPECT_TRUE(Near(At(230, 40), {128, 128, 128}));

  // The clear colour is in the sprite packing too.
  m_engine->ClearScreen(SpriteColor(0, 0, 255));
  EXPECT_TRUE(Near(At(500, 500), {0, 0, 255}));
}

TEST_F(GLRenderer, TexturedQuadShowsThePictureTheRightWayRound) {
  m_engine->AddBitmapDirectories(testsupport::FixturePath("bitmaps"), false);
  ASSERT_TRUE(m_engine->SetTexture("button.dds"));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  Quad(100, 100, 164, 132);  // 1:1
  EXPECT_TRUE(Near(At(108, 104), {255, 0, 0}));
  EXPECT_TRUE(Near(At(156, 104), {0, 255, 0}));
  EXPECT_TRUE(Near(At(108, 128), {0, 0, 255}));
  EXPECT_TRUE(Near(At(156, 128), {128, 128, 128}, 6));  // half-transparent white over black

  // The vertex colour tints the picture; flat shading takes the bottom-right vertex's.
  Quad(300, 100, 428, 164, SpriteColor(255, 255, 255, 255) & 0xFF00FFFFu);  // no blue
  EXPECT_TRUE(Near(At(316, 110), {255, 0, 0}));
  EXPECT_TRUE(Near(At(316, 150), {0, 0, 0}));

  // Untextured again: a plain quad in its colour.
  m_engine->SetTexture(0, 0);
  Quad(500, 100, 540, 140, SpriteColor(10, 200, 30));
  EXPECT_TRUE(Near(At(520, 120), {10, 200, 30}));
}

TEST_F(GLRenderer, VertexBufferBatchReadsTheVertexBufferPacking) {
  GVertexBuffer vb;
  vb.Initialise(8, true);
  _D3DTLVERTEX* v = vb.Lock();
  ASSERT_NE(v, nullptr);
  const float l = 600, t = 300, r = 650, b = 340;
  const uint32_t c = VBColor(250, 120, 10);
  v[0] = _D3DTLVERTEX(l, t, 0, 1, c, c, 0, 0);
  v[1] = _D3DTLVERTEX(r, t, 0, 1, c, c, 1, 0);
  v[2] = _D3DTLVERTEX(l, b, 0, 1, c, c, 0, 1);
  v[3] = _D3DTLVERTEX(r, b, 0, 1, c, c, 1, 1);
  vb.Unlock();
  vb.SetIndexCount(6);
  m_engine->SetTexture(0, 0);
  vb.Draw();
  EXPECT_TRUE(Near(At(625, 320), {250, 120, 10}));
  EXPECT_TRUE(Near(At(651, 320), {0, 0, 0}));
}

TEST_F(GLRenderer, Dxt1TextureIncludingOneWithPartialBlocks) {
  // 8x8: red, green / blue, white blocks.
  std::vector<uint8_t> file = DdsHeader(8, 8, 0x4, kDXT1, 0, 0, 0, 0, 0);
  SolidBlock(file, 0xF800);
  SolidBlock(file, 0x07E0);
  SolidBlock(file, 0x001F);
  SolidBlock(file, 0xFFFF);
  std::vector<uint8_t> pixels;
  uint32_t number = 0;
  int w = 0, h = 0;
  ASSERT_TRUE(m_engine->loadDDS(nullptr, file.data(), file.size(), &pixels, &number, &w, &h, nullptr));
  ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  ASSERT_NE(number, 0u);
  m_engine->SetTexture(0, number);
  m_engine->SetPointFilter();
  Quad(100, 300, 164, 364);  // 8 screen pixels a texel
  EXPECT_TRUE(Near(At(110, 310), {255, 0, 0}));
  EXPECT_TRUE(Near(At(150, 310), {0, 255, 0}));
  EXPECT_TRUE(Near(At(110, 350), {0, 0, 255}));
  EXPECT_TRUE(Near(At(150, 350), {255, 255, 255}));

  // 6x6 needs whole 2x2 blocks (32 bytes); texels 0..3 come from the first column of blocks,
  // 4..5 from the second.
  std::vector<uint8_t> six = DdsHeader(6, 6, 0x4, kDXT1, 0, 0, 0, 0, 0);
  SolidBlock(six, 0xF800);
  SolidBlock(six, 0x07E0);
  SolidBlock(six, 0x001F);
  SolidBlock(six, 0xFFFF);
  ASSERT_TRUE(m_engine->loadDDS(nullptr, six.data(), six.size(), &pixels, &number, &w, &h, nullptr));
  ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  EXPECT_EQ(w, 6);
  EXPECT_EQ(pixels.size(), 32u);
  m_engine->SetTexture(0, number);
  m_engine->SetPointFilter();
  Quad(300, 300, 360, 360);  // 10 screen pixels a texel
  EXPECT_TRUE(Near(At(305, 305), {255, 0, 0}));    // texel (0, 0)
  EXPECT_TRUE(Near(At(355, 305), {0, 255, 0}));    // texel (5, 0)
  EXPECT_TRUE(Near(At(305, 355), {0, 0, 255}));    // texel (0, 5)
  EXPECT_TRUE(Near(At(355, 355), {255, 255, 255}));  // texel (5, 5)
}

TEST_F(GLRenderer, UncompressedDdsFormatsUploadWithTheirLayouts) {
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
  };
  auto solid = [](std::vector<uint8_t> header, const std::vector<uint8_t>& texel, int count) {
    for (int i = 0; i < count; ++i) header.insert(header.end(), texel.begin(), texel.end());
    return header;
  };
  std::vector<uint8_t> palette = DdsHeader(2, 2, 0x20, 0, 8, 0, 0, 0, 0, 2);
  for (int i = 0; i < 256; ++i) {
    const uint8_t entry[4] = {0, 0, uint8_t(i == 7 ? 255 : 0), 255};  // B, G, R, A: index 7 is red
    palette.insert(palette.end(), entry, entry + 4);
  }
  for (int i = 0; i < 4; ++i) palette.push_back(7);
  Case cases[] = {
      {"BGRA8", solid(DdsHeader(2, 2, 0x41, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u), {0, 0, 255, 255}, 4)},
      {"BGR565", solid(DdsHeader(2, 2, 0x40, 0, 16, 0xF800, 0x7E0, 0x1F, 0), {0x00, 0xF8}, 4)},
      {"BGR5A1", solid(DdsHeader(2, 2, 0x41, 0, 16, 0x7C00, 0x3E0, 0x1F, 0x8000), {0x00, 0xFC}, 4)},
      {"BGRA4444", solid(DdsHeader(2, 2, 0x41, 0, 16, 0xF00, 0xF0, 0xF, 0xF000), {0x00, 0xFF}, 4)},
      {"Index8", palette},
  };
  float x = 100;
  for (const Case& c : cases) {
    std::vector<uint8_t> pixels;
    uint32_t number = 0;
    int w = 0, h = 0;
    ASSERT_TRUE(m_engine->loadDDS(nullptr, c.file.data(), c.file.size(), &pixels, &number, &w, &h, nullptr))
        << c.what;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.what;
    m_engine->SetTexture(0, number);
    Quad(x, 500, x + 20, 520);
    EXPECT_TRUE(Near(At(int(x) + 10, 510), {255, 0, 0}, 8)) << c.what;
    x += 40;
  }
}

TEST_F(GLRenderer, FlipCountsFramesAndTheViewportKeepsTheDrawingSize) {
  int vx = 0, vy = 0, vw = 0, vh = 0;
  m_engine->GetViewport(&vx, &vy, &vw, &vh);
  EXPECT_GT(vw, 0);
  EXPECT_EQ(vw * m_engine->GetScreenHeight(), vh * m_engine->GetScreenWidth());  // the shape is kept
  m_engine->EndRender();
  m_engine->Flip();
  EXPECT_EQ(m_engine->GetFrames(), 1.0f);
  float sx = 0, sy = 0;
  m_engine->WindowToScreen(float(vx), float(vy), &sx, &sy);
  EXPECT_NEAR(sx, 0.0f, 1.0f);
  EXPECT_NEAR(sy, 0.0f, 1.0f);
}
