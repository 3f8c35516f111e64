#pragma once
// Every text the player reads is looked up by key in "data/strings.ini".
#include <string>
#include <vector>

class IniLoader;

class GHashTable {
 public:
  virtual ~GHashTable() { Clear(); }
  void LoadSection(const char* section, const char* file);
  void LoadFromSectionText(const std::string& text, const char* origin);
  const char* GetValue(const char* key) const;  // "" when missing
  void AddEntry(const char* key, const char* value);
  void Clear();
  bool IsLoaded() const { return m_loaded; }
  static int BucketOf(const char* key);

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  std::vector<Entry> m_buckets[53];
  std::string m_section;
  std::string m_file;
  bool m_loaded = false;
};

struct GStringToken {
  std::string name;
  std::string value;
};

class GTranslation {
 public:
  static const char* GetString(const char* key);
  static void ReplaceToken(std::string& buffer, const char* token, const char* text);
  static void ReplaceToken(std::string& buffer, const char* token, int number);
  // Fixed-buffer forms: `size` is the buffer's capacity; a result that does not fit is cut with
  // one warning.
  static void ReplaceToken(char* buffer, int size, const char* token, const char* text);
  static void ReplaceToken(char* buffer, int size, const char* token, int number);
  static void ClearTokens(std::string& buffer);
  static const char* Crop(const std::string& text, int n);
  static const char* GetRandomString(const char* section, const char* file);
  static const char* GetRandomString(const char* section);
  static const char* GetValueName(float value, const char* section);
  static void BuildTokenList(const char* pairs);
  static std::string GetToken(const char* name);
  static std::string GetTokenisedString(const char* key, const char* pairs);
  static IniLoader* GetLoader(const char* section, const char* file);
  static void Close();
  // Drops the loaded table so the next GetString reads the file again (tests, language change).
  static void Reload();
};
