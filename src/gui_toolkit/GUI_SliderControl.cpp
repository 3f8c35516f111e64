#include "GUI_SliderControl.h"

#include "CInput.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "LibTextEngine.h"

GUI_SliderControl::GUI_SliderControl(float* target, const char* labelKey, ChangeCallback onChange)
    : m_target(target), m_onChange(onChange), m_label(GTranslation::GetString(labelKey ? labelKey : "")) {
  GAssert(target != nullptr, __FILE__, __LINE__);
  m_strip.SetTexture("slider_strip.dds");
  m_knob.SetTexture("checkbox_checked.dds");
  m_knob.SetSize(24.0f, 24.0f);
}

void GUI_SliderControl::SetPosition(float left, float top, float right, float bottom) {
  GUI_BaseElement::SetPosition(left, top, right, bottom);
  m_strip.SetSize((float)width, 10.0f);
  m_strip.PlaceLocal(GetCenterX(), (float)rect.bottom - 20.0f);
  m_knob.SetSize(24.0f, 24.0f);
  PlaceKnob();
}

void GUI_SliderControl::PlaceKnob() {
  float value = m_target ? *m_target : 0.0f;
  m_knob.PlaceLocal((float)rect.left + value * (float)(rect.right - rect.left), (float)rect.bottom - 20.0f);
}

void GUI_SliderControl::Process() {
  if (!m_target) return;
  CInput* input = GetInput();
  if (m_dragging) {
    if (input->leftDown) {
      float x = input->mouseX;
      const float l = (float)rect.left;
      const float r = (float)rect.right;
      if (x < l) x = l;
      if (x > r) x = r;
      if (r > l) *m_target = (x - l) / (r - l);
      if (m_onChange) m_onChange();
    } else {
      m_dragging = false;
    }
  } else if (input->leftDown && m_knob.IsPointInside(input->mouseX, input->mouseY)) {
    m_dragging = true;
  }
}

void GUI_SliderControl::Draw() {
  Process();
  PlaceKnob();
  m_strip.Draw();
  m_knob.Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
  text->AddQueueString(m_label, (float)rect.left, (float)rect.top, VBColor(0, 0, 0), (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
}
