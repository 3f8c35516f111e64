#include "GUI_SpriteList.h"

#include "BaseSprite.h"

void GUI_SpriteList::Draw() {
  for (BaseSprite* sprite : m_sprites) sprite->Draw();
  m_sprites.clear();
}
