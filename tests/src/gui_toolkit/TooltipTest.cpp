// Tooltips: the still-frame delay, one tooltip a frame, placement near the screen's edges; and
// the painters behind every window: the tiled background and the value bar.
#include "GuiToolkitTestSupport.h"

#include "GUI_ButtonText.h"
#include "GUI_ValueBar.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "SIM_Dirt.h"
#include "SIM_NamedValue.h"

using namespace guitest;

namespace {
GUI_ButtonText* ButtonWithTooltip(GUI_WindowBase* window, RECT r, const char* text, int delay) {
  GUI_ButtonText* b = new GUI_ButtonText("CONFIRM_OK", nullptr, 0);
  b->SetRawTooltip(text, delay);
  b->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
  window->AddButton(b);
  return b;
}

bool TooltipShown(const char* text) {
  for (const DrawRecord& r : D3DEngine::GetRecorder().Entries())
    if (r.kind == DrawKind::Text && r.text == text) return true;
  return false;
}

// Runs frames with the mouse still and returns the input layer's still count of the first frame
// that showed the text (-1 when none did within `frames`).
int FirstShowingFrame(const char* text, int frames) {
  for (int i = 0; i < frames; ++i) {
    D3DEngine::GetRecorder().Clear();
    Frame();
    if (TooltipShown(text)) return GetInput()->stillPasses;
  }
  return -1;
}
}  // namespace

TEST_F(GuiTest, TooltipShowsAfterMoreStillFramesThanItsDelay) {
  LogWindow* window = new LogWindow("w", Rect(0, 0, 600, 400));
  for (int delay : {30, 60}) {
    const std::string text = "wait " + std::to_string(delay);
    GUI_ButtonText* b = ButtonWithTooltip(window, Rect(100, 100 + delay, 240, 124 + delay), text.c_str(), delay);
    MoveMouse(b->GetCenterX(), b->GetCenterY());
    // Still for exactly `delay` frames shows nothing; the next frame shows it.
    EXPECT_EQ(FirstShowingFrame(text.c_str(), delay + 5), delay + 1) << "delay " << delay;

    // Moving off: one more frame at half strength, then gone.
    MoveMouse(500, 300);
    D3DEngine::GetRecorder().Clear();
    Frame();
    EXPECT_TRUE(TooltipShown(text.c_str()));
    D3DEngine::GetRecorder().Clear();
    Frame();
    EXPECT_FALSE(TooltipShown(text.c_str()));
  }
}

TEST_F(GuiTest, OnlyTheFirstQueuedVisibleTooltipShows) {
  // Two windows that let the mouse through, with buttons under the same point.
  LogWindow* lower = new LogWindow("lower", Rect(0, 0, 400, 400));
  lower->SetEatMouseMoves(false);
  LogWindow* upper = new LogWindow("upper", Rect(0, 0, 400, 400));
  upper->SetEatMouseMoves(false);
  ButtonWithTooltip(lower, Rect(100, 100, 240, 124), "from the lower window", 0);
  ButtonWithTooltip(upper, Rect(100, 100, 240, 124), "from the upper window", 0);
  MoveMouse(150, 110);
  Frame();
  Frame();
  D3DEngine::GetRecorder().Clear();
  Frame();
  // The window drawn first queued first.
  EXPECT_TRUE(TooltipShown("from the lower window"));
  EXPECT_FALSE(TooltipShown("from the upper window"));
  EXPECT_TRUE(GUI_Tooltip::DrawList.empty());
}

TEST_F(GuiTest, TooltipSizesToItsTextAndStaysOnScreen) {
  GUI_Tooltip word("Hello", 0);
  word.Calculate();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  EXPECT_EQ(word.GetWidth(), (int)((float)text->GetStringLength("Hello") + 6.0f));

  GUI_Tooltip long_(std::string(60, 'x') + " " + std::string(60, 'y') + " and a good deal more text to wrap", 0);
  long_.Calculate();
  EXPECT_EQ(long_.GetWidth(), 240);
  EXPECT_GT(long_.GetHeight(), 2 * 14);

  // Near the right edge it opens to the left of the mouse; near the bottom, above it.
  MoveMouse(1000, 760);
  word.AutoPosition();
  EXPECT_EQ(word.GetRect()->right, 1000);
  EXPECT_EQ(word.GetRect()->bottom, 760);
  MoveMouse(100, 100);
  word.AutoPosition();
  EXPECT_EQ(word.GetRect()->left, 130);
  EXPECT_EQ(word.GetRect()->top, 100);
}

namespace {
std::vector<DrawRecord> Quads() { return D3DEngine::GetRecorder().Filter(DrawKind::Quad); }
}  // namespace

