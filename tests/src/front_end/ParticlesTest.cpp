// Particle effects headless, on a clock moved by hand: whole 16 ms steps at any frame rate, the
// 256-particle cap, emission in whole particles, depth order and reuse by name, bad files, the
// configuration writer and the firework display.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "D3DEngine.h"
#include "FrontEndTestSupport.h"
#include "Game.h"
#include "GDebug.h"
#include "GUI_Fireworks.h"
#include "GUI_ParticleConfig.h"
#include "GUI_ParticleEmmiter.h"
#include "GUI_ParticleManager.h"
#include "IniLoader.h"
#include "TestSupport.h"

namespace particlestest {

uint32_t g_now = 0;
uint32_t TestClock() { return g_now; }

using frontendtest::LinesWith;
using frontendtest::LogText;

// A configuration file in the test world's data folder; keys not given read as 0.
void WriteConfig(const std::string& file, const std::string& keys) {
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/particles/" + file, "[config]\n" + keys);
}

// One particle flying at 2 pixels a step, never fading or shrinking.
const char* const kSteady =
    "Name = steady\nTextureName = spark_gold.dds\nMinXVelocity = 2\nMaxXVelocity = 2\n"
    "MinSize = 4\nMaxSize = 4\nInitialParticles = 1\n";

class ParticlesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetGame()->InitDirectories();
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, false, true);
    engine->AddBitmapDirectories("data/bitmaps", true);
    GUI_Particles::SetClock(&TestClock);
    g_now = 1000;
  }
  void TearDown() override {
    GUI_ParticleManager::Close();
    GUI_Particles::SetClock(nullptr);
  }
  // Re-reads the files, so the ones a test has written are seen.
  static void Reread() { GUI_ParticleManager::Open(); }
  static int VerticesDrawn() {
    int n = 0;
    for (const DrawRecord& r : D3DEngine::GetRecorder().Filter(DrawKind::Triangles)) n += r.count;
    return n;
  }
};

TEST_F(ParticlesTest, SixtyFourMillisecondsAreFourStepsAtAnyFrameRate) {
  WriteConfig("steady.txt", kSteady);
  Reread();
  // Started just before the clock wraps, so the steps are counted across it as well.
  for (uint32_t frame : {1u, 5u, 15u, 16u, 17u, 33u, 64u}) {
    g_now = 0xFFFFFFFFu - 20u;
    GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter("steady", V2(500, 400), 0.0f);
    const GUI_BaseParticle& p = e->GetParticle(0);
    const V2 start = p.m_position;
    const float vx = p.m_velX, vy = p.m_velY;
    for (uint32_t t = frame; t <= 64; t += frame) {
      g_now += frame;
      GUI_ParticleManager::Draw();
    }
    if (64 % frame) {
      g_now = 0xFFFFFFFFu - 20u + 64u;
      GUI_ParticleManager::Draw();
    }
    EXPECT_NEAR(p.m_position.x, start.x + 4 * vx, 1e-3) << "frames of " << frame << " ms";
    EXPECT_NEAR(p.m_position.y, start.y + 4 * vy + 4 * 0.16f, 1e-3) << "frames of " << frame << " ms";
    // Without fall-off the particle never dies, even far off the screen, and its emitter stays live.
    g_now += 600000;
    GUI_ParticleManager::Draw();
    EXPECT_TRUE(p.m_alive);
    EXPECT_TRUE(e->IsActive());
    GUI_ParticleManager::KillActiveEmmiters();
  }
}

