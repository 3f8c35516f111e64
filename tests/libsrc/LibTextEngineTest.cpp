// The bitmap-font text engine headless, with the shipped fonts and width files: measuring,
// wrapping, the glyph cells, tabs, kerning, alignment, the queue's capacity and rebuilding a
// missing width file from the font sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextEngine.h"
#include "TestSupport.h"
#include "TextTestSupport.h"

using namespace testsupport;

namespace {

class TextEngine : public texttest::HeadlessText {
 protected:
  // The glyph quads queued so far, as the left x and top y of each.
  std::vector<std::pair<float, float>> Glyphs() const {
    std::vector<std::pair<float, float>> out;
    for (int i = 0; i < text->GetQueueCount(); i += 4) out.emplace_back(text->GetQueue()[i].x, text->GetQueue()[i].y);
    return out;
  }

  static std::string Log() { return ReadFile(GetDebug()->GetPath()); }

  // Wraps like AddWrappedString and returns the lines.
  std::vector<std::string> Wrap(const std::string& s, int width) {
    std::vector<std::string> lines;
    char line[2048];
    char rest[2048];
    std::strcpy(rest, s.c_str());
    while (rest[0]) {
      std::strcpy(line, rest);
      text->TruncateText(width, line, rest);
      lines.push_back(line);
    }
    return lines;
  }
};

const char* kParagraph =
    "The town wakes slowly. Vede looks out of the window at the grey street and wonders whether today "
    "is the day to ask for a rise.";

}  // namespace

TEST_F(TextEngine, LoadsTheFifteenFontsWithTheirSpacingAndLeading) {
  ASSERT_EQ(text->GetFonts().size(), 15u);
  struct Row {
    const char* name;
    int native, cell, rows, columns, spacing, leading;
  };
  const Row rows[] = {{"arial16.dds", 16, 24, 10, 10, 2, 0},      {"arialbold16.dds", 16, 24, 10, 10, -1, 0},
                      {"segoeprintbold22.dds", 22, 24, 10, 10, 0, 4}, {"anime14.dds", 14, 24, 10, 10, 0, -1},
                      {"calibriblackbold28.dds", 28, 28, 6, 18, 0, 0}, {"georgiablackbold30.dds", 30, 40, 10, 10, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    LibFont* f = text->FindFont(r.name);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetNativeSize(), r.native);
    EXPECT_EQ(f->GetCellSize(), r.cell);
    EXPECT_EQ(f->GetRows(), r.rows);
    EXPECT_EQ(f->GetColumns(), r.columns);
    EXPECT_EQ(f->GetSpacing(), r.spacing);
    EXPECT_EQ(f->GetLeading(), r.leading);
    EXPECT_NE(f->GetTexture().GetTextureNumber(), 0u);
    EXPECT_GT(f->GetWidth(LibTextEngine::BitmapIDFromChar('W')), 0);
  }
  // calibriblackbold28 is 18 cells wide: cell 19 ("4") sits in the second row.
  LibFont* wide = text->FindFont("calibriblackbold28.dds");
  EXPECT_FLOAT_EQ(wide->GetU(19)[0], 28.0f / 504.0f);
  EXPECT_FLOAT_EQ(wide->GetV(19)[0], 28.0f / 168.0f);
  EXPECT_EQ(Log().find("missing"), std::string::npos) << Log();
}

TEST_F(TextEngine, MeasuresAKnownStringFromTheShippedWidths) {
  // arial16: "H" 10, "e" 8, "l" 2, "o" 8, "W" 14, "r" 5, "d" 7, each plus spacing 2; space 4.
  EXPECT_EQ(text->GetStringLength("Hello World"), 90);
  EXPECT_FLOAT_EQ(text->GetCharacterWidth(' '), 4.0f);
  text->SetPointsize(32.0f);
  EXPECT_EQ(text->GetStringLength("Hello World"), 180);
  EXPECT_FLOAT_EQ(text->GetCharacterWidth('o'), 20.0f);
  // A soft hyphen measures as the apostrophe it is drawn as.
  EXPECT_EQ(text->GetCharacterWidth(char(0xAD)), text->GetCharacterWidth('\''));
}

