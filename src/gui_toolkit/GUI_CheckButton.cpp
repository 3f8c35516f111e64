#include "GUI_CheckButton.h"

#include "D3DEngine.h"
#include "LibTextEngine.h"

GUI_CheckButton::GUI_CheckButton(const char* label, Callback callback, int argument)
    : GUI_ButtonBase(callback, argument), m_label(label ? label : "") {
  if (m_label.size() > kMaxLabel) m_label.resize(kMaxLabel);
  m_box.SetSize(CHECKBOXSIZE, CHECKBOXSIZE);
  m_tick.SetSize(CHECKBOXSIZE, CHECKBOXSIZE);
  PlaceBox();
}

void GUI_CheckButton::PlaceBox() {
  const float cx = (float)rect.left + CHECKBOXSIZE / 2.0f;
  const float cy = (float)rect.top + CHECKBOXSIZE / 2.0f;
  m_box.PlaceLocal(cx, cy);
  m_tick.PlaceLocal(cx, cy);
}

void GUI_CheckButton::SetPosition(float left, float top, float right, float bottom) {
  GUI_ButtonBase::SetPosition(left, top, right, bottom);
  PlaceBox();
}

bool GUI_CheckButton::CheckClick(float x, float y) {
  PlaceBox();
  if (!m_box.IsPointInside(x, y)) return false;
  // A disabled box keeps its tick: the screen behind it would otherwise show a setting it never
  // received. Click still runs, so a disabled box can explain itself.
  if (m_enabled) m_checked = !m_checked;
  Click();
  return true;
}

void GUI_CheckButton::Draw() {
  GUI_ButtonBase::Draw();
  PlaceBox();
  D3DEngine* engine = GetD3DEngine();
  engine->SetTexture("checkbox.dds");
  m_box.DrawNoChecks();
  if (m_checked) {
    engine->SetTexture("checkbox_checked.dds");
    m_tick.DrawNoChecks();
  }
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_label, (float)rect.left + 1.4f * CHECKBOXSIZE, (float)rect.top + 2.0f, VBColor(0, 0, 0),
                       0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}
