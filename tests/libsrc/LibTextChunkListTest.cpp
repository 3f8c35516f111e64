// Cached text blocks headless: the three modes over the first frames, drawing from the block's own
// buffer from the third frame, and recording afresh after a clear.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "LibTextChunkList.h"
#include "LibTextEngine.h"
#include "TestSupport.h"
#include "TextTestSupport.h"

namespace {

class ChunkList : public texttest::HeadlessText {
 protected:
  // One frame of a window that draws two strings through its block, then the frame's text queue.
  // Returns the batches drawn in the frame.
  std::vector<DrawRecord> Frame(LibTextChunkList& list) {
    DrawRecorder& rec = D3DEngine::GetRecorder();
    rec.Clear();
    text->SetCurrentChunkList(&list);
    text->AddQueueString("Cash", 10, 10, 0xFFFFFFFFu, 100, LibTextEngine::ALIGN_LEFT);
    text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
    text->AddQueueString("Rent", 10, 40, 0xFFFFFF00u, 100, LibTextEngine::ALIGN_RIGHT);
    text->SetCurrentChunkList(nullptr);
    list.Draw();
    text->ProcessTextQueue(-1);
    return rec.Filter(DrawKind::Triangles);
  }
};

int Vertices(const std::vector<DrawRecord>& batches) {
  int n = 0;
  for (const DrawRecord& b : batches) n += b.count;
  return n;
}

}  // namespace

TEST_F(ChunkList, RecordsThenBuildsThenDrawsFromItsOwnBuffer) {
  LibTextChunkList list;
  list.SetFont("anime14.dds", 14.0f);
  EXPECT_EQ(list.GetMode(), 0);
  const int glyphs = 8;  // "Cash" and "Rent"

  // Frame 1: the strings are only recorded; the chunks build their caches and show the text
  // through the engine's queue.
  auto f1 = Frame(list);
  EXPECT_EQ(list.GetMode(), 1);
  EXPECT_EQ(list.GetChunkCount(), 2);
  EXPECT_EQ(Vertices(f1), glyphs * 6);

  // Frame 2: the window's strings are queued as usual, each chunk queues its text once more while
  // filling the block's buffer, and the buffer is drawn.
  auto f2 = Frame(list);
  EXPECT_EQ(list.GetMode(), 2);
  EXPECT_EQ(list.GetVertexCount(), glyphs * 4);
  EXPECT_EQ(Vertices(f2), 3 * glyphs * 6);

  // Frame 3 on: one batch from the block's own buffer, in the block's font; the strings are dropped.
  for (int frame = 3; frame <= 4; ++frame) {
    auto f = Frame(list);
    ASSERT_EQ(f.size(), 1u) << D3DEngine::GetRecorder().Dump();
    EXPECT_EQ(f[0].count, glyphs * 6);
    EXPECT_EQ(f[0].texture, "anime14.png");
    EXPECT_EQ(text->GetQueueCount(), 0);
    EXPECT_FALSE(D3DEngine::GetRecorder().HasText("Cash"));
  }
  // The cached glyphs are where the engine laid them: "Rent" right-aligned at size 24.
  const _D3DTLVERTEX* v = list.GetVertexBuffer().GetVertices();
  EXPECT_FLOAT_EQ(v[0].x, 9.5f);
  EXPECT_FLOAT_EQ(v[0].y, 9.5f);
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  EXPECT_FLOAT_EQ(v[16].x, float(int(10 + 100 - text->GetStringLength("Rent"))) - 0.5f);
  EXPECT_EQ(v[16].diffuse, 0xFFFFFF00u);

  // A change of text records afresh; so does a rebuild of every block.
  list.ClearChunks();
  EXPECT_EQ(list.GetMode(), 0);
  EXPECT_TRUE(list.Empty());
  Frame(list);
  EXPECT_EQ(list.GetChunkCount(), 2);
  Frame(list);
  LibTextChunkList::RebuildAll();
  EXPECT_EQ(list.GetMode(), 0);
  EXPECT_TRUE(list.Empty());
}

TEST_F(ChunkList, AnEmptyListDrawsNothingAndStillPassesToCached) {
  LibTextChunkList list;
  list.SetFont("anime14.dds", 14.0f);
  list.Draw();
  list.Draw();
  EXPECT_EQ(list.GetMode(), 2);
  D3DEngine::GetRecorder().Clear();
  list.Draw();
  EXPECT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 0);
}

TEST_F(ChunkList, SettingAListOverAnotherIsLogged) {
  LibTextChunkList a;
  LibTextChunkList b;
  a.SetFont("anime14.dds", 14.0f);
  b.SetFont("anime16.dds", 16.0f);
  text->SetCurrentChunkList(&a);
  text->SetCurrentChunkList(&b);
  EXPECT_STREQ(text->GetCurrentFont()->GetName(), "anime16.dds");
  text->SetCurrentChunkList(nullptr);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("Failed to empty last chunk list"), std::string::npos);
}

TEST_F(ChunkList, ABlockOverItsBufferShowsWhatFits) {
  LibTextChunkList list;
  list.SetFont("arial16.dds", 16.0f);
  const std::string line(1500, 'x');
  text->SetCurrentChunkList(&list);
  text->AddQueueString(line, 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(line, 0, 20, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->SetCurrentChunkList(nullptr);
  list.Draw();
  text->EndFrame();
  list.Draw();
  text->EndFrame();
  EXPECT_EQ(list.GetMode(), 2);
  EXPECT_LT(list.GetVertexCount(), MAXVERTS);
  EXPECT_GE(list.GetVertexCount(), MAXVERTS - 8);
}
