#pragma once
// An older string store with variants, kept for tools and mods; the game itself reads its texts
// through GTranslation. A section's keys "0", "1", ... are read until one is missing (empty).
// A value "-n" makes that entry a group of n variants read from keys "<index>-0" ..
// "<index>-<n-1>", one of which is picked at random on each lookup; a value "-" ends the section.
#include <memory>
#include <string>
#include <vector>

struct StringArray {
  std::vector<std::string> strings;
  std::string name;
};

class StringManager {
 public:
  explicit StringManager(const char* databaseFile = "");
  StringManager(const StringManager&) = delete;
  StringManager& operator=(const StringManager&) = delete;
  ~StringManager() { Release(); }

  void SetDatabase(const char* file) { m_database = file ? file : ""; }
  void SetGeneralSection(const char* section) { m_general = section ? section : ""; }

  void LoadStrings(const char* section, const char* file);
  // Loads the section from the database file on first use; null for an index out of range.
  const char* GetString(const char* section, int index);
  const char* GetRndString(const char* section);  // null when the section is empty
  const char* GetGenString(int index) { return GetString(m_general.c_str(), index); }
  const char* GetVariant(const char* group);  // "" (reported once) for an unknown or empty group
  void Release();

 private:
  StringArray* Find(const std::string& name);
  const char* Resolve(const std::string& entry);

  std::vector<std::unique_ptr<StringArray>> m_arrays;
  std::string m_general = "General";
  std::string m_database;
  int m_variantCounter = 0;
};
