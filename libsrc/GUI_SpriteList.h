#pragma once
// A per-frame queue of sprites drawn together, in the order added. The sprites are not owned.
#include <cstddef>
#include <vector>

class BaseSprite;

class GUI_SpriteList {
 public:
  void Add(BaseSprite* sprite) { m_sprites.push_back(sprite); }
  void Draw();  // draws each queued sprite, then empties the queue
  size_t Count() const { return m_sprites.size(); }

 private:
  std::vector<BaseSprite*> m_sprites;
};