TEST_F(ParticlesTest, BurstsAreCappedAndEmissionComesInWholeParticles) {
  WriteConfig("many.txt", "Name = many\nTextureName = spark_red.dds\nMinSize = 2\nMaxSize = 3\nInitialParticles = 300\n");
  WriteConfig("none.txt", "Name = none\nTextureName = spark_red.dds\nMinSize = 2\nMaxSize = 3\nParticlesPerSecond = 1000\n");
  WriteConfig("tenths.txt",
              "Name = tenths\nTextureName = spark_red.dds\nMinSize = 2\nMaxSize = 3\nInitialParticles = 1\n"
              "ParticlesPerSecond = 10\n");
  Reread();

  D3DEngine::GetRecorder().Clear();
  GUI_ParticleEmmiter* many = GUI_ParticleManager::CreateEmmiter("many", V2(100, 100), 0.0f);
  GUI_ParticleManager::Draw();
  EXPECT_EQ(many->GetParticlesInUse(), 256);
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 1);  // one call for the lot
  EXPECT_EQ(VerticesDrawn(), 256 * 6);
  GUI_ParticleManager::KillActiveEmmiters();

  // No burst: nothing drawn in the first frame, and finished after it though it has just emitted.
  g_now += 50;
  D3DEngine::GetRecorder().Clear();
  GUI_ParticleEmmiter* none = GUI_ParticleManager::CreateEmmiter("none", V2(100, 100), 0.0f);
  g_now += 50;
  GUI_ParticleManager::Draw();
  EXPECT_EQ(VerticesDrawn(), 0);
  EXPECT_FALSE(none->IsActive());
  GUI_ParticleManager::KillActiveEmmiters();

  // Ten a second: 99 ms starts none and keeps the last emission time; 100 ms starts one.
  GUI_ParticleEmmiter* tenths = GUI_ParticleManager::CreateEmmiter("tenths", V2(100, 100), 0.0f);
  const uint32_t started = g_now;
  g_now = started + 99;
  GUI_ParticleManager::Draw();
  EXPECT_EQ(tenths->GetLastEmission(), started);
  g_now = started + 100;
  GUI_ParticleManager::Draw();
  EXPECT_EQ(tenths->GetLastEmission(), started + 100);
  GUI_ParticleManager::Draw();
  EXPECT_EQ(tenths->GetParticlesInUse(), 2);
}

TEST_F(ParticlesTest, DeeperEmittersDrawFirstAndFinishedOnesAreReusedByName) {
  WriteConfig("steady.txt", kSteady);
  WriteConfig("brief.txt", "Name = brief\nTextureName = spark_blue.dds\nMinSize = 2\nMaxSize = 2\nAlphaFalloff = 1\nInitialParticles = 5\n");
  Reread();
  GUI_ParticleEmmiter* a = GUI_ParticleManager::CreateEmmiter("steady", V2(), 1.0f);
  GUI_ParticleEmmiter* b = GUI_ParticleManager::CreateEmmiter("steady", V2(), 5.0f);
  GUI_ParticleEmmiter* c = GUI_ParticleManager::CreateEmmiter("steady", V2(), 1.0f);
  const std::vector<GUI_ParticleEmmiter*> order = {b, a, c};  // deepest first, equals as added
  EXPECT_EQ(GUI_ParticleManager::Emmiters, order);

  GUI_ParticleEmmiter* brief = GUI_ParticleManager::CreateEmmiter("brief", V2(), 0.0f);
  g_now += 16;
  GUI_ParticleManager::Draw();  // one step takes all its opacity
  EXPECT_EQ(GUI_ParticleManager::Emmiters, order);
  ASSERT_EQ(GUI_ParticleManager::CachedEmmiters.size(), 1u);
  EXPECT_EQ(GUI_ParticleManager::CachedEmmiters[0], brief);

  // Asked for again, the cached one comes back started afresh at its new place and depth.
  EXPECT_EQ(GUI_ParticleManager::CreateEmmiter("brief", V2(10, 20), 3.0f), brief);
  EXPECT_TRUE(brief->IsActive());
  EXPECT_EQ(brief->GetParticlesInUse(), 0);
  EXPECT_TRUE(GUI_ParticleManager::CachedEmmiters.empty());
  const std::vector<GUI_ParticleEmmiter*> withBrief = {b, brief, a, c};
  EXPECT_EQ(GUI_ParticleManager::Emmiters, withBrief);
}

TEST_F(ParticlesTest, AnUnknownNameIsReportedAndDrawsNothing) {
  D3DEngine::GetRecorder().Clear();
  GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter("no such sparks", V2(100, 100), 0.0f);
  EXPECT_FALSE(e->IsActive());
  for (int i = 0; i < 3; ++i) {
    g_now += 30;
    GUI_ParticleManager::Draw();
  }
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 0);
  const int reported = LinesWith(LogText(), "Particle config not found");
  EXPECT_GE(reported, 1);
  // Asked for again, it is not reported again.
  GUI_ParticleManager::CreateEmmiter("no such sparks", V2(100, 100), 0.0f);
  EXPECT_EQ(LinesWith(LogText(), "Particle config not found"), reported);
}

