#pragma once
// One section of an ini file as key/value records. Key lookups ignore case; the parser under it
// keeps case.
#include <string>
#include <vector>

#include "LibColor.h"

class IniLoader {
 public:
  struct Entry {
    std::string key;    // at most 255 characters
    std::string value;  // at most 2046 characters
  };

  IniLoader() = default;
  ~IniLoader() { Clear(); }
  void LoadSection(const char* section, const char* file);
  // Loads from section text already in hand ("key=value\0...\0"); used by tests and by LoadSection.
  void LoadFromSectionText(const std::string& text, const char* origin);
  const char* GetValue(const char* key) const;
  int GetValueI(const char* key) const;
  float GetValueF(const char* key, float def) const;
  LibColor GetColor(const char* key) const;
  bool HasValue(const char* key) const;
  void SetValueF(const char* key, float value);
  void SaveAsFile(const char* path) const;
  bool GetNextKey(char* out);
  bool GetNextValue(char* out);
  bool GetNextLine(char* key, int keySize, char* value, int valueSize);
  void LoadAllSectionNames(const char* file);
  void Clear();

  const std::vector<Entry>& Entries() const { return m_entries; }
  const std::vector<std::string>& SectionNames() const { return m_sectionNames; }
  int Count() const { return (int)m_entries.size(); }
  const std::string& GetSectionName() const { return m_section; }
  const std::string& GetFileName() const { return m_file; }

 private:
  std::vector<std::string> m_sectionNames;
  std::string m_text;
  int m_readPos = 0;
  int m_textLength = 0;
  int m_iter = 0;
  std::vector<Entry> m_entries;
  std::string m_section;
  std::string m_file;
};
