#include "IniLoader.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GDebug.h"
#include "MacFile.h"
#include "PrivateProfile.h"
#include "StringUtils.h"

namespace {

const size_t kMaxKey = 255;
const size_t kMaxValue = 2046;

std::string FirstChars(const std::string& s, size_t n) { return s.substr(0, n); }

}  // namespace

void IniLoader::Clear() { m_entries.clear(); }

void IniLoader::LoadSection(const char* section, const char* file) {
  std::string text;
  GetPrivateProfileSection(section, text, file);
  m_section = section ? section : "";
  m_file = file ? file : "";
  LoadFromSectionText(text, m_file.c_str());
}

void IniLoader::LoadFromSectionText(const std::string& text, const char* origin) {
  Clear();
  // The pairs end at the first empty string (the closing double zero).
  size_t length = 0;
  while (length < text.size() && text[length] != 0) length += std::strlen(text.c_str() + length) + 1;
  if (length > text.size()) length = text.size();
  m_text = text.substr(0, length);
  m_textLength = (int)m_text.size();
  m_text.append(2, '\0');

  size_t pos = 0;
  while (pos < (size_t)m_textLength) {
    Entry entry;
    while (m_text[pos] != 0 && m_text[pos] != '=' && entry.key.size() < kMaxKey) entry.key += m_text[pos++];

    // The value: the separator "=" goes, later ones stay; double quotes and line feeds go; a
    // backslash keeps the quote, line feed or unconsumed separator after it.
    bool separatorSeen = false;
    bool cut = false;
    while (m_text[pos] != 0) {
      char c = m_text[pos++];
      bool literal = false;
      if (c == '\\') {
        char next = m_text[pos];
        if (next == '"' || next == '\n' || (next == '=' && !separatorSeen)) {
          c = next;
          ++pos;
          literal = true;
          if (c == '=') separatorSeen = true;
        } else {
          continue;
        }
      }
      if (!literal) {
        if (c == '"' || c == '\n') continue;
        if (c == '=' && !separatorSeen) {
          separatorSeen = true;
          continue;
        }
      }
      if (entry.value.size() >= kMaxValue) {
        cut = true;
        continue;
      }
      entry.value += c;
    }
    ++pos;  // the pair's zero byte

    if (cut)
      GWarning(GFormat("%s, section [%s], key \"%s\": value longer than %d characters is cut",
                       origin ? origin : "", m_section.c_str(), entry.key.c_str(), (int)kMaxValue).c_str(),
               __FILE__, __LINE__);
    if (!entry.key.empty() && entry.key[0] == '/') continue;  // commented-out key
    entry.key = TrimEnd(entry.key);
    m_entries.push_back(std::move(entry));
  }
  m_readPos = 0;
  m_iter = 0;
}

const char* IniLoader::GetValue(const char* key) const {
  if (!key) return "";
  for (const Entry& e : m_entries)
    if (strcasecmp(e.key.c_str(), key) == 0) return e.value.c_str();
  return "";
}

int IniLoader::GetValueI(const char* key) const { return std::atoi(FirstChars(GetValue(key), 63).c_str()); }

float IniLoader::GetValueF(const char* key, float def) const {
  std::string value = FirstChars(GetValue(key), 63);
  if (value.empty()) return def;
  return std::strtof(value.c_str(), nullptr);
}

LibColor IniLoader::GetColor(const char* key) const {
  std::string value = FirstChars(GetValue(key), 256);
  int c[4] = {0, 0, 0, 255};
  const char* p = value.c_str();
  for (int field = 0; field < 4; ++field) {
    c[field] = std::atoi(p);
    const char* comma = std::strchr(p, ',');
    if (!comma) break;
    p = comma + 1;
  }
  return LibColor::FromBytes(c[0], c[1], c[2], c[3]);
}

bool IniLoader::HasValue(const char* key) const {
  if (!key) return false;
  for (const Entry& e : m_entries)
    if (strcasecmp(e.key.c_str(), key) == 0) return true;
  return false;
}

void IniLoader::SetValueF(const char* key, float value) {
  if (!key) return;
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", (double)value);
  for (Entry& e : m_entries)
    if (strcasecmp(e.key.c_str(), key) == 0) e.value = text;
}

void IniLoader::SaveAsFile(const char* path) const {
  FILE* f = Mac_fopen(path, "wt");
  if (!f) return;
  std::fprintf(f, "[%s]\n", m_section.c_str());
  for (const Entry& e : m_entries) std::fprintf(f, "%s = %s\n", e.key.c_str(), e.value.c_str());
  std::fclose(f);
}

bool IniLoader::GetNextKey(char* out) {
  if (m_iter < 0 || (size_t)m_iter >= m_entries.size()) return false;
  const std::string& key = m_entries[(size_t)m_iter++].key;
  if (out) std::memcpy(out, key.c_str(), key.size() + 1);
  return true;
}

bool IniLoader::GetNextValue(char* out) {
  if (m_iter < 0 || (size_t)m_iter >= m_entries.size()) return false;
  const std::string& value = m_entries[(size_t)m_iter++].value;
  if (out) std::memcpy(out, value.c_str(), value.size() + 1);
  return true;
}

bool IniLoader::GetNextLine(char* key, int keySize, char* value, int valueSize) {
  if (m_readPos >= m_textLength) return false;
  size_t pos = (size_t)m_readPos;
  int k = 0;
  while (m_text[pos] != 0 && m_text[pos] != '=') {
    if (m_text[pos] == '[') {
      m_readPos = (int)pos;
      if (key && keySize > 0) key[k] = 0;
      return false;
    }
    if (key && k < keySize - 1) key[k++] = m_text[pos];
    ++pos;
  }
  if (key && keySize > 0) key[k] = 0;
  if (m_text[pos] == '=') ++pos;
  int v = 0;
  while (m_text[pos] != 0) {
    if (value && v < valueSize - 1) value[v++] = m_text[pos];
    ++pos;
  }
  if (value && valueSize > 0) value[v] = 0;
  m_readPos = (int)pos + 1;
  return true;
}

void IniLoader::LoadAllSectionNames(const char* file) {
  m_sectionNames.clear();
  FILE* f = Mac_fopen(file, "rt");
  if (!f) return;
  std::string line;
  int c;
  auto finishLine = [&]() {
    if (!line.empty() && line[0] == '[') {
      while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) line.pop_back();
      m_sectionNames.push_back(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string());
    }
    line.clear();
  };
  while ((c = std::fgetc(f)) != EOF) {
    if (c == '\n') finishLine();
    else line += (char)c;
  }
  finishLine();
  std::fclose(f);
}
