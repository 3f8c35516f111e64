// System-font text headless: font records, sizes, widths and the wrapping rule.
#include <gtest/gtest.h>

#include "D3DEngine.h"
#include "GDIText.h"

TEST(GDIText, FontRecordsBySizeNameAndStyle) {
  GDIText::SetFont("Arial", 17, false);
  const GDIFontRecord* a = GDIText::GetCurrentFont();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->platformSize, 15);
  EXPECT_GT(a->ascent, 0);
  EXPECT_GT(a->widths['W'], a->widths['i']);
  EXPECT_EQ(a->widths[0x80], a->widths[0x80]);  // the euro is measured like any byte

  GDIText::SetFont("Arial", 18, false);
  EXPECT_EQ(GDIText::GetCurrentFont()->platformSize, 14);
  GDIText::SetFont("Arial", 17, true);  // the other style gets a record of its own
  EXPECT_NE(GDIText::GetCurrentFont(), a);
  GDIText::SetFont("Arial", 17, false);
  EXPECT_EQ(GDIText::GetCurrentFont(), a);
  EXPECT_EQ(GDIText::GetFonts().size(), 3u);

  GDIText::DeleteFonts();
  EXPECT_EQ(GDIText::GetCurrentFont(), nullptr);
  EXPECT_TRUE(GDIText::GetFonts().empty());
}

TEST(GDIText, WrapsOnlyAtSpaces) {
  GDIText::SetFont("Helvetica", 20, false);
  const GDIFontRecord* f = GDIText::GetCurrentFont();
  ASSERT_NE(f, nullptr);
  const int line = f->ascent + f->descentLeading + 2;
  EXPECT_EQ(GDIText::GetTextHeight("Averyveryverylongwordwithoutanyspace", 30), line);
  const float word = GDIText::GetStringWidth("word");
  EXPECT_FLOAT_EQ(GDIText::GetStringWidth("word word"), 2 * word + f->widths[' ']);
  EXPECT_EQ(GDIText::GetTextHeight("word word word", 2 * word + f->widths[' '] + 1), 2 * line);
  EXPECT_EQ(GDIText::GetTextHeight("word word word", 1000), line);
  // Drawing gives the last line's pen y, which includes the ascent.
  EXPECT_EQ(GDIText::RenderText(0, 10, "word word word", 2 * word + f->widths[' '] + 1), f->ascent + line);
}

TEST(GDIText, ChunksAlignInTheirBoxAndStaticChunksStay) {
  DrawRecorder& rec = D3DEngine::GetRecorder();
  rec.Clear();
  GDIText::SetChunkFont("Arial", 14);
  GDIText::AddChunk(100, 10, "right", "Arial", 16, 200, GTEXT_RIGHT, 255, 0, 0);
  GDITextChunk* stay = GDIText::StaticAddChunk(0, 40, "always", "", -1, 0, GTEXT_LEFT, 255, 255, 255);
  EXPECT_EQ(GDIText::GetQueuedChunkCount(), 1);
  GDIText::RenderChunks(-1);
  EXPECT_EQ(GDIText::GetQueuedChunkCount(), 0);
  const DrawRecord* right = rec.FindText("right");
  ASSERT_NE(right, nullptr);
  GDIText::SetFont("Arial", 16, false);
  EXPECT_FLOAT_EQ(right->left, 300 - GDIText::GetStringWidth("right"));
  EXPECT_EQ(right->r(), 255);
  EXPECT_EQ(right->g(), 0);
  ASSERT_TRUE(rec.HasText("always"));
  EXPECT_EQ(GDIText::GetCurrentFont()->size, 16);

  // Without queued chunks nothing is drawn, static ones neither.
  rec.Clear();
  GDIText::RenderChunks(-1);
  EXPECT_FALSE(rec.HasText("always"));
  GDIText::ClearStaticChunk(stay);
  EXPECT_EQ(GDIText::GetStaticChunkCount(), 0);
}
