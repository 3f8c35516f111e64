#pragma once
// What the GL tests share: a hidden window with a real GL context (the offscreen video driver) and
// the renderer started on it, and the drawn picture read back and saved for a person to look at.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "D3DEngine.h"

namespace gltest {

// The offscreen display gives an 800x600 drawing: the pictures the tests draw are laid out for it.
constexpr int kW = 800;
constexpr int kH = 600;

// A rectangle of the picture, in pixels.
struct Box {
  int left, top, right, bottom;
};

struct Pixel {
  int r, g, b;
};

// The fixture base. SetUp opens the window, the context and the renderer, skipping the test where
// no GL can be had, then calls SetUpScene; TearDown closes them again (a fixture that overrides it
// calls it last).
class GLTest : public ::testing::Test {
 protected:
  // How the renderer's drawing size must match the picture a fixture reads back.
  enum class Fit { None, Exactly, AtLeast };

  // A fixture that reads back a width x height picture from the viewport's top-left corner: the
  // test is skipped unless the renderer draws at (exactly, or at least) that size and fills its
  // viewport, and the game's bitmaps and fonts are loaded. Fit::None: no picture, nothing loaded.
  explicit GLTest(Fit fit = Fit::None, int width = 0, int height = 0)
      : m_fit(fit), m_width(width), m_height(height) {}

  void SetUp() override;
  void TearDown() override;

  // The fixture's own set-up, once the renderer runs.
  virtual void SetUpScene() {}

  // The picture drawn so far (the back buffer), top row first, into m_pixels.
  void ReadBack();
  // The colour at (x, y) of the picture read back.
  Pixel At(int x, int y) const;
  // The picture read back as a PNG file.
  void Save(const char* path);
  // Draws with frame() twice: each command at once, as the GL tests draw, and then recorded through
  // the frame and drawn when the frame ends, as the game's window draws. The two pictures read
  // back must be the same to the pixel. frame() draws up to the frame to be read back, unflipped.
  void ExpectTheSamePictureWhenRecorded(const std::function<void()>& frame);

  SDL_Window* m_window = nullptr;
  SDL_GLContext m_context = nullptr;
  D3DEngine* m_engine = nullptr;
  int m_viewX = 0;
  int m_viewY = 0;
  std::vector<uint8_t> m_pixels;  // RGBA, m_width x m_height

 private:
  void Open();

  Fit m_fit;
  int m_width;
  int m_height;
};

}  // namespace gltest
