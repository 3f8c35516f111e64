#pragma once
// A named texture reference that screens keep as a member. It resolves its name once and can be
// resolved again after the display is recreated (RebuildAll).
#include <cstdint>
#include <string>
#include <vector>

class SmartTexture {
 public:
  SmartTexture();
  explicit SmartTexture(const std::string& name);  // same as SetTexture(name)
  SmartTexture(const SmartTexture& other);
  SmartTexture& operator=(const SmartTexture& other);
  virtual ~SmartTexture();

  void SetTexture(const std::string& name);  // stores the name and resolves it
  void Set();                                // binds for drawing; 0 draws untextured
  void Rebuild();
  static void RebuildAll();

  const std::string& GetName() const { return m_name; }
  uint32_t GetTextureNumber() const { return m_textureNumber; }
  static const std::vector<SmartTexture*>& GetAll();

 private:
  std::string m_name;
  uint32_t m_textureNumber = 0;
};
