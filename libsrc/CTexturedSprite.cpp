#include "CTexturedSprite.h"

#include <cstring>

#include "D3DEngine.h"
#include "GDebug.h"

std::list<CTexturedSprite*> CTexturedSprite::All;

CTexturedSprite::CTexturedSprite() { m_self = All.insert(All.end(), this); }

CTexturedSprite::CTexturedSprite(const CTexturedSprite& other)
    : BaseSprite(other), textureNumber(other.textureNumber) {
  std::memcpy(textureName, other.textureName, sizeof textureName);
  m_self = All.insert(All.end(), this);
}

CTexturedSprite& CTexturedSprite::operator=(const CTexturedSprite& other) {
  if (this != &other) {
    BaseSprite::operator=(other);
    textureNumber = other.textureNumber;
    std::memcpy(textureName, other.textureName, sizeof textureName);
  }
  return *this;
}

CTexturedSprite::~CTexturedSprite() { All.erase(m_self); }

void CTexturedSprite::StoreName(const char* name) {
  std::strncpy(textureName, name, sizeof textureName - 1);
  textureName[sizeof textureName - 1] = 0;
}

void CTexturedSprite::SetTexture(const char* name) {
  if (!name) name = "";
  if (std::strcmp(name, textureName) == 0) return;
  textureNumber = GetD3DEngine()->GetTexture(name);
  StoreName(name);
}

void CTexturedSprite::SetTexture(const std::string& name) {
  if (name != textureName || textureNumber == 0) {
    StoreName(name.c_str());
    textureNumber = GetD3DEngine()->GetTexture(textureName);
  }
}

void CTexturedSprite::Draw() {
  if (textureNumber == 0 && textureName[0]) {
    // A texture that cannot be found would say so every frame; once per name is enough.
    GWarnOnce(std::string("lost textured sprite:") + textureName, "Rebuilding lost textured sprite pointer",
              __FILE__, __LINE__);
    textureNumber = GetD3DEngine()->GetTexture(textureName);
  }
  GetD3DEngine()->SetTexture(0, textureNumber);
  DrawNoChecks();
}

void CTexturedSprite::ClearTextures() {
  GetDebug()->DebugOut("Clearing textured sprites");
  for (CTexturedSprite* sprite : All) sprite->textureNumber = 0;
}
