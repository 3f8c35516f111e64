#include "GUI_AvatarBuilder.h"

#include <algorithm>

#include "GDebug.h"
#include "GUI_ColorPicker.h"
#include "GUI_LayerPicker.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

GUI_AvatarBuilder* GUI_AvatarBuilder::PTheWindow = nullptr;

namespace {
// The rows from the top. The hair's lower half and the coat's back have none: they follow the
// children of other layers and, for the hair, the tint of its upper half.
const AVATARLAYER kRows[] = {AVATAR_SKIN,      AVATAR_HAIRTOP, AVATAR_GLASSES,        AVATAR_COAT,
                             AVATAR_CLOTHESTOP, AVATAR_TIE,    AVATAR_CLOTHESBOTTOM, AVATAR_SHOES};
}  // namespace

GUI_AvatarBuilder::GUI_AvatarBuilder() {
  PTheWindow = this;
  // A part of the new-game screen, not a window of the window manager: nothing to raise.
  SetBringToTop(false);
}

GUI_AvatarBuilder::~GUI_AvatarBuilder() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_AvatarBuilder::Initialise() {
  KillChildren();
  m_rows.clear();
  m_colorPicker = nullptr;
  SetLayer(AVATAR_SKIN);
  const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
  const int w = rect.right - rect.left;
  m_panel = RECT{cx, rect.top, rect.right, rect.bottom};
  m_avatarPosition = V2(float(rect.left + 128), float(cy));

  m_colorPicker = new GUI_ColorPicker;
  m_colorPicker->SetPosition(float(m_panel.left + 20), float(m_panel.bottom - 178), float(m_panel.right - 20),
                             float(m_panel.bottom - 20));
  AddChild(m_colorPicker);

  const float left = float(cx + 20), right = float(cx + 20 + (w / 2 - 40));
  float top = float(m_panel.top + 30);
  for (AVATARLAYER slot : kRows) {
    auto* row = new GUI_LayerPicker(slot);
    row->SetPosition(left, top, right, top + 50.0f);
    AddChild(row);
    m_rows.push_back(row);
    top += 52.0f;
  }
}

void GUI_AvatarBuilder::SetLayer(int slot) {
  GUI_AvatarBuilder* self = PTheWindow;
  if (!self || slot < 0 || slot >= AVATAR_LAYER_COUNT) return;
  self->m_currentSlot = AVATARLAYER(slot);
  self->m_currentLayer = GUI_GetAvatar()->GetLayer(self->m_currentSlot);
  self->BuildLayerOptions();
}

void GUI_AvatarBuilder::BuildLayerOptions() {
  m_options.clear();
  GUI_AvatarLayer* skin = GUI_GetAvatar()->GetLayer(AVATAR_SKIN);
  if (m_currentSlot == AVATAR_SKIN) {
    for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All)
      if (layer->GetType() == AVATAR_SKIN) m_options.push_back(layer);
  } else {
    GAssert(skin != nullptr, "GUI_AvatarBuilder", __LINE__);
    if (skin) {
      for (GUI_AvatarLayer* layer : GUI_AvatarLayer::All)
        if (layer->GetType() == m_currentSlot && layer->GetGender() == skin->GetGender()) m_options.push_back(layer);
    }
  }
  GAssert(!m_options.empty(), "GUI_AvatarBuilder", __LINE__);
  m_currentOption = std::find(m_options.begin(), m_options.end(), m_currentLayer);
  // A layer that does not fit (another gender's, left by a preset) steps from the first option.
  if (m_currentOption == m_options.end()) m_currentOption = m_options.begin();
}

void GUI_AvatarBuilder::PrevOption() { Step(-1); }

void GUI_AvatarBuilder::NextOption() { Step(1); }

void GUI_AvatarBuilder::Step(int direction) {
  if (m_options.empty()) return;
  if (direction < 0) {
    if (m_currentOption == m_options.begin()) m_currentOption = m_options.end();
    --m_currentOption;
  } else {
    ++m_currentOption;
    if (m_currentOption == m_options.end()) m_currentOption = m_options.begin();
  }
  m_currentLayer = *m_currentOption;
  GUI_GetAvatar()->SetLayer(m_currentSlot, m_currentLayer);
}

void GUI_AvatarBuilder::Notify(int) {
  GUI_AvatarBuilder* self = PTheWindow;
  if (!self || !self->m_colorPicker) return;
  GUI_Avatar* avatar = GUI_GetAvatar();
  self->m_currentLayer = avatar->GetLayer(self->m_currentSlot);
  if (!self->m_currentLayer) return;
  const LibColor c = self->m_colorPicker->GetSelectedColor();
  self->m_currentLayer->SetColors(c.r, c.g, c.b, 255);
  if (self->m_currentSlot == AVATAR_HAIRTOP) {
    if (GUI_AvatarLayer* bottom = avatar->GetLayer(AVATAR_HAIRBOTTOM)) bottom->SetColors(c.r, c.g, c.b, 255);
  }
}

void GUI_AvatarBuilder::Draw() {
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->ProcessTextQueue(-1);
  DrawChildren();
  DrawButtons();
  GUI_GetAvatar()->DrawAt(m_avatarPosition);
}
