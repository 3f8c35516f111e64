#include "GUI_IconButton.h"

#include <cstring>

GUI_IconButton::GUI_IconButton(const char* texture, Callback callback, int argument)
    : GUI_ButtonBase(callback, argument) {
  if (texture && std::strlen(texture) >= 2) {
    m_sprite.SetTexture(texture);
    m_highlightSprite.SetTexture(texture);
  }
}

void GUI_IconButton::SetTexture(const char* name) { m_sprite.SetTexture(name); }

void GUI_IconButton::SetHighlightTexture(const char* name) { m_highlightSprite.SetTexture(name); }

void GUI_IconButton::SetCells(int squares, int normalCell, int highlightCell) {
  m_sprite.SetUV(squares, normalCell);
  m_highlightSprite.SetUV(squares, highlightCell);
}

void GUI_IconButton::Draw() {
  const int alpha = m_enabled ? 255 : 32;
  CTexturedSprite& sprite = MouseInside() ? m_highlightSprite : m_sprite;
  sprite.rotation = 0.0f;
  sprite.SetSize((float)width, (float)height);
  sprite.PlaceLocal(GetCenterX(), GetCenterY());
  sprite.SetVertexColor(255, 255, 255, alpha);
  sprite.Draw();
  GUI_ButtonBase::Draw();
}