TEST_F(ParticlesTest, ABrokenFileGetsOneWarningNamingItAndTheRestStillDraw) {
  WriteConfig("nameless.txt", "TextureName = spark_gold.dds\nMinSize = 2\nMaxSize = 2\nInitialParticles = 4\n");
  WriteConfig("lostpicture.txt", "Name = lostpicture\nTextureName = no_such_spark.dds\nMinSize = 2\nMaxSize = 2\nInitialParticles = 4\n");
  Reread();
  const std::string log = LogText();
  EXPECT_EQ(LinesWith(log, "nameless.txt"), 1) << log;
  EXPECT_EQ(LinesWith(log, "lostpicture.txt"), 1) << log;

  D3DEngine::GetRecorder().Clear();
  GUI_ParticleManager::CreateEmmiter("lostpicture", V2(100, 100), 0.0f);
  GUI_ParticleManager::CreateEmmiter("redsparks", V2(200, 100), 0.0f);
  GUI_ParticleManager::Draw();
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 2);
}

TEST_F(ParticlesTest, SaveWritesEveryKeyAndReadsBackTheSame) {
  WriteConfig("steady.txt", kSteady);
  Reread();
  GUI_ParticleConfig* c = GUI_ParticleConfig::GetConfig("steady");
  ASSERT_NE(c, nullptr);
  c->MinYVelocity = -1.25f;
  c->SpeedFalloff = 0.05f;
  c->Lifetime = 250.0f;
  const std::string path = testsupport::TestRoot() + "/saved.txt";
  c->Save(path.c_str());
  EXPECT_EQ(testsupport::ReadFile(path),
            "[config]\nName = steady\nTextureName = spark_gold.dds\nMinXVelocity = 2.000\nMaxXVelocity = 2.000\n"
            "MinYVelocity = -1.250\nMaxYVelocity = 0.000\nAlphaFalloff = 0.000\nSizeFalloff = 0.000\n"
            "SpeedFalloff = 0.050\nXScatter = 0.000\nYScatter = 0.000\nMinSize = 4.000\nMaxSize = 4.000\n"
            "ParticlesPerSecond = 0.000\nInitialParticles = 1\nLifetime = 250.000\n");
  GUI_ParticleConfig back;
  back.Load(path.c_str());
  EXPECT_EQ(back.m_name, "steady");
  EXPECT_EQ(back.MinYVelocity, -1.25f);
  EXPECT_EQ(back.Lifetime, 250.0f);
  // A file that cannot be opened is reported, and nothing is written.
  c->Save((testsupport::TestRoot() + "/no/such/folder/x.txt").c_str());
  EXPECT_FALSE(testsupport::Exists(testsupport::TestRoot() + "/no/such/folder/x.txt"));
}

TEST_F(ParticlesTest, TheDisplayLaunchesFireworksAtShortGapsUntilStopped) {
  GUI_Fireworks* fireworks = GetFireworks();
  fireworks->FireworkDisplay();
  EXPECT_EQ(GUI_ParticleManager::Emmiters.size(), 1u);
  int launches = 1;
  uint32_t last = g_now;
  for (int frame = 0; frame < 1000; ++frame) {
    g_now += 10;
    const size_t liveBefore = GUI_ParticleManager::Emmiters.size();
    fireworks->Draw();
    if (GUI_ParticleManager::Emmiters.size() > liveBefore) {
      ++launches;
      EXPECT_LE(g_now - last, 260u);  // below 250 ms, seen at 10 ms frames
      last = g_now;
    }
    GUI_ParticleManager::Draw();
  }
  EXPECT_GT(launches, 40);  // 10 s at gaps below 250 ms
  // Burnt-out fireworks are started again rather than new ones made.
  EXPECT_LT(GUI_ParticleManager::Emmiters.size() + GUI_ParticleManager::CachedEmmiters.size(), size_t(launches));
  for (const GUI_ParticleEmmiter* e : GUI_ParticleManager::Emmiters) {
    const std::string name = e->GetConfig()->m_name;
    EXPECT_TRUE(name == "slowsparks" || name == "redsparks" || name == "smallpyro") << name;
  }
  fireworks->StopDisplay();
  EXPECT_TRUE(GUI_ParticleManager::Emmiters.empty());
  g_now += 1000;
  fireworks->Draw();
  EXPECT_TRUE(GUI_ParticleManager::Emmiters.empty());
}

}  // namespace particlestest
