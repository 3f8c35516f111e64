// The window toolkit on a real Mesa GL context (offscreen video driver): a gallery of the three
// background presets, a confirmation dialog, text and icon buttons enabled, hovered and disabled,
// a check box, a slider, value bars and a tooltip. The frame is read back, each widget's box is
// checked for what it should show, and the picture is saved as /tmp/vorla2-widgets.png for a
// person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "GLTestSupport.h"
#include "GUI_ButtonText.h"
#include "GUI_CheckButton.h"
#include "GUI_CloseButton.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_HelpButton.h"
#include "GUI_SliderControl.h"
#include "GUI_Tooltip.h"
#include "GUI_ValueBar.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"

namespace {

using gltest::Box;
using gltest::kH;
using gltest::kW;

constexpr uint32_t kDuskBlue = 0xFF6E5A46u;  // sprite packing: r 0x46, g 0x5A, b 0x6E (a dusk blue)

using gltest::Pixel;

void Noop(int) {}

// A plain holder for the gallery's buttons: never registered, drawn by hand.
class Holder : public GUI_WindowBase {};

class WidgetGallery : public gltest::GLTest {
 protected:
  WidgetGallery() : GLTest(Fit::Exactly, kW, kH) {}

  void SetUpScene() override { GUI_WindowBackground::Open(); }

  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    m_holder.reset();
    GLTest::TearDown();
  }

  GUI_ButtonBase* Add(GUI_ButtonBase* b, Box r) {
    b->SetPosition((float)r.left, (float)r.top, (float)r.right, (float)r.bottom);
    m_holder->AddButton(b);
    return b;
  }

  void Caption(const char* text, float x, float y, uint32_t colour = VBColor(255, 255, 255)) {
    LibTextEngine* t = GetTextEngine();
    t->SetCurrentFont("calibriblackbold16.dds", 16.0f);
    t->AddQueueString(text, x, y, colour, 0.0f, LibTextEngine::ALIGN_LEFT);
    t->ProcessTextQueue(-1);
  }

  void Build() {
    m_holder = std::make_unique<Holder>();
    m_holder->SetPosition(0, 0, kW, kH);
    // Text buttons: enabled, hovered (with the tooltip), disabled.
    Add(new GUI_ButtonText("CONFIRM_OK", Noop, 0), m_text[0]);
    m_hovered = Add(new GUI_ButtonText("CONFIRM_CANCEL", Noop, 0), m_text[1]);
    m_hovered->SetRawTooltip("Closes the question without doing anything.", 30);
    Add(new GUI_ButtonText("CONFIRM_OK", Noop, 0), m_text[2])->SetEnabled(false);
    // Icon buttons from the small sheet: close and help, enabled and disabled.
    Add(new GUI_CloseButton, m_icons[0]);
    Add(new GUI_HelpButton("DEFAULT"), m_icons[1]);
    Add(new GUI_CloseButton, m_icons[2])->SetEnabled(false);
    Add(new GUI_HelpButton("DEFAULT"), m_icons[3])->SetEnabled(false);
    // Check boxes, one ticked.
    GUI_CheckButton* ticked = new GUI_CheckButton("Autosave", Noop, 0);
    ticked->SetChecked(true);
    Add(ticked, m_checks[0]);
    Add(new GUI_CheckButton("Tutorial", Noop, 0), m_checks[1]);

    m_slider = std::make_unique<GUI_SliderControl>(&m_volume, "Music volume", nullptr);
    m_slider->SetPosition((float)m_sliderBox.left, (float)m_sliderBox.top, (float)m_sliderBox.right,
                          (float)m_sliderBox.bottom);

    m_dialog = GUI_ConfirmDialog::Create("Do you really want to leave? Today's progress is saved only at the end of the day.",
                                         "Quit Game", Noop);
  }

  void DrawGallery() {
    m_engine->BeginRender();
    m_engine->ClearScreen(kDuskBlue);
    for (int i = 0; i < 3; ++i) {
      RECT r;
      SetRect(&r, m_presets[i].left, m_presets[i].top, m_presets[i].right, m_presets[i].bottom);
      GUI_WindowBackground::DrawTiled(r, (GUI_WindowBackground::Preset)i, i == 1 ? 32.0f : 38.0f, 1.0f);
      Caption(i == 0 ? "Preset 0" : i == 1 ? "Preset 1" : "Preset 2", (float)r.left + 16, (float)r.top + 14,
              VBColor(40, 34, 28));
    }
    Caption("Icon buttons", 20, 176);
    Caption("Text buttons", 20, 400);
    Caption("Check box and slider", 600, 176);
    Caption("Value bars", 600, 400);
    // The hover: the mouse rests on the second text button.
    CInput* input = GetInput();
    input->Process();  // a new input pass: last frame's eaten mouse moves are forgotten
    input->mouseX = (float)(m_text[1].right - 12);
    input->mouseY = (float)(m_text[1].top + 12);
    input->stillPasses = 100;
    m_holder->ProcessInput();
    m_holder->DrawButtons();
    m_slider->Draw();
    GUI_ValueBar bar;
    for (int i = 0; i < 3; ++i) {
      const float values[3] = {0.25f, 0.6f, 1.0f};
      bar.SetPosition((float)m_bars[i].left, (float)m_bars[i].top, (float)m_bars[i].right, (float)m_bars[i].bottom);
      bar.SetValue(values[i], 1.0f, i == 2);
      bar.Draw();
    }
    GUI_ValueBar::DrawBar((float)m_bars[3].left, (float)m_bars[3].top, 0.45f, (float)(m_bars[3].right - m_bars[3].left),
                          1.0f, true);
    GUI_GetWindowManager()->Draw();
    GUI_Tooltip::DrawAll();
    m_engine->EndRender();
  }

