// The loading screen headless: one whole frame per call, the bar's tiled frame and its three
// pieces by progress.
#include <gtest/gtest.h>

#include <vector>

#include "D3DEngine.h"
#include "GUI_LoadingScreen.h"

namespace {

TEST(LoadingScreen, EachCallPresentsAFrameWithTheBarFilledToTheProgress) {
  D3DEngine* engine = GetD3DEngine();
  engine->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
  if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
  GUI_LoadingScreen* screen = GUI_GetLoadingScreen();
  EXPECT_EQ(screen->GetBar().left, 212);
  EXPECT_EQ(screen->GetBar().right, 812);

  struct Case {
    float progress;
    std::vector<float> widths;  // of the backdrop, then the bar's pieces, as drawn
  };
  const Case cases[] = {
      {0.0f, {1026, 0}},
      {0.04f, {1026, 24}},            // only part of the left cap
      {0.5f, {1026, 32, 268}},        // the cap and a stretched middle
      {568.0f / 600.0f, {1026, 32, 536}},     // the longest bar without the right cap
      {569.0f / 600.0f, {1026, 32, 505, 32}},  // one pixel on: the right cap whole, the middle shorter
      {0.95f, {1026, 32, 506, 32}},
      {1.0f, {1026, 32, 536, 32}},
  };
  for (const Case& c : cases) {
    float frames = engine->GetFrames();
    D3DEngine::GetRecorder().Clear();
    screen->Draw(c.progress);
    EXPECT_EQ(engine->GetFrames(), frames + 1.0f);
    EXPECT_FALSE(D3DEngine::BInScene);
    // The backdrop, then the pieces of the bar; the tiles of its frame are the window toolkit's.
    std::vector<DrawRecord> quads;
    for (const DrawRecord& quad : D3DEngine::GetRecorder().Filter(DrawKind::Quad)) {
      if (quad.texture.empty() || quad.texture.find("yearend_progress") != std::string::npos) quads.push_back(quad);
    }
    ASSERT_EQ(quads.size(), c.widths.size()) << "progress " << c.progress;
    for (size_t i = 0; i < quads.size(); ++i) {
      EXPECT_NEAR(quads[i].Width(), c.widths[i], 0.01f) << "progress " << c.progress << ", piece " << i;
    }
    EXPECT_EQ(quads[0].texture, "");
    if (quads.size() > 1) {
      EXPECT_EQ(quads[1].left, 212.0f);
    }
    for (size_t i = 2; i < quads.size(); ++i) EXPECT_NEAR(quads[i].left, quads[i - 1].right, 0.01f);
    EXPECT_GT(D3DEngine::GetRecorder().Count(DrawKind::Quad), (int)quads.size()) << "the bar's frame";
  }
}

}  // namespace