TEST_F(TextEngine, CharIdTableAndSpecialCells) {
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar('!'), 0);
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar('A'), 32);
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar('%'), 93);
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar(char(0xA3)), 92);
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar(char(0x84)), 94);
  EXPECT_EQ(LibTextEngine::BitmapIDFromChar('\n'), 0);

  // The queued quads take their texture corners from those cells of the 240-pixel sheet.
  text->AddQueueString("%\xA3", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  ASSERT_EQ(text->GetQueueCount(), 8);
  const _D3DTLVERTEX* q = text->GetQueue();
  EXPECT_FLOAT_EQ(q[0].u, 0.3f);  // cell 93: row 9, column 3
  EXPECT_FLOAT_EQ(q[0].v, 0.9f);
  EXPECT_FLOAT_EQ(q[3].u, 0.4f);
  EXPECT_FLOAT_EQ(q[3].v, 1.0f);
  EXPECT_FLOAT_EQ(q[4].u, 0.2f);  // cell 92: row 9, column 2
  EXPECT_FLOAT_EQ(q[4].v, 0.9f);
  EXPECT_EQ(q[0].diffuse, 0xFFFFFFFFu);
  EXPECT_EQ(q[0].specular, 0xFFFFFFFFu);
  // Quads sit half a pixel up and left of the pen and are one cell wide at this size.
  EXPECT_FLOAT_EQ(q[0].x, -0.5f);
  EXPECT_FLOAT_EQ(q[1].x, 23.5f);
  EXPECT_FLOAT_EQ(q[2].y, 23.5f);
}

