// Text on a real Mesa GL context (offscreen video driver): a page with every bitmap font, the
// three alignments, a wrapped paragraph, formatted text with a centred title, a rule and a break,
// and a line of system-font text. The frame is read back and the ink checked box by box; the page
// is also saved as /tmp/vorla2-fonts.png for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "D3DEngine.h"
#include "FormattedText.h"
#include "GDIText.h"
#include "GLTestSupport.h"
#include "LibTextEngine.h"
#include "TestSupport.h"

namespace {

using gltest::Box;
using gltest::kH;
using gltest::kW;

constexpr int kCol = 410;  // the right-hand column
constexpr int kBox = 380;  // its width
constexpr uint32_t kPageBackground = 0xFF302820u;  // sprite packing: r 0x20, g 0x28, b 0x30
constexpr uint32_t kWhite = 0xFFFFFFFFu;
const char* kSample = "Fox: 100% \xA3" "5 \"jumps\"!";
const char* kParagraph =
    "Vede wakes at seven to the sound of rain on the window. The commute is long, the coffee is cold "
    "and the boss wants the report by noon. Still, there is a party tonight.";

class TextPage : public gltest::GLTest {
 protected:
  TextPage() : GLTest(Fit::AtLeast, kW, kH) {}

  void SetUpScene() override { m_text = GetTextEngine(); }

  void TearDown() override {
    GDIText::DeleteFonts();
    GLTest::TearDown();
  }

  // The whole page; boxes of where ink is expected are collected on the way.
  void DrawPage(FormattedText& formatted) {
    m_engine->BeginRender();
    m_engine->ClearScreen(kPageBackground);
    m_fontRows.clear();
    float y = 6.0f;
    for (LibFont* f : m_text->GetFonts()) {
      const float size = float(f->GetNativeSize());
      m_text->SetCurrentFont(f->GetName(), size);
      m_text->AddQueueString(kSample, 12, y, kWhite, 0, LibTextEngine::ALIGN_LEFT);
      m_fontRows.push_back(Box{12, int(y), 12 + m_text->GetStringLength(kSample), int(y + size)});
      y += size + 8.0f;
    }
    m_text->ProcessTextQueue(-1);

    // The three alignments in one framed box.
    RECT frame;
    SetRect(&frame, kCol, 8, kCol + kBox, 98);
    m_engine->FrameRect(&frame, 0xFF808080u);
    m_text->SetCurrentFont("arialbold16.dds", 16.0f);
    m_text->AddQueueString("Left aligned", kCol, 14, kWhite, kBox, LibTextEngine::ALIGN_LEFT);
    m_text->AddQueueString("Right aligned", kCol, 44, kWhite, kBox, LibTextEngine::ALIGN_RIGHT);
    m_text->AddQueueString("Centred", kCol, 74, kWhite, kBox, LibTextEngine::ALIGN_CENTER);
    m_text->ProcessTextQueue(-1);

    // A paragraph wrapped at the column's width.
    m_text->SetCurrentFont("anime16.dds", 16.0f);
    m_paragraphBottom = m_text->AddWrappedString(kParagraph, kCol, 120, kBox, VBColor(255, 240, 160));
    m_text->ProcessTextQueue(-1);

    formatted.Render(kCol, 330);
    m_text->ProcessTextQueue(-1);

    GDIText::SetFont("Arial", 18, false);
    GDIText::SetGDITextColor(160, 255, 160);
    GDIText::RenderText(kCol, 540, "System font text, wrapped where needed", kBox);
    m_engine->EndRender();
  }

  bool Ink(int x, int y) const {
    const uint8_t* p = &m_pixels[(size_t(y) * kW + size_t(x)) * 4];
    return std::abs(p[0] - 0x20) + std::abs(p[1] - 0x28) + std::abs(p[2] - 0x30) > 120;
  }

  // The bounding box of the ink inside a search box; an empty box (right < left) when none.
  Box InkBox(Box search) const {
    Box out{kW, kH, -1, -1};
    for (int y = std::max(0, search.top); y < std::min(kH, search.bottom); ++y) {
      for (int x = std::max(0, search.left); x < std::min(kW, search.right); ++x) {
        if (!Ink(x, y)) continue;
        out.left = std::min(out.left, x);
        out.top = std::min(out.top, y);
        out.right = std::max(out.right, x);
        out.bottom = std::max(out.bottom, y);
      }
    }
    return out;
  }

  int InkCount(Box search) const {
    int n = 0;
    for (int y = search.top; y < search.bottom; ++y)
      for (int x = search.left; x < search.right; ++x) n += Ink(x, y);
    return n;
  }

  LibTextEngine* m_text = nullptr;
  std::vector<Box> m_fontRows;
  float m_paragraphBottom = 0.0f;
};

}  // namespace

