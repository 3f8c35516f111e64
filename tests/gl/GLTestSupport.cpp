#include "GLTestSupport.h"

#include <SDL_image.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cstddef>

#include "LibTextEngine.h"

namespace gltest {

void GLTest::SetUp() {
  Open();
  if (IsSkipped() || HasFatalFailure()) return;
  SetUpScene();
}

void GLTest::Open() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no video driver: " << SDL_GetError();
  D3DEngine::SetGLAttributes();
  m_window = SDL_CreateWindow("Vorla 2 GL test", 0, 0, 1024, 768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!m_window) GTEST_SKIP() << "no GL window can be made: " << SDL_GetError();
  m_context = SDL_GL_CreateContext(m_window);
  if (!m_context) GTEST_SKIP() << "no GL context can be made: " << SDL_GetError();
  m_engine = GetD3DEngine();
  ASSERT_TRUE(m_engine->Initialise(m_window, nullptr, 1024, 768, 32, true, true));
  if (m_fit == Fit::None) return;

  // The offscreen display is no larger than 1024x768, so the windowed renderer falls back to
  // 800x600; the fixtures lay their pictures out for the size they ask for.
  int vw = 0, vh = 0;
  m_engine->GetViewport(&m_viewX, &m_viewY, &vw, &vh);
  const int sw = m_engine->GetScreenWidth(), sh = m_engine->GetScreenHeight();
  const bool size = m_fit == Fit::Exactly ? sw == m_width && sh == m_height : sw >= m_width && sh >= m_height;
  if (!size || vw != sw || vh != sh) GTEST_SKIP() << "drawing size " << sw << "x" << sh;
  m_engine->AddBitmapDirectories("data/bitmaps", true);
  GetTextEngine()->LoadFonts();
}

void GLTest::TearDown() {
  if (m_context) SDL_GL_DeleteContext(m_context);
  if (m_window) SDL_DestroyWindow(m_window);
  SDL_Quit();
}

void GLTest::ReadBack() {
  m_pixels.assign(size_t(m_width) * size_t(m_height) * 4, 0);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  int dw = 0, dh = 0;
  SDL_GL_GetDrawableSize(m_window, &dw, &dh);
  glReadPixels(m_viewX, dh - m_viewY - m_height, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
  // Rows come bottom first; turn them so y grows downwards like the screen.
  const ptrdiff_t row = ptrdiff_t(m_width) * 4;
  for (int y = 0; y < m_height / 2; ++y) {
    std::swap_ranges(m_pixels.begin() + y * row, m_pixels.begin() + (y + 1) * row,
                     m_pixels.begin() + (m_height - 1 - y) * row);
  }
}

Pixel GLTest::At(int x, int y) const {
  const uint8_t* p = &m_pixels[(size_t(y) * size_t(m_width) + size_t(x)) * 4];
  return Pixel{p[0], p[1], p[2]};
}

void GLTest::ExpectTheSamePictureWhenRecorded(const std::function<void()>& frame) {
  frame();
  ReadBack();
  const std::vector<uint8_t> atOnce = m_pixels;

  m_engine->SetSkipUnchangedFrames(true);
  frame();
  EXPECT_FALSE(m_engine->GetRecordedFrame().Empty());
  // What is read back is the back buffer, not the screen: draw it even when it equals the frame
  // flipped before, whose commands frame() may well have repeated.
  m_engine->RedrawNextFrame();
  EXPECT_TRUE(m_engine->DrawRecordedFrame());
  m_engine->SetSkipUnchangedFrames(false);
  ReadBack();

  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      const size_t i = (size_t(y) * size_t(m_width) + size_t(x)) * 4;
      if (atOnce[i] == m_pixels[i] && atOnce[i + 1] == m_pixels[i + 1] && atOnce[i + 2] == m_pixels[i + 2]) continue;
      if (differing++ == 0) {
        firstX = x;
        firstY = y;
      }
    }
  }
  EXPECT_EQ(differing, 0) << "pixels differ, the first at (" << firstX << ", " << firstY << ")";
}

void GLTest::Save(const char* path) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(m_pixels.data(), m_width, m_height, 32, m_width * 4,
                                                      SDL_PIXELFORMAT_ABGR8888);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(IMG_SavePNG(s, path), 0) << IMG_GetError();
  SDL_FreeSurface(s);
}

}  // namespace gltest
