#pragma once
// The application's preferences store: file name (as the caller wrote it) -> section -> key ->
// value, kept in one file under the user's config folder. Names compare exactly.
#include <string>
#include <utility>
#include <vector>

class PreferencesStore {
 public:
  static PreferencesStore& Get();
  bool Lookup(const std::string& file, const std::string& section, const std::string& key,
              std::string& value);
  // The stored pairs of one section in their stored order; empty when none.
  std::vector<std::pair<std::string, std::string>> Section(const std::string& file, const std::string& section);
  void Set(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
  void Synchronize();  // re-read from disk when changed by another instance; writes are immediate
  void Reload();       // forget the cache (tests)
};