TEST_F(TextPage, EveryFontAlignmentWrapAndTagLandsInItsBox) {
  FormattedText formatted;
  formatted.SetTextBuffer(
      "<FONTNAME=georgiablackbold30.dds><SIZE=30><CENTER=380>Situations Vacant\n"
      "<COLOR=255,255,255,255><HR=3><SIZE=8><BR><SIZE=16><FONTNAME=arial16.dds><WRAP=380>"
      "Junior clerk wanted.<BR>Apply within.");
  DrawPage(formatted);  // a rule shows from the second frame on
  m_engine->Flip();
  DrawPage(formatted);
  ReadBack();
  Save("/tmp/vorla2-fonts.png");

  // Every font row has ink that starts at the pen and spans (nearly) the measured length.
  ASSERT_EQ(m_fontRows.size(), 15u);
  for (size_t i = 0; i < m_fontRows.size(); ++i) {
    SCOPED_TRACE(m_text->GetFonts()[i]->GetName());
    const Box want = m_fontRows[i];
    EXPECT_LT(want.right, kCol - 10);
    const Box got = InkBox(Box{0, want.top - 2, kCol - 5, want.bottom + 7});
    ASSERT_GE(got.right, got.left);
    EXPECT_NEAR(got.left, want.left, 5);
    EXPECT_NEAR(got.right, want.right, 8);
    EXPECT_GE(got.top, want.top - 1);
    EXPECT_GT(InkCount(Box{want.left, want.top, want.right, want.bottom + 6}), 200);
  }

  // Alignments: against the left edge, the right edge and the middle of the box.
  const Box left = InkBox(Box{kCol + 1, 14, kCol + kBox - 1, 34});
  const Box right = InkBox(Box{kCol + 1, 44, kCol + kBox - 1, 64});
  const Box centre = InkBox(Box{kCol + 1, 74, kCol + kBox - 1, 94});
  EXPECT_NEAR(left.left, kCol + 1, 4);
  EXPECT_NEAR(right.right, kCol + kBox, 5);
  EXPECT_NEAR((centre.left + centre.right) / 2, kCol + kBox / 2, 4);

  // The paragraph: ink on every line and nothing below the last one, nothing right of the width.
  m_text->SetCurrentFont("anime16.dds", 16.0f);
  const int lines = int(m_text->GetWrappedHeight(kParagraph, kBox) / 17.0f);
  EXPECT_GE(lines, 3);
  EXPECT_FLOAT_EQ(m_paragraphBottom, 120.0f + lines * 17.0f);
  for (int l = 0; l < lines; ++l) {
    EXPECT_GT(InkCount(Box{kCol, 120 + 17 * l, kCol + kBox, 120 + 17 * l + 14}), 100) << "line " << l;
  }
  EXPECT_EQ(InkCount(Box{kCol, int(m_paragraphBottom) + 6, kW, 320}), 0);
  EXPECT_EQ(InkCount(Box{kCol + kBox + 2, 110, kW, 320}), 0);

  // Formatted text: a centred title, a white rule 3 pixels high below it (a rule takes no room, so
  // an 8-pixel break follows it), then a line, a break and a line.
  const Box title = InkBox(Box{kCol, 330, kCol + kBox, 358});
  EXPECT_NEAR((title.left + title.right) / 2, kCol + kBox / 2, 6);
  EXPECT_EQ(InkCount(Box{kCol, 360, kCol + kBox, 363}), kBox * 3);  // the rule, solid
  EXPECT_EQ(InkCount(Box{kCol, 363, kCol + kBox, 368}), 0);
  EXPECT_GT(InkCount(Box{kCol, 368, kCol + kBox, 384}), 100);       // "Junior clerk wanted."
  EXPECT_EQ(InkCount(Box{kCol, 386, kCol + kBox, 400}), 0);         // the break
  EXPECT_GT(InkCount(Box{kCol, 400, kCol + kBox, 420}), 50);        // "Apply within."

  // System-font text draws its line in its colour.
  const Box system = InkBox(Box{kCol - 10, 530, kW, 590});
  ASSERT_GE(system.right, system.left);
  EXPECT_NEAR(system.left, kCol, 4);
}

TEST_F(TextPage, TheSamePageWhenRecordedAndDrawnAtTheFlip) {
  FormattedText formatted;
  formatted.SetTextBuffer("<FONTNAME=georgiablackbold30.dds><SIZE=30><CENTER=380>Situations Vacant\n"
                          "<COLOR=255,255,255,255><HR=3><SIZE=16><FONTNAME=arial16.dds><WRAP=380>Apply within.");
  ExpectTheSamePictureWhenRecorded([&] {
    DrawPage(formatted);
    m_engine->Flip();
    DrawPage(formatted);
  });
}
