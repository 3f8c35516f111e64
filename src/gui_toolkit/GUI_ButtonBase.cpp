#include "GUI_ButtonBase.h"

#include "CInput.h"
#include "GTranslation.h"
#include "GUI_HelpWindow.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "GUI_Tutorial.h"
#include "V2.h"

GUI_ButtonBase::GUI_ButtonBase(Callback callback, int argument) : m_callback(callback), m_argument(argument) {
  SetPosition(0.0f, 0.0f, 0.0f, 0.0f);
}

GUI_ButtonBase::~GUI_ButtonBase() { delete m_tooltip; }

void GUI_ButtonBase::Draw() {
  if (m_tooltip) m_tooltip->Draw();
}

void GUI_ButtonBase::SetPosition(float left, float top, float right, float bottom) {
  GUI_BaseElement::SetPosition(left, top, right, bottom);
  if (m_tooltip) m_tooltip->SetPosition(GetCenterX() - m_tooltip->GetWidth() / 2.0f, (float)rect.bottom);
}

bool GUI_ButtonBase::CheckClick(float x, float y) {
  if (!GUI_Tutorial::IsClickable(this)) return false;
  if (!PtInside(x, y)) return false;
  Click();
  return true;
}

void GUI_ButtonBase::PlayClickSound() {
  if (!m_silent) GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
}

void GUI_ButtonBase::Click() {
  if (!m_enabled) {
    if (!m_explanation.empty())
      GUI_HelpWindow::Create(m_explanation.c_str(), V2(GetCenterX(), GetCenterY()));
    return;
  }
  // The callback may delete this button's window and with it the button: everything needed
  // afterwards is taken now, and the button itself is only named to the tutorial, never read.
  Callback callback = m_callback;
  int argument = m_argument;
  GUI_ButtonBase* self = this;
  if (callback) {
    PlayClickSound();
    if (m_fadeFirst) {
      GUI_GetFader()->FadeOut(callback, argument);
    } else {
      callback(argument);
    }
  }
  GUI_Tutorial::ClickedNotify(self);
}

void GUI_ButtonBase::Process() {
  if (!GetInput()->IsMouseMovesEaten() && MouseInside()) {
    if (m_enabled) m_state = GUIBUTTONSTATE_HIGHLIGHTED;
    if (m_tooltip) m_tooltip->Ping();
  } else {
    m_state = GUIBUTTONSTATE_NORMAL;
  }
}

void GUI_ButtonBase::SetRawTooltip(const std::string& text, int delay) {
  delete m_tooltip;
  m_tooltip = new GUI_Tooltip(text, delay);
  m_tooltip->SetMode(GUI_Tooltip::TOOLTIPMODE_NORMAL);
}

void GUI_ButtonBase::SetTooltip(const char* key, int delay) {
  SetRawTooltip(GTranslation::GetString(key ? key : ""), delay);
}

bool GUI_ButtonBase::MouseInside() {
  CInput* input = GetInput();
  return PtInside(input->mouseX, input->mouseY);
}