TEST_F(GuiTest, TiledBackgroundEvensTheTileAndSkipsTheCentreOfLowRects) {
  DrawRecorder& rec = D3DEngine::GetRecorder();
  // Tile 27 is laid as 28; a 101-wide rectangle tiles its edges over 102 - 56 = 46 pixels.
  GUI_WindowBackground::DrawTiled(Rect(100, 100, 201, 300), "attrib_dialog.dds", 27.0f, 1.0f);
  std::vector<DrawRecord> quads = Quads();
  ASSERT_FALSE(quads.empty());
  EXPECT_EQ(quads[0].Width(), 28);
  EXPECT_EQ(quads[0].left, 100);
  float topEdge = 0.0f;
  for (const DrawRecord& q : quads)
    if (q.top == 100 && q.left >= 128 && q.right <= 174 + 0.01f) topEdge += q.Width();
  EXPECT_FLOAT_EQ(topEdge, 46.0f);
  EXPECT_EQ(quads[0].texture.find("attrib_dialog"), 0u);

  // Lower than the tile: corners and edges only.
  rec.Clear();
  GUI_WindowBackground::DrawTiled(Rect(0, 0, 200, 20), GUI_WindowBackground::PRESET_GREY, 32.0f, 0.5f);
  for (const DrawRecord& q : Quads()) {
    EXPECT_EQ(q.a(), 127);
    EXPECT_EQ(q.r(), 224);
  }
  const size_t lowCount = Quads().size();
  rec.Clear();
  GUI_WindowBackground::DrawTiled(Rect(0, 0, 200, 100), GUI_WindowBackground::PRESET_GREY, 32.0f, 1.0f);
  EXPECT_GT(Quads().size(), lowCount);
  // The tint is white again after a preset.
  EXPECT_EQ(GUI_WindowBackground::SpriteColor.R(), 255);
  EXPECT_EQ(GUI_WindowBackground::SpriteColor.B(), 255);
}

TEST_F(GuiTest, DirtMarksFollowTheHomesDirtWhileAGameIsOn) {
  DrawRecorder& rec = D3DEngine::GetRecorder();
  GetGame()->SetGameInProgress(true);
  auto dirtQuads = [&]() {
    int n = 0;
    for (const DrawRecord& q : Quads())
      if (q.texture.find("dirt_top") == 0) ++n;
    return n;
  };
  SIM_Dirt::GetDirtValue()->SetValue(0.05f);
  GUI_WindowBackground::DrawTiled(Rect(0, 0, 300, 300), GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);
  EXPECT_EQ(dirtQuads(), 0);
  SIM_Dirt::GetDirtValue()->SetValue(0.5f);
  rec.Clear();
  GUI_WindowBackground::DrawTiled(Rect(10, 10, 300, 300), GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);
  EXPECT_EQ(dirtQuads(), 2);
  EXPECT_EQ(rec.Last(DrawKind::Quad)->a(), 127);  // half alpha at dirt 0.5
  // A window not wider than four tiles gets none.
  rec.Clear();
  GUI_WindowBackground::DrawTiled(Rect(10, 10, 138, 300), GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);
  EXPECT_EQ(dirtQuads(), 0);
  GetGame()->SetGameInProgress(false);
}

TEST_F(GuiTest, ValueBarFillsWholeSegments) {
  DrawRecorder& rec = D3DEngine::GetRecorder();
  GUI_ValueBar bar;
  bar.SetPosition(100, 50, 160, 58);
  bar.SetValue(0.5f, 0.5f, false);
  EXPECT_EQ(bar.GetFirstColour() >> 24, 127u);
  bar.Draw();
  std::vector<DrawRecord> fills = rec.Filter(DrawKind::Fill);
  ASSERT_EQ(fills.size(), 10u);
  int filled = 0;
  for (const DrawRecord& f : fills) {
    EXPECT_EQ(f.Width(), 5);
    EXPECT_EQ(f.Height(), 8);
    if (f.colour != GUI_ValueBar::kEmptyColour) ++filled;
  }
  EXPECT_EQ(filled, 5);
  EXPECT_EQ(fills[1].left - fills[0].left, 6);
  EXPECT_FALSE(bar.GetEatMouseMoves());

  // Over 1 is drawn as full; highlighted segments run from one red to another.
  rec.Clear();
  bar.SetValue(1.2f, 1.0f, true);
  EXPECT_EQ(bar.GetValue(), 1.0f);
  bar.Draw();
  EXPECT_EQ(rec.Count(DrawKind::Gradient), 10);
  EXPECT_EQ(rec.Filter(DrawKind::Gradient)[0].colour, 0xFF3838DEu);
  EXPECT_EQ(rec.Filter(DrawKind::Gradient)[0].colour2, 0xFF0404C4u);
}
