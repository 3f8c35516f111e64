// Formatted text headless: the tags, the pieces they make and where the pieces are drawn.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "D3DEngine.h"
#include "FormattedText.h"
#include "GDebug.h"
#include "LibTextEngine.h"
#include "TestSupport.h"
#include "TextTestSupport.h"

namespace {

class Formatted : public texttest::HeadlessText {
 protected:
  // Formatted text picks its own fonts: none is chosen beforehand.
  Formatted() : HeadlessText(nullptr) {}

  static const FormattedTextChunk* Piece(const FormattedText& t, int i) {
    auto it = t.GetChunks().begin();
    std::advance(it, i);
    return *it;
  }
};

}  // namespace

TEST_F(Formatted, AWordABreakAndAWordMakeThreePieces) {
  FormattedText t;
  t.SetTextBuffer("First<BR>Second");
  ASSERT_EQ(t.GetChunks().size(), 3u);
  EXPECT_EQ(Piece(t, 0)->GetText(), "First");
  EXPECT_EQ(Piece(t, 1)->GetText(), "<BR>");
  EXPECT_FLOAT_EQ(Piece(t, 1)->GetWrapWidth(), 0.0f);
  EXPECT_EQ(Piece(t, 0)->GetFont(), "arial16.dds");
  EXPECT_EQ(Piece(t, 0)->GetColour(), 0xFFFFFFFFu);

  t.Render(20, 100);
  const DrawRecord* first = D3DEngine::GetRecorder().FindText("First");
  const DrawRecord* second = D3DEngine::GetRecorder().FindText("Second");
  ASSERT_TRUE(first && second);
  EXPECT_FLOAT_EQ(first->top, 100);
  EXPECT_FLOAT_EQ(second->top, 100 + 16 + 16);  // the line below the first word, then one size
}

TEST_F(Formatted, CenterCentresOnePieceAndSetsTheWrapWidth) {
  FormattedText t;
  t.SetTextBuffer("<CENTER=300>Job offer\nA long description of the post that wraps at three hundred pixels wide.");
  ASSERT_EQ(t.GetChunks().size(), 2u);
  EXPECT_EQ(Piece(t, 0)->GetAlign(), LibTextEngine::ALIGN_CENTER);
  EXPECT_EQ(Piece(t, 1)->GetAlign(), LibTextEngine::ALIGN_LEFT);
  EXPECT_FLOAT_EQ(Piece(t, 1)->GetWrapWidth(), 300.0f);

  t.Render(100, 50);
  text->SetCurrentFont("arial16.dds", 16.0f);
  const DrawRecord* title = D3DEngine::GetRecorder().FindText("Job offer");
  ASSERT_NE(title, nullptr);
  EXPECT_FLOAT_EQ(title->left, float(int(100 + 150 - text->GetStringLength("Job offer") / 2)));
  // The body starts one size lower, left-aligned and wrapped within 300 pixels.
  auto texts = D3DEngine::GetRecorder().Filter(DrawKind::Text);
  ASSERT_GE(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[1].left, 100);
  EXPECT_FLOAT_EQ(texts[1].top, 66);
  for (size_t i = 1; i < texts.size(); ++i) EXPECT_LE(texts[i].right, 400.0f) << texts[i].text;
}

TEST_F(Formatted, ACentredLineTooWideForItsBoxWrapsInsideIt) {
  FormattedText t;
  t.SetTextBuffer("<CENTER=120>Llanfairpwllgwyngyll Borough Council Offices\nafter");
  t.Render(100, 50);
  auto texts = D3DEngine::GetRecorder().Filter(DrawKind::Text);
  ASSERT_GE(texts.size(), 3u) << "the long line in two or more lines, then the next";
  for (const auto& piece : texts) {
    EXPECT_GE(piece.left, 100.0f) << piece.text;
    EXPECT_LE(piece.right, 220.0f + 16.0f) << piece.text;  // a word longer than the box may run on
  }
  EXPECT_GT(texts.back().top, texts[1].top) << "what follows goes below the wrapped lines";
}

