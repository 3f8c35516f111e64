#include "SmartTexture.h"

#include <algorithm>

#include "D3DEngine.h"

namespace {
// Never freed: references held by objects destroyed late at exit can still leave it.
std::vector<SmartTexture*>& AllList() {
  static auto* list = new std::vector<SmartTexture*>();
  return *list;
}
}  // namespace

SmartTexture::SmartTexture() { AllList().push_back(this); }

SmartTexture::SmartTexture(const std::string& name) : SmartTexture() { SetTexture(name); }

SmartTexture::SmartTexture(const SmartTexture& other)
    : m_name(other.m_name), m_textureNumber(other.m_textureNumber) {
  AllList().push_back(this);
}

SmartTexture& SmartTexture::operator=(const SmartTexture& other) {
  m_name = other.m_name;
  m_textureNumber = other.m_textureNumber;
  return *this;
}

SmartTexture::~SmartTexture() {
  auto& list = AllList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SmartTexture::SetTexture(const std::string& name) {
  m_name = name;
  Rebuild();
}

void SmartTexture::Set() { GetD3DEngine()->SetTexture(0, m_textureNumber); }

void SmartTexture::Rebuild() { m_textureNumber = m_name.empty() ? 0 : GetD3DEngine()->GetTexture(m_name.c_str()); }

void SmartTexture::RebuildAll() {
  for (SmartTexture* t : AllList()) t->Rebuild();
}

const std::vector<SmartTexture*>& SmartTexture::GetAll() { return AllList(); }
