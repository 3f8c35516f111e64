#include "GSpriteList.h"

#include "CTexturedSprite.h"

void GSpriteList::Draw() {
  m_last = m_sprites.end();
  for (m_first = m_sprites.begin(); m_first != m_last; ++m_first) (*m_first)->Draw();
}
