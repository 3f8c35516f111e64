// The publisher's splash: its fade curve, and that it shows only when the data folder asks for it.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "GTimer.h"
#include "PublisherLogo.h"
#include "TestSupport.h"

using namespace testsupport;

namespace {

TEST(PublisherLogo, FadesInAndOutOverHalfASecondEach) {
  const struct {
    float t;
    float alpha;
  } cases[] = {{0, 0}, {250, 0.5f}, {500, 1}, {2000, 1}, {3500, 1}, {3750, 0.5f}, {4000, 0}, {4500, 0}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(PublisherLogo::AlphaAt(c.t), c.alpha) << c.t << " ms";
}

TEST(PublisherLogo, WithoutLogoTxtNothingIsShown) {
  GetD3DEngine()->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
  D3DEngine::GetRecorder().Clear();
  float before = GetD3DEngine()->GetFrames();
  GetPublisherLogo()->Run();
  EXPECT_EQ(GetD3DEngine()->GetFrames(), before);
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Quad), 0);
}

uint32_t g_ms = 0;
uint32_t Stepping() { return g_ms += 250; }  // each look at the clock is a quarter second later

TEST(PublisherLogo, LogoTxtGivesTheSizeAndPictureCentredOnTheScreen) {
  WriteFile(ResourcesRoot() + "/data/logo.txt", "[setup]\nwidth=300\nheight=120\nimage=publisher.dds\n");
  GetD3DEngine()->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
  D3DEngine::GetRecorder().Clear();
  GTimer::SetClock(Stepping);
  GetPublisherLogo()->Run();
  GTimer::SetClock(nullptr);

  PublisherLogo* logo = GetPublisherLogo();
  EXPECT_EQ(logo->width, 300.0f);
  EXPECT_EQ(logo->height, 120.0f);
  EXPECT_STREQ(logo->GetTextureName(), "publisher.dds");
  std::vector<DrawRecord> quads = D3DEngine::GetRecorder().Filter(DrawKind::Quad);
  ASSERT_GE(quads.size(), 8u);
  EXPECT_LE(quads.size(), 16u);
  EXPECT_EQ(quads[0].left, 362.0f);
  EXPECT_EQ(quads[0].top, 324.0f);
  EXPECT_EQ(quads[0].right, 662.0f);
  // Fading in, fully shown, fading out.
  EXPECT_LT(quads.front().a(), 255);
  EXPECT_EQ(quads[quads.size() / 2].a(), 255);
  EXPECT_LT(quads.back().a(), 255);
}

}  // namespace
