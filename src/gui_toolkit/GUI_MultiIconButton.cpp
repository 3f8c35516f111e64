#include "GUI_MultiIconButton.h"

namespace {
std::string Cut(const char* name) {
  std::string s = name ? name : "";
  if (s.size() > GUI_MultiIconButton::kMaxName) s.resize(GUI_MultiIconButton::kMaxName);
  return s;
}
}  // namespace

GUI_MultiIconButton::GUI_MultiIconButton(const char* frameTexture, const char* iconTexture, Callback callback,
                                         int argument)
    : GUI_IconButton(frameTexture, callback, argument), m_iconTexture(Cut(iconTexture)) {
  if (!m_iconTexture.empty()) m_icon.SetTexture(m_iconTexture);
}

void GUI_MultiIconButton::SetMouseover(const char* name) {
  m_mouseoverTexture = Cut(name);
  if (!m_mouseoverTexture.empty()) m_mouseover.SetTexture(m_mouseoverTexture);
}

void GUI_MultiIconButton::Draw() {
  const float cx = GetCenterX();
  const float cy = GetCenterY();
  m_sprite.rotation = 0.0f;
  m_sprite.SetSize((float)width * 1.1f, (float)height * 1.1f);
  m_sprite.PlaceLocal(cx, cy);
  if (m_enabled) {
    m_sprite.SetVertexColor(255, 255, 255, 255);
  } else {
    m_sprite.SetVertexColor(128, 128, 128, 128);
  }
  m_sprite.Draw();

  CTexturedSprite& icon = (MouseInside() && !m_mouseoverTexture.empty()) ? m_mouseover : m_icon;
  icon.rotation = 0.0f;
  icon.SetSize((float)width * 0.75f, (float)height * 0.75f);
  icon.PlaceLocal(cx, cy);
  icon.Draw();
  GUI_ButtonBase::Draw();
}