  static int Distance(Pixel a, Pixel b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

  // Share of the box's pixels that differ from the clear colour.
  double Covered(Box b) const {
    const Pixel bg{0x46, 0x5A, 0x6E};
    int n = 0, total = 0;
    for (int y = b.top; y < b.bottom; ++y)
      for (int x = b.left; x < b.right; ++x, ++total) n += Distance(At(x, y), bg) > 40;
    return total ? double(n) / total : 0.0;
  }

  std::unique_ptr<Holder> m_holder;
  std::unique_ptr<GUI_SliderControl> m_slider;
  GUI_ConfirmDialog* m_dialog = nullptr;
  GUI_ButtonBase* m_hovered = nullptr;
  float m_volume = 0.7f;

  // The layout: presets along the top, buttons on the left, the dialog in the middle (where it
  // centres itself), the check boxes, slider and bars on the right.
  const Box m_presets[3] = {{20, 20, 260, 160}, {280, 20, 520, 160}, {540, 20, 780, 160}};
  const Box m_icons[4] = {{20, 206, 52, 238}, {64, 206, 96, 238}, {20, 250, 52, 282}, {64, 250, 96, 282}};
  const Box m_text[3] = {{20, 430, 180, 454}, {20, 470, 180, 494}, {20, 510, 180, 534}};
  const Box m_checks[2] = {{600, 206, 780, 242}, {600, 252, 780, 288}};
  const Box m_sliderBox{600, 300, 780, 370};
  const Box m_bars[4] = {{600, 430, 780, 438}, {600, 450, 780, 458}, {600, 470, 780, 478}, {600, 490, 780, 498}};
};

}  // namespace

TEST_F(WidgetGallery, EveryWidgetDrawsInItsPlace) {
  Build();
  DrawGallery();
  m_engine->Flip();
  DrawGallery();
  ReadBack();
  Save("/tmp/vorla2-widgets.png");

  // The presets fill their rectangles; presets 0 and 1 differ by their palette tint.
  for (const Box& b : m_presets) EXPECT_GT(Covered(b), 0.97);
  Pixel p0 = At(140, 110), p1 = At(400, 110), p2 = At(660, 110);
  EXPECT_GT(Distance(p0, p1), 30);
  EXPECT_NEAR(p2.r, p2.g, 8);  // preset 2 is grey
  EXPECT_GT(p0.r, p0.b + 30);  // preset 0 is warm

  // The dialog is centred and framed; its OK and Cancel sit inside it.
  const RECT* d = m_dialog->GetRect();
  EXPECT_EQ(d->left, (kW - 370) / 2);
  EXPECT_GT(Covered(Box{d->left, d->top, d->right, d->bottom}), 0.97);
  const RECT* ok = m_dialog->GetOkButton()->GetRect();
  EXPECT_LT(Distance(At((ok->left + ok->right) / 2 - 40, (ok->top + ok->bottom) / 2 + 6),
                     At((ok->left + ok->right) / 2 - 40, ok->top - 6)),
            400);

  // Text buttons: the disabled face is fainter than the enabled one; the hovered one is brighter.
  Pixel enabled = At(m_text[0].left + 12, m_text[0].top + 16);
  Pixel hovered = At(m_text[1].left + 12, m_text[1].top + 16);
  Pixel disabled = At(m_text[2].left + 12, m_text[2].top + 16);
  EXPECT_GT(Distance(enabled, disabled), 30);
  EXPECT_GT(hovered.r + hovered.g + hovered.b, enabled.r + enabled.g + enabled.b);
  for (const Box& b : m_text) EXPECT_GT(Covered(b), 0.8);
  // Icon buttons: enabled ones stand out, disabled ones are faint.
  EXPECT_GT(Covered(m_icons[0]), 0.5);
  EXPECT_GT(Covered(m_icons[1]), 0.5);
  EXPECT_LT(Covered(m_icons[2]), Covered(m_icons[0]));

  // The ticked box shows green in its well; the empty one white.
  Pixel tick = At(m_checks[0].left + 10, m_checks[0].top + 26);
  EXPECT_GT(tick.g, tick.r + 30);
  Pixel well = At(m_checks[1].left + 18, m_checks[1].top + 26);
  EXPECT_GT(well.r + well.g + well.b, 700);

  // The slider's knob sits at 70 % of its width, 20 above its bottom.
  const int knobX = m_sliderBox.left + (int)(0.7f * (m_sliderBox.right - m_sliderBox.left));
  Pixel knob = At(knobX - 4, m_sliderBox.bottom - 20 + 5);  // below the tick
  EXPECT_GT(knob.g, knob.r + 30);

  // Value bars: a quarter, 60 % and full.
  EXPECT_GT(Covered(Box{600, 430, 640, 438}), 0.6);
  for (const Box& b : m_bars) EXPECT_GT(Covered(b), 0.5);
  Pixel red = At(602, 474);
  EXPECT_GT(red.r, red.g + 80);

  // The tooltip: one note beside the mouse, pale yellow.
  const int tx = m_text[1].right - 12 + 30, ty = m_text[1].top + 12;
  Pixel note = At(tx + 4, ty + 2);
  EXPECT_GT(note.r, 220);
  EXPECT_GT(note.g, 210);
  EXPECT_LT(note.b, note.r - 20);
}

TEST_F(WidgetGallery, TheSameGalleryWhenRecordedAndDrawnAtTheFlip) {
  Build();
  ExpectTheSamePictureWhenRecorded([&] {
    DrawGallery();
    m_engine->Flip();
    DrawGallery();
  });
}
