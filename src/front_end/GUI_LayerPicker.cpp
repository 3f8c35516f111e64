#include "GUI_LayerPicker.h"

#include "GUI_AvatarBuilder.h"
#include "D3DEngine.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"

GUI_LayerPicker::GUI_LayerPicker(AVATARLAYER slot) : m_slot(slot) {
  m_prev = new GUI_IconButton("smallbuttons.dds", Prev, int(slot));
  m_prev->SetHighlightTexture("smallbuttons.dds");
  m_prev->SetCells(16, 0, 1);
  AddButton(m_prev);
  m_next = new GUI_IconButton("smallbuttons.dds", Next, int(slot));
  m_next->SetHighlightTexture("smallbuttons.dds");
  m_next->SetCells(16, 2, 3);
  AddButton(m_next);
  m_layer = GUI_GetAvatar()->GetLayer(slot);
  UpdateArrows();
}

void GUI_LayerPicker::Prev(int) {
  if (GUI_AvatarBuilder::PTheWindow) GUI_AvatarBuilder::PTheWindow->PrevOption();
}

void GUI_LayerPicker::Next(int) {
  if (GUI_AvatarBuilder::PTheWindow) GUI_AvatarBuilder::PTheWindow->NextOption();
}

void GUI_LayerPicker::UpdateArrows() {
  const GUI_AvatarBuilder* builder = GUI_AvatarBuilder::PTheWindow;
  // Nothing to step through: no arrow may act, current row or not.
  const bool live = builder && builder->GetCurrentLayer() == m_slot && !builder->GetOptions().empty();
  m_prev->SetEnabled(live);
  m_next->SetEnabled(live);
}

void GUI_LayerPicker::Draw() {
  const float left = float(rect.left), right = float(rect.right), cy = GetCenterY();
  m_prev->SetPosition(left + 5.0f, cy - 16.0f, left + 37.0f, cy + 16.0f);
  m_next->SetPosition(right - 37.0f, cy - 16.0f, right - 5.0f, cy + 16.0f);
  UpdateArrows();
  const GUI_AvatarBuilder* builder = GUI_AvatarBuilder::PTheWindow;
  const bool current = builder && builder->GetCurrentLayer() == m_slot;
  GetD3DEngine()->FillRect(&rect, current ? 0x40000000u : 0x20FFFFFFu);
  DrawButtons();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  m_layer = GUI_GetAvatar()->GetLayer(m_slot);
  if (m_layer)
    text->AddQueueString(m_layer->GetGUIName(), left, cy - 12.0f, 0xFF000000u, right - left,
                         LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
}

bool GUI_LayerPicker::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  // The arrows act only on the current row; the step itself is their callback.
  UpdateArrows();
  GUIButtonList::CheckClick();
  GUI_AvatarBuilder::SetLayer(m_slot);
  GUI_GetSounds()->PlaySound(0);
  return true;
}