TEST_F(Formatted, ColourSizeFontAndWrapStayInForce) {
  FormattedText t;
  t.SetTextBuffer("<COLOR=1,2,3,4><SIZE=20><FONTNAME=anime16.dds><WRAP=250>one<HR=2>three<SIZE=14>four");
  ASSERT_EQ(t.GetChunks().size(), 4u);
  const FormattedTextChunk* one = Piece(t, 0);
  EXPECT_EQ(one->GetColour(), 0x04030201u);
  EXPECT_FLOAT_EQ(one->GetSize(), 20.0f);
  EXPECT_EQ(one->GetFont(), "anime16.dds");
  EXPECT_FLOAT_EQ(one->GetWrapWidth(), 250.0f);
  EXPECT_EQ(Piece(t, 1)->GetText(), "<HR>");
  EXPECT_FLOAT_EQ(Piece(t, 2)->GetSize(), 2.0f);  // text after a rule keeps the rule's size
  EXPECT_FLOAT_EQ(Piece(t, 3)->GetSize(), 14.0f);
  EXPECT_EQ(Piece(t, 3)->GetColour(), 0x04030201u);
}

TEST_F(Formatted, ARuleShowsFromTheSecondFrameAcrossTheWrapWidth) {
  FormattedText t;
  t.SetTextBuffer("<WRAP=200><COLOR=200,100,50,255>Title\n<HR=2>Body");
  DrawRecorder& rec = D3DEngine::GetRecorder();
  t.Render(10, 20);
  EXPECT_EQ(rec.Count(DrawKind::Fill), 0);
  rec.Clear();
  t.Render(10, 20);
  const DrawRecord* rule = rec.Last(DrawKind::Fill);
  ASSERT_NE(rule, nullptr);
  EXPECT_FLOAT_EQ(rule->left, 10);
  EXPECT_FLOAT_EQ(rule->top, 36);
  EXPECT_FLOAT_EQ(rule->right, 210);
  EXPECT_FLOAT_EQ(rule->bottom, 38);
  EXPECT_EQ(rule->r(), 200);  // rules take the colour in the sprite packing
  // The rule takes no room: the body starts where the rule does.
  EXPECT_FLOAT_EQ(rec.FindText("Body")->top, 36);
}

TEST_F(Formatted, UnknownAndUnclosedTagsAreDropped) {
  FormattedText t;
  t.SetTextBuffer("Hello<BLINK> there<SIZE=40");
  ASSERT_EQ(t.GetChunks().size(), 2u);
  EXPECT_EQ(Piece(t, 0)->GetText(), "Hello");
  EXPECT_EQ(Piece(t, 1)->GetText(), " there");
  EXPECT_FLOAT_EQ(Piece(t, 1)->GetSize(), 16.0f);
}

TEST_F(Formatted, NumbersBeyondAnyScreenAreClampedWithAWarningNamingTheLine) {
  testsupport::WriteFile(testsupport::TestRoot() + "/broken.txt", "Fine\n<WRAP=1e10>wide<SIZE=-3>small");
  FormattedText t;
  t.Load((testsupport::TestRoot() + "/broken.txt").c_str());
  ASSERT_EQ(t.GetChunks().size(), 3u);
  EXPECT_FLOAT_EQ(Piece(t, 1)->GetWrapWidth(), 100000.0f);
  EXPECT_FLOAT_EQ(Piece(t, 2)->GetSize(), 0.0f);
  t.Render(0, 0);  // laid out without overflowing the pixel arithmetic
  const std::string log = testsupport::ReadFile(GetDebug()->GetPath());
  EXPECT_NE(log.find("broken.txt:2: <WRAP=1e10> outside 0..100000; 100000 used"), std::string::npos);
  EXPECT_NE(log.find("broken.txt:2: <SIZE=-3> outside 0..1000; 0 used"), std::string::npos);
}

TEST_F(Formatted, MoreThan255PiecesKeepsTheFirst255) {
  std::string many;
  for (int i = 0; i < 300; ++i) many += "line\n";
  FormattedText t;
  t.SetTextBuffer(many.c_str());
  EXPECT_EQ(t.GetChunks().size(), 255u);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("more than 255 pieces"), std::string::npos);
  t.SetTextBuffer("again");  // the old pieces go
  EXPECT_EQ(t.GetChunks().size(), 1u);
}

TEST_F(Formatted, LoadReadsAFileAndReportsAMissingOne) {
  testsupport::WriteFile(testsupport::TestRoot() + "/advert.txt", "<SIZE=22>Wanted\r\nClerk\r\n");
  FormattedText t;
  t.Load((testsupport::TestRoot() + "/advert.txt").c_str());
  ASSERT_EQ(t.GetChunks().size(), 2u);
  EXPECT_EQ(Piece(t, 0)->GetText(), "Wanted");
  EXPECT_FLOAT_EQ(Piece(t, 1)->GetSize(), 22.0f);
  t.Load("data/no_such_advert.txt");
  EXPECT_EQ(t.GetChunks().size(), 2u);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("Failed to open: data/no_such_advert.txt"),
            std::string::npos);
}
