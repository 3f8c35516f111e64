#pragma once
// An ordered list of textured sprites that it does not own. Screens collect sprites in one each
// frame, draw it and clear it.
#include <cstddef>
#include <list>

class CTexturedSprite;

class GSpriteList {
 public:
  void AddSprite(CTexturedSprite* sprite) { m_sprites.push_back(sprite); }
  void Draw();  // each sprite's Draw, in list order
  void Clear() { m_sprites.clear(); }
  size_t Count() const { return m_sprites.size(); }

 private:
  std::list<CTexturedSprite*> m_sprites;
  std::list<CTexturedSprite*>::iterator m_first;
  std::list<CTexturedSprite*>::iterator m_last;
};