TEST_F(TextEngine, SpacesAndTabsAdvanceWithoutGlyphs) {
  text->AddQueueString("   ", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString("", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  EXPECT_EQ(text->GetQueueCount(), 0);

  // A tab moves the pen to the next multiple of 80.
  text->AddQueueString("a\tb", 10, 5, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString("abcdefghij\tb", 10, 30, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString("a b", 10, 60, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  auto g = Glyphs();
  ASSERT_EQ(g.size(), 2u + 11u + 2u);
  EXPECT_FLOAT_EQ(g[0].first, 9.5f);
  EXPECT_FLOAT_EQ(g[1].first, 79.5f);
  EXPECT_FLOAT_EQ(g[12].first, 159.5f);  // "abcdefghij" ends past 80
  EXPECT_FLOAT_EQ(g[14].first, 9.5f + 10.0f + 4.0f);  // "a" 8 + spacing 2, space 16 / 4
}

TEST_F(TextEngine, KernsFollowingGlyphsByScaleButNotAcrossASpace) {
  for (float size : {16.0f, 32.0f}) {
    SCOPED_TRACE(size);
    const float scale = size / 16.0f;
    text->EndFrame();
    text->SetPointsize(size);
    text->AddQueueString("fo", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
    text->AddQueueString("oo", 0, 40, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
    auto g = Glyphs();
    ASSERT_EQ(g.size(), 4u);
    // "f" is 4 wide plus spacing 2; the pair f-o takes one pixel back at native size.
    EXPECT_FLOAT_EQ(g[1].first - g[0].first, scale * (4 + 2 - 1));
    EXPECT_FLOAT_EQ(g[3].first - g[2].first, scale * (8 + 2));  // no pair o-o
  }
  text->EndFrame();
  text->SetPointsize(16.0f);
  text->AddQueueString("f o", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  auto g = Glyphs();
  EXPECT_FLOAT_EQ(g[1].first - g[0].first, 4 + 2 + 4);
}

TEST_F(TextEngine, AlignsLeftRightAndCentreInTheBox) {
  const int len = text->GetStringLength("Hello World");  // 90
  text->AddQueueString("Hello World", 100, 0, 0xFFFFFFFFu, 200, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString("Hello World", 100, 20, 0xFFFFFFFFu, 200, LibTextEngine::ALIGN_RIGHT);
  text->AddQueueString("Hello World", 100, 40, 0xFFFFFFFFu, 200, LibTextEngine::ALIGN_CENTER);
  text->AddQueueString("Hello World", 100, 60, 0xFFFFFFFFu, 40, LibTextEngine::ALIGN_CENTER);
  auto g = Glyphs();
  ASSERT_EQ(g.size(), 40u);
  EXPECT_FLOAT_EQ(g[0].first, 99.5f);
  EXPECT_FLOAT_EQ(g[10].first, 100 + 200 - len - 0.5f);
  EXPECT_FLOAT_EQ(g[20].first, 100 + 100 - len / 2 - 0.5f);
  EXPECT_LT(g[30].first, 100.0f);  // wider than its box: starts left of x
  EXPECT_FLOAT_EQ(g[30].second, 59.5f);
}

TEST_F(TextEngine, TruncatesAfterTheLastSpaceThatFits) {
  char line[2048] = "Hello wonderful world";
  char rest[2048];
  text->TruncateText(100, line, rest);
  EXPECT_STREQ(line, "Hello");
  EXPECT_STREQ(rest, "wonderful world");
  std::strcpy(line, "short");
  text->TruncateText(100, line, rest);
  EXPECT_STREQ(line, "short");
  EXPECT_STREQ(rest, "");
}

TEST_F(TextEngine, WrapsAParagraphIntoLinesThatFit) {
  const std::vector<std::string> expected = {"The town wakes slowly.", "Vede looks out of the", "window at the grey",
                                             "street and wonders",     "whether today is the day", "to ask for a rise."};
  EXPECT_EQ(Wrap(kParagraph, 200), expected);
  EXPECT_FLOAT_EQ(text->GetWrappedHeight(kParagraph, 200), 6 * 16.0f);
  for (const std::string& l : expected) EXPECT_LE(text->GetStringLength(l), 200);
  EXPECT_FLOAT_EQ(text->GetMaxWrapWidth(kParagraph, 200), float(text->GetStringLength("whether today is the day")));

  // Leading adds to every line, unscaled.
  text->SetCurrentFont("segoeprintbold22.dds", 22.0f);
  const float lines = float(Wrap(kParagraph, 200).size());
  EXPECT_FLOAT_EQ(text->GetWrappedHeight(kParagraph, 200), lines * (22 + 4));
  EXPECT_FLOAT_EQ(text->AddWrappedString(kParagraph, 10, 50, 200, 0xFFFFFFFFu), 50 + lines * (22 + 4));
  EXPECT_FLOAT_EQ(text->GetWrappedHeight("", 200), 0.0f);
  EXPECT_FLOAT_EQ(text->GetMaxWrapWidth("", 200), -1.0f);
}

TEST_F(TextEngine, DrawsAFinalOneCharacterLine) {
  // "abcd" is 38 pixels and "abcd b" 52: "b" goes to a line of its own.
  EXPECT_EQ(Wrap("abcd b", 45), (std::vector<std::string>{"abcd", "b"}));
  EXPECT_FLOAT_EQ(text->GetWrappedHeight("abcd b", 45), 32.0f);
  EXPECT_FLOAT_EQ(text->AddWrappedString("abcd b", 10, 100, 45, 0xFFFFFFFFu), 132.0f);
  auto g = Glyphs();
  ASSERT_EQ(g.size(), 5u);
  EXPECT_FLOAT_EQ(g[4].first, 9.5f);
  EXPECT_FLOAT_EQ(g[4].second, 115.5f);
  EXPECT_FLOAT_EQ(text->AddWrappedString("x", 0, 0, 45, 0xFFFFFFFFu), 16.0f);
}

TEST_F(TextEngine, BreaksAnOverWideWordAtTheWidth) {
  const std::string word = "abcdefghijklmnopqrstuvwxyz";
  const std::vector<std::string> lines = Wrap("to " + word + " end", 50);
  std::string joined;
  for (const std::string& l : lines) {
    EXPECT_FALSE(l.empty());
    EXPECT_LE(text->GetStringLength(l), 50) << l;
    joined += l;
  }
  EXPECT_EQ(lines.front(), "to");
  EXPECT_EQ(lines.back(), "end");
  EXPECT_EQ(joined, "to" + word + "end");  // no byte of the word is lost
  // Every line but the last of the word is full: one more byte would not fit.
  EXPECT_GE(text->GetStringLength(lines[1] + lines[2][0]), 50);
  // Even a width narrower than one glyph makes progress a byte at a time.
  EXPECT_EQ(Wrap("WWW", 3).size(), 3u);
}

TEST_F(TextEngine, OverlongTextDrawsWhatFitsAndLogs) {
  text->AddQueueString("queued first", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  const std::string huge(2500, 'x');
  text->AddQueueString(huge, 0, 20, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  // What was queued before was drawn first; then 1999 glyphs of the string fit.
  const DrawRecord* first = D3DEngine::GetRecorder().Last(DrawKind::Triangles);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->count, 11 * 6);
  EXPECT_EQ(text->GetQueueCount(), 1999 * 4);
  EXPECT_NE(Log().find("ERROR - Text exceeds max characters"), std::string::npos);
  EXPECT_TRUE(text->ProcessTextQueue(-1));
  EXPECT_EQ(D3DEngine::GetRecorder().Last(DrawKind::Triangles)->count, 1999 * 6);
  EXPECT_EQ(text->GetQueueCount(), 0);

  // Wrapping refuses a text of 2048 characters or more, and says so.
  const std::string tooLong(2048, 'y');
  EXPECT_FLOAT_EQ(text->AddWrappedString(tooLong, 0, 7, 300, 0xFFFFFFFFu), 7.0f);
  EXPECT_NE(Log().find("Text too long in one chunk (max 2048)"), std::string::npos);
}

TEST_F(TextEngine, ProcessTextQueueDrawsOneBatchWithTheFontTexture) {
  text->AddQueueString("abc", 0, 0, 0xFF00FF00u, 0, LibTextEngine::ALIGN_LEFT);
  EXPECT_FALSE(text->ProcessTextQueue(2));  // a limit shorter than the queue
  const DrawRecord* batch = D3DEngine::GetRecorder().Last(DrawKind::Triangles);
  ASSERT_NE(batch, nullptr);
  EXPECT_EQ(batch->count, 12);
  EXPECT_EQ(batch->texture, "arial16.png");
  EXPECT_EQ(batch->g(), 255);
  const DrawRecord* noted = D3DEngine::GetRecorder().FindText("abc");
  ASSERT_NE(noted, nullptr);
  EXPECT_EQ(noted->texture, "arial16.png");

  // A font change with glyphs queued draws them first, with the old texture.
  D3DEngine::GetRecorder().Clear();
  text->AddQueueString("abc", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  text->SetCurrentFont("anime16.dds", 16.0f);
  ASSERT_EQ(D3DEngine::GetRecorder().Count(DrawKind::Triangles), 1);
  EXPECT_EQ(D3DEngine::GetRecorder().Last(DrawKind::Triangles)->texture, "arial16.png");
  EXPECT_EQ(text->GetQueueCount(), 0);
}

TEST_F(TextEngine, AMissingFontIsLoggedAndTheCurrentOneStays) {
  text->SetCurrentFont("nosuchfont.dds", 30.0f);
  EXPECT_STREQ(text->GetCurrentFont()->GetName(), "arial16.dds");
  EXPECT_FLOAT_EQ(text->GetPointsize(), 30.0f);
  EXPECT_NE(Log().find("missing font: nosuchfont.dds"), std::string::npos);
}

TEST_F(TextEngine, JustifiesALineAcrossItsWidth) {
  // Words "a" 10, "b" 10 and "c" 9 wide, 37 with the spaces: the two gaps share what is left.
  text->AddJustifiedString(" a b c", 0, 0, 40, 0xFFFFFFFFu);
  auto g = Glyphs();
  ASSERT_EQ(g.size(), 3u);
  const float gap = (3 * 4 + 40 - 37) / 3.0f;
  EXPECT_FLOAT_EQ(g[1].first - g[0].first, 10 + gap);
  EXPECT_FLOAT_EQ(g[2].first, -0.5f + 20 + 2 * gap);
  // Gaps of more than two spaces would look torn: the line is set normally.
  text->EndFrame();
  text->AddJustifiedString("a b c", 0, 0, 100, 0xFFFFFFFFu);
  g = Glyphs();
  ASSERT_EQ(g.size(), 3u);
  EXPECT_FLOAT_EQ(g[1].first - g[0].first, 14);
}

TEST(TextEngineFresh, NothingIsDrawnOrMeasuredBeforeInitialise) {
  GetDebug()->Initialise();
  LibTextEngine* text = GetTextEngine();
  EXPECT_EQ(text->GetStringLength("abc"), 0);
  text->AddQueueString("abc", 0, 0, 0xFFFFFFFFu, 0, LibTextEngine::ALIGN_LEFT);
  EXPECT_EQ(text->GetQueueCount(), 0);
  EXPECT_TRUE(text->ProcessTextQueue(-1));
  const std::string log = ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("Text Not Initialised"), std::string::npos);
  EXPECT_NE(log.find("TextNotInitialised"), std::string::npos);
}

TEST(TextEngineFresh, AMissingWidthFileIsRebuiltFromTheSheetAsShipped) {
  GetDebug()->Initialise();
  namespace fs = std::filesystem;
  const std::string widths = ResourcesRoot() + "/data/fonts/anime30.dds.dat";
  fs::remove(widths);  // the world's link to the shipped file
  ASSERT_FALSE(Exists(widths));
  D3DEngine* e = GetD3DEngine();
  ASSERT_TRUE(e->Initialise(nullptr, nullptr, 1024, 768, 32, false, true));
  e->AddBitmapDirectories("data/bitmaps", true);
  GetTextEngine()->LoadFonts();
  // Measured from the alpha of each pixel, the widths come out exactly as the baker wrote them.
  ASSERT_TRUE(Exists(widths));
  EXPECT_FALSE(fs::is_symlink(widths));
  EXPECT_EQ(ReadFile(widths), ReadFile(RepoPath("data/fonts/anime30.dds.dat")));
  const std::string listing = ReadFile(ResourcesRoot() + "/data/anime30.dds.txt");
  EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 100);
  LibFont* f = GetTextEngine()->FindFont("anime30.dds");
  ASSERT_NE(f, nullptr);
  EXPECT_GT(f->GetWidth(LibTextEngine::BitmapIDFromChar('W')), 20);
}

TEST_F(TextEngine, WidthsOutsideTheCellAreClampedWithOneWarningNamingTheFile) {
  // Cell 0 far too wide (it would overflow the measuring), cell 1 negative, cell 2 fine.
  const unsigned char bytes[] = {0x00, 0x00, 0x00, 0x40, 0xFB, 0xFF, 0xFF, 0xFF, 10, 0, 0, 0};
  const std::string path = TestRoot() + "/broken.dds.dat";
  WriteFile(path, std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
  LibFont* font = text->AddFont(path.c_str(), "arial16.dds", 16, 24, 10, 10);
  EXPECT_EQ(font->GetWidth(0), 24);
  EXPECT_EQ(font->GetWidth(1), 0);
  EXPECT_EQ(font->GetWidth(2), 10);
  EXPECT_NE(Log().find(path + ": width of glyph cell 0 (byte 0) and 1 more outside 0..24; clamped"),
            std::string::npos);
}
