#include "GUI_TutHighlighter.h"

#include "D3DEngine.h"
#include "GUI_BaseElement.h"
#include "GUI_NamedObject.h"

GUI_TutHighlighter* GUI_GetTutHighlighter() {
  static GUI_TutHighlighter* highlighter = new GUI_TutHighlighter;
  return highlighter;
}

GUI_TutHighlighter* GUI_TutHighlighter::Self() { return GUI_GetTutHighlighter(); }

GUI_TutHighlighter::GUI_TutHighlighter() {
  SetRect(&m_target, 0, 0, 0, 0);
  for (int i = 0; i < 4; ++i) {
    SetRect(&m_shade[i], 0, 0, 0, 0);
    SetRect(&m_border[i], 0, 0, 0, 0);
  }
}

void GUI_TutHighlighter::SetHighlight(const RECT& r) {
  GUI_TutHighlighter* self = Self();
  const int W = (int)D3DEngine::W;
  const int H = (int)D3DEngine::H;
  const int L = r.left, T = r.top, R = r.right, B = r.bottom;
  const int b = kBorder;
  self->m_target = r;
  SetRect(&self->m_shade[SHADE_LEFT], 0, 0, L, H);
  SetRect(&self->m_shade[SHADE_RIGHT], R, 0, W, H);
  SetRect(&self->m_shade[SHADE_ABOVE], L, 0, R, T);
  SetRect(&self->m_shade[SHADE_BELOW], L, B, R, H);
  SetRect(&self->m_border[BORDER_LEFT], L - b, T - b, L, B + b);
  SetRect(&self->m_border[BORDER_RIGHT], R, T - b, R + b, B + b);
  SetRect(&self->m_border[BORDER_TOP], L, T - b, R, T);
  SetRect(&self->m_border[BORDER_BOTTOM], L, B, R, B + b);
  self->m_enabled = true;
}

void GUI_TutHighlighter::SetHighlight(const char* name) {
  GUI_BaseElement* element = GUI_NamedObject::GetByName(name);
  if (element) SetHighlight(*element->GetRect());
}

void GUI_TutHighlighter::Disable() { Self()->m_enabled = false; }

void GUI_TutHighlighter::Draw() {
  const GUI_TutHighlighter* self = Self();
  if (!self->m_enabled) return;
  D3DEngine* engine = GetD3DEngine();
  for (const RECT& r : self->m_shade) engine->FillRect(&r, self->m_shadeColour);
  for (const RECT& r : self->m_border) engine->FillRect(&r, self->m_borderColour);
}

bool GUI_TutHighlighter::IsEnabled() { return Self()->m_enabled; }

const RECT& GUI_TutHighlighter::GetHighlightRect() { return Self()->m_target; }

const RECT& GUI_TutHighlighter::GetShade(int which) { return Self()->m_shade[which & 3]; }

const RECT& GUI_TutHighlighter::GetBorder(int which) { return Self()->m_border[which & 3]; }
