#pragma once
// A sprite with a texture of its own, found by name and resolved lazily. Every instance is
// registered in All, so that ClearTextures can make them all look their names up again.
#include <list>
#include <string>

#include "BaseSprite.h"

class CTexturedSprite : public BaseSprite {
 public:
  CTexturedSprite();
  CTexturedSprite(const CTexturedSprite& other);
  CTexturedSprite& operator=(const CTexturedSprite& other);
  virtual ~CTexturedSprite();

  void Draw() override;  // binds its texture and draws; no on-screen test, no scene opened

  // Nothing happens when the name is the one already stored.
  void SetTexture(const char* name);
  // Resolves again when the name differs or the texture was not found before.
  void SetTexture(const std::string& name);
  const char* GetTextureName() const { return textureName; }
  uint32_t GetTextureNumber() const { return textureNumber; }

  // Every registered sprite forgets its texture number and re-resolves at its next draw.
  static void ClearTextures();
  static std::list<CTexturedSprite*> All;

  uint32_t textureNumber = 0;  // 0 = not resolved
  char textureName[256] = {0};

 private:
  void StoreName(const char* name);
  std::list<CTexturedSprite*>::iterator m_self;
};
