#pragma once
// The application's preferences store: file name (as the caller wrote it) -> section -> key ->
// value, kept in one file under the user's config folder (GetPreferencesPath). Names compare
// exactly. Every change is written at once, atomically (temporary file, then rename); a file
// changed on disk by another run is read again before the next use.
#include <cstdint>
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

 private:
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  struct SectionData {
    std::string name;
    Pairs pairs;
  };
  struct FileData {
    std::string name;
    std::vector<SectionData> sections;
  };
  struct Stamp {
    bool exists = false;
    int64_t mtimeNs = 0;
    int64_t size = 0;
    uint64_t inode = 0;
    bool operator==(const Stamp&) const = default;
  };

  static Stamp StampOf(const std::string& path);
  void LoadFromDisk();
  bool WriteToDisk();
  SectionData* FindSection(const std::string& file, const std::string& section);

  bool m_loaded = false;
  std::string m_path;
  Stamp m_stamp;
  std::vector<FileData> m_files;
};
