#include "PreferencesStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "GDebug.h"
#include "Paths.h"

namespace fs = std::filesystem;

// The store file, one line each:
//   file <ini file name>
//     section <section name>
//       <key>=<value>          (indented by exactly four spaces)
// "\" escapes "\", line breaks and (in keys) "=".
namespace {

const char* kFilePrefix = "file ";
const char* kSectionPrefix = "  section ";
const char* kKeyPrefix = "    ";

std::string Escape(const std::string& text, bool escapeEquals) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '=':
        if (escapeEquals) out += "\\=";
        else out += c;
        break;
      default: out += c;
    }
  }
  return out;
}

// Unescapes up to the first unescaped `stop` (0: to the end); `at` is left on the stop character.
std::string Unescape(const std::string& text, size_t& at, char stop) {
  std::string out;
  while (at < text.size()) {
    char c = text[at];
    if (stop && c == stop) break;
    ++at;
    if (c != '\\' || at >= text.size()) {
      out += c;
      continue;
    }
    char e = text[at++];
    out += e == 'n' ? '\n' : e == 'r' ? '\r' : e;
  }
  return out;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

PreferencesStore& PreferencesStore::Get() {
  static PreferencesStore store;
  return store;
}

PreferencesStore::Stamp PreferencesStore::StampOf(const std::string& path) {
  Stamp s;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.mtimeNs = (int64_t)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
  s.size = (int64_t)st.st_size;
  s.inode = (uint64_t)st.st_ino;
  return s;
}

void PreferencesStore::Reload() {
  m_loaded = false;
  m_files.clear();
}

void PreferencesStore::Synchronize() {
  std::string path = GetPreferencesPath();
  if (m_loaded && path == m_path && StampOf(path) == m_stamp) return;
  m_path = path;
  LoadFromDisk();
}

void PreferencesStore::LoadFromDisk() {
  m_files.clear();
  m_loaded = true;
  m_stamp = StampOf(m_path);
  FILE* f = std::fopen(m_path.c_str(), "r");
  if (!f) return;
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
  std::fclose(f);

  FileData* file = nullptr;
  SectionData* section = nullptr;
  int lineNumber = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line[0] == ';') continue;
    size_t at = 0;
    if (StartsWith(line, kFilePrefix)) {
      at = std::char_traits<char>::length(kFilePrefix);
      m_files.push_back({Unescape(line, at, 0), {}});
      file = &m_files.back();
      section = nullptr;
    } else if (StartsWith(line, kSectionPrefix) && file) {
      at = std::char_traits<char>::length(kSectionPrefix);
      file->sections.push_back({Unescape(line, at, 0), {}});
      section = &file->sections.back();
    } else if (StartsWith(line, kKeyPrefix) && section) {
      at = std::char_traits<char>::length(kKeyPrefix);
      std::string key = Unescape(line, at, '=');
      if (at >= line.size()) {
        GWarnOnce("prefs:" + m_path + ":" + std::to_string(lineNumber),
                  GFormat("%s line %d: a setting without \"=\" is ignored", m_path.c_str(), lineNumber).c_str(),
                  __FILE__, __LINE__);
        continue;
      }
      ++at;
      std::string value = Unescape(line, at, 0);
      section->pairs.emplace_back(key, value);
    } else {
      GWarnOnce("prefs:" + m_path + ":" + std::to_string(lineNumber),
                GFormat("%s line %d is not understood and is ignored", m_path.c_str(), lineNumber).c_str(),
                __FILE__, __LINE__);
    }
  }
}

bool PreferencesStore::WriteToDisk() {
  std::error_code ec;
  fs::create_directories(fs::path(m_path).parent_path(), ec);
  std::string temp = m_path + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "w");
  if (!f) {
    GWarnOnce("prefs-write:" + m_path, GFormat("Cannot write the preferences file %s", m_path.c_str()).c_str(),
              __FILE__, __LINE__);
    return false;
  }
  std::string text = "; Vorla 2 preferences: the settings the game changed, by ini file and section.\n";
  for (const FileData& file : m_files) {
    text += kFilePrefix + Escape(file.name, false) + "\n";
    for (const SectionData& section : file.sections) {
      text += kSectionPrefix + Escape(section.name, false) + "\n";
      for (const auto& [key, value] : section.pairs) text += kKeyPrefix + Escape(key, true) + "=" + Escape(value, false) + "\n";
    }
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), m_path.c_str()) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    GWarnOnce("prefs-write:" + m_path, GFormat("Cannot write the preferences file %s", m_path.c_str()).c_str(),
              __FILE__, __LINE__);
    return false;
  }
  m_stamp = StampOf(m_path);
  return true;
}

PreferencesStore::SectionData* PreferencesStore::FindSection(const std::string& file, const std::string& section) {
  for (FileData& f : m_files) {
    if (f.name != file) continue;
    for (SectionData& s : f.sections)
      if (s.name == section) return &s;
  }
  return nullptr;
}

bool PreferencesStore::Lookup(const std::string& file, const std::string& section, const std::string& key,
                              std::string& value) {
  Synchronize();
  SectionData* s = FindSection(file, section);
  if (!s) return false;
  for (const auto& [k, v] : s->pairs) {
    if (k == key) {
      value = v;
      return true;
    }
  }
  return false;
}

std::vector<std::pair<std::string, std::string>> PreferencesStore::Section(const std::string& file,
                                                                         const std::string& section) {
  Synchronize();
  SectionData* s = FindSection(file, section);
  return s ? s->pairs : Pairs{};
}

void PreferencesStore::Set(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) {
  Synchronize();
  SectionData* s = FindSection(file, section);
  if (!s) {
    FileData* f = nullptr;
    for (FileData& candidate : m_files)
      if (candidate.name == file) f = &candidate;
    if (!f) {
      m_files.push_back({file, {}});
      f = &m_files.back();
    }
    f->sections.push_back({section, {}});
    s = &f->sections.back();
  }
  bool replaced = false;
  for (auto& [k, v] : s->pairs) {
    if (k == key) {
      v = value;
      replaced = true;
      break;
    }
  }
  if (!replaced) s->pairs.emplace_back(key, value);
  WriteToDisk();
}
