// The developer stopwatches and statistics panel headless.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GPerfStats.h"
#include "LibTextEngine.h"
#include "Performance.h"
#include "TestSupport.h"

namespace {
uint32_t g_perfNow = 0;
uint32_t PerfClock() { return g_perfNow; }

std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
}  // namespace

TEST(Performance, TimesTagsAndLogsAverages) {
  GetDebug()->Initialise();
  GTimer::SetClock(&PerfClock);
  CPerformance perf;
  perf.StartTime("draw");
  EXPECT_STREQ(perf.GetCurrentTag(), "draw");
  g_perfNow += 30;
  perf.EndTime("draw");
  EXPECT_STREQ(perf.GetCurrentTag(), "undefined");
  perf.StartTime("draw");
  g_perfNow += 10;
  perf.EndTime("draw");
  g_perfNow += 100;  // paused time does not count
  ASSERT_EQ(perf.GetObjects().size(), 1u);
  EXPECT_EQ(perf.GetObjects()[0]->calls, 2);

  perf.EndTime("never started");
  EXPECT_NE(Log().find("Performance tag mismatch"), std::string::npos);
  EXPECT_EQ(perf.GetObjects().size(), 1u);

  perf.Release();
  EXPECT_NE(Log().find("--PERFORMANCE DATA--"), std::string::npos);
  EXPECT_NE(Log().find("draw\t\t20.000000"), std::string::npos) << Log();
  EXPECT_NE(Log().find("--END--"), std::string::npos);
  GTimer::SetClock(nullptr);
}

TEST(Performance, ColoursCycleAndTheGraphIsClamped) {
  GetDebug()->Initialise();
  GTimer::SetClock(&PerfClock);
  D3DEngine* e = GetD3DEngine();
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, false, true));
  e->AddBitmapDirectories("data/bitmaps", true);
  GetTextEngine()->LoadFonts();
  GetTextEngine()->SetCurrentFont("arial16.dds", 16.0f);

  CPerformance perf;
  const char* tags[] = {"a", "b", "c", "d", "e", "f", "g"};
  for (const char* t : tags) {
    perf.StartTime(t);
    perf.EndTime(t);
  }
  EXPECT_EQ(perf.GetObjects()[6]->colour, perf.GetObjects()[0]->colour);
  EXPECT_EQ(perf.GetObjects()[0]->colour, 0xFF0000FFu);

  // Five frames make one history entry: 50 ms for "a" (top of the graph), nothing for the rest.
  for (int frame = 0; frame < 5; ++frame) {
    perf.BeginFrame();
    perf.StartTime("a");
    g_perfNow += 50;
    perf.EndTime("a");
    perf.EndFrame();
  }
  EXPECT_FLOAT_EQ(perf.GetObjects()[0]->history[31], 50.0f);
  perf.GetObjects()[1]->history[31] = -5.0f;

  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  perf.Render(nullptr);
  auto lines = rec.Filter(DrawKind::Line);
  ASSERT_EQ(lines.size(), 7u * 32u);
  EXPECT_FLOAT_EQ(lines[30].bottom, 0.0f);   // "a": the last graph point at the top
  EXPECT_FLOAT_EQ(lines[31].top, 0.0f);      // then to its label
  EXPECT_FLOAT_EQ(lines[31].bottom, 432.0f);
  EXPECT_FLOAT_EQ(lines[32 + 30].bottom, 400.0f);  // "b": a negative time sits on the base
  EXPECT_TRUE(rec.HasText("g"));
  GTimer::SetClock(nullptr);
}

TEST(Performance, StatsPanelShowsTextureSwapsAndFlowsLinesIntoColumns) {
  D3DEngine* e = GetD3DEngine();
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, false, true));
  e->AddBitmapDirectories("data/bitmaps", true);
  GetTextEngine()->LoadFonts();
  GPerfStats stats;
  stats.ChangeStat(GPerfStats::STAT_TEXTURESWAPS, 2.5f);
  stats.ChangeStat(GPerfStats::STAT_TEXTURESWAPS, 1.0f);
  for (int i = 0; i < 40; ++i) stats.Lines().push_back("line " + std::to_string(i));
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  stats.Draw();
  EXPECT_TRUE(rec.HasText("TEXTURESWAPS: 3.50"));
  EXPECT_EQ(rec.Count(DrawKind::Fill), 2);
  const DrawRecord* last = rec.FindText("line 36");
  ASSERT_NE(last, nullptr);
  EXPECT_FLOAT_EQ(last->left, 510);  // 36 lines fill the first column
  EXPECT_FLOAT_EQ(last->top, 42);
  stats.Reset();
  EXPECT_FLOAT_EQ(stats.GetStat(GPerfStats::STAT_TEXTURESWAPS), 0.0f);
  EXPECT_TRUE(stats.Lines().empty());
}
