#include "GTranslation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "GDebug.h"
#include "IniLoader.h"
#include "PrivateProfile.h"
#include "StringUtils.h"

// ---- GHashTable ---------------------------------------------------------------------------

namespace {
int BucketPart(unsigned char c) {
  if (c >= 'A' && c <= 'Z') c = (unsigned char)(c - 'A' + 'a');
  return (c >= 'a' && c <= 'z') ? c - 'a' : 26;
}
}  // namespace

int GHashTable::BucketOf(const char* key) {
  if (!key || !*key) return 52;
  size_t len = strlen(key);
  return BucketPart((unsigned char)key[0]) + BucketPart((unsigned char)key[len - 1]);
}

uint32_t GHashTable::HashOf(const char* key) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (const unsigned char* p = (const unsigned char*)key; *p; ++p) h = (h ^ *p) * 16777619u;
  return h;
}

const GHashTable::Entry* GHashTable::Find(const char* key) const {
  if (!key) return nullptr;
  uint32_t h = HashOf(key);
  const auto& bucket = m_buckets[BucketOf(key)];
  auto it = std::lower_bound(bucket.begin(), bucket.end(), h,
                             [](const std::unique_ptr<Entry>& e, uint32_t v) { return e->hash < v; });
  for (; it != bucket.end() && (*it)->hash == h; ++it) {
    if (strcmp((*it)->key.c_str(), key) == 0) return it->get();
  }
  return nullptr;
}

const char* GHashTable::GetValue(const char* key) const {
  const Entry* e = Find(key);
  return e ? e->value.c_str() : "";
}

const char* GHashTable::FindKey(const char* key) const {
  const Entry* e = Find(key);
  return e ? e->key.c_str() : nullptr;
}

void GHashTable::AddEntry(const char* key, const char* value) {
  if (!key) return;
  auto e = std::make_unique<Entry>();
  e->hash = HashOf(key);
  e->key = key;
  e->value = value ? value : "";
  // After any equal hashes, so the first entry added under a key is the one found.
  auto& bucket = m_buckets[BucketOf(key)];
  auto at = std::upper_bound(bucket.begin(), bucket.end(), e->hash,
                             [](uint32_t v, const std::unique_ptr<Entry>& x) { return v < x->hash; });
  bucket.insert(at, std::move(e));
  ++m_count;
}

void GHashTable::Clear() {
  for (auto& b : m_buckets) b.clear();
  m_count = 0;
}

void GHashTable::LoadSection(const char* section, const char* file) {
  m_loaded = true;
  Clear();
  m_section = section ? section : "";
  m_file = file ? file : "";
  std::string text;
  GetPrivateProfileSection(m_section.c_str(), text, m_file.c_str());
  LoadFromSectionText(text, (m_file + " [" + m_section + "]").c_str());
}

void GHashTable::LoadFromSectionText(const std::string& text, const char* origin) {
  m_loaded = true;
  m_problems = 0;
  Clear();
  const char* where = origin ? origin : "";
  size_t pos = 0;
  while (pos < text.size() && text[pos] != '\0') {
    size_t end = text.find('\0', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view pair(text.data() + pos, end - pos);
    pos = end + 1;

    size_t eq = pair.find('=');
    std::string key;
    for (char c : pair.substr(0, eq)) {
      if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f') key += c;
    }
    if (key.size() > kMaxKey) {
      ++m_problems;
      GWarning(GFormat("strings: key longer than %zu characters cut in %s: %.40s...", kMaxKey, where,
                       key.c_str()).c_str(), __FILE__, __LINE__);
      key.resize(kMaxKey);
    }

    // The value as stored, from the separator on: "=", double quotes and line feeds are markup
    // and dropped, unless a backslash asked for the next one of them to be kept.
    std::string value;
    if (eq != std::string_view::npos) {
      bool keepNext = false;
      for (char c : pair.substr(eq)) {
        if (c == '\\') {
          keepNext = true;
        } else if (c == '=' || c == '"' || c == '\n') {
          if (keepNext) value += c;
          keepNext = false;
        } else {
          value += c;
        }
      }
    }
    if (value.size() > kMaxValue) {
      ++m_problems;
      GWarning(GFormat("strings: text of key \"%s\" longer than %zu characters cut in %s", key.c_str(),
                       kMaxValue, where).c_str(), __FILE__, __LINE__);
      value.resize(kMaxValue);
    }
    AddEntry(key.c_str(), value.c_str());
  }
}

// ---- GTranslation -------------------------------------------------------------------------

namespace {
struct CachedLoader {
  std::string section;
  std::string file;
  IniLoader* loader;
};

struct TranslationState {
  GHashTable table;
  GHashTable missing;  // keys already reported missing; their stored copy is what GetString returns
  std::string stringsFile = "data/strings.ini";
  std::vector<CachedLoader> loaders;
  std::vector<GStringToken> tokens;
  std::string result;  // the shared result of Crop, GetValueName and GetRandomString

  ~TranslationState() {
    for (auto& c : loaders) delete c.loader;
  }
};

TranslationState& Translations() {
  static TranslationState s;
  return s;
}

void CopyOut(char* buffer, int size, const std::string& text, const char* token) {
  if ((int)text.size() >= size) {
    std::string w = GFormat("text cut to fit its buffer of %d characters while replacing %s", size,
                            token ? token : "");
    GWarnOnce(w, w.c_str(), __FILE__, __LINE__);
    memcpy(buffer, text.data(), (size_t)size - 1);
    buffer[size - 1] = '\0';
  } else {
    memcpy(buffer, text.c_str(), text.size() + 1);
  }
}
}  // namespace

const char* GTranslation::GetString(const char* key) {
  if (!key) return "";
  TranslationState& s = Translations();
  if (!s.table.IsLoaded()) {
    s.table.LoadSection("strings", s.stringsFile.c_str());
    if (s.table.Count() == 0) {
      std::string w = GFormat("no translated texts found in section \"strings\" of %s", s.stringsFile.c_str());
      GWarnOnce(w, w.c_str(), __FILE__, __LINE__);
    }
  }
  const char* value = s.table.GetValue(key);
  if (*value) return value;
  if (const char* stored = s.table.FindKey(key)) return stored;  // present with an empty text
  if (const char* seen = s.missing.FindKey(key)) return seen;
  GWarning(GFormat("missing translation key: %s", key).c_str(), __FILE__, __LINE__);
  s.missing.AddEntry(key, "");
  return s.missing.FindKey(key);
}

void GTranslation::ReplaceToken(std::string& buffer, const char* token, const char* text) {
  if (!token || !*token) return;
  if (!text) text = "";
  size_t tokenLen = strlen(token);
  size_t textLen = strlen(text);
  size_t pos = 0;
  while ((pos = buffer.find(token, pos, tokenLen)) != std::string::npos) {
    buffer.replace(pos, tokenLen, text, textLen);
    pos += textLen;
  }
}

void GTranslation::ReplaceToken(std::string& buffer, const char* token, int number) {
  ReplaceToken(buffer, token, NumToDelimitedChar(number).c_str());
}

void GTranslation::ReplaceToken(char* buffer, int size, const char* token, const char* text) {
  if (!buffer || size <= 0) return;
  std::string s(buffer, strnlen(buffer, (size_t)size));
  ReplaceToken(s, token, text);
  CopyOut(buffer, size, s, token);
}

void GTranslation::ReplaceToken(char* buffer, int size, const char* token, int number) {
  ReplaceToken(buffer, size, token, NumToDelimitedChar(number).c_str());
}

void GTranslation::ClearTokens(std::string& buffer) {
  std::string out;
  out.reserve(buffer.size());
  size_t pos = 0;
  while (pos < buffer.size()) {
    size_t open = buffer.find('<', pos);
    size_t close = open == std::string::npos ? std::string::npos : buffer.find('>', open);
    if (close == std::string::npos) {
      out.append(buffer, pos, std::string::npos);
      break;
    }
    out.append(buffer, pos, open - pos);
    pos = close + 1;
  }
  buffer.swap(out);
}

void GTranslation::ClearTokens(char* buffer) {
  if (!buffer) return;
  std::string s(buffer);
  ClearTokens(s);
  memcpy(buffer, s.c_str(), s.size() + 1);  // never longer than before
}

const char* GTranslation::Crop(const std::string& text, int n) {
  std::string& r = Translations().result;
  r = text;
  if (n < 0) n = 0;
  if (r.size() > (size_t)n) {
    r.resize((size_t)n);
    // Too narrow for the dots: the plain cut is the most that fits.
    if (n >= 3) r.replace((size_t)n - 3, 3, "...");
  }
  return r.c_str();
}

IniLoader* GTranslation::GetLoader(const char* section, const char* file) {
  std::string sec = section ? section : "";
  std::string fil = file ? file : "";
  TranslationState& s = Translations();
  for (auto& c : s.loaders) {
    if (c.section == sec && c.file == fil) return c.loader;
  }
  IniLoader* loader = new IniLoader();
  loader->LoadSection(sec.c_str(), fil.c_str());
  s.loaders.push_back({sec, fil, loader});
  return loader;
}

const char* GTranslation::GetRandomString(const char* section, const char* file) {
  std::string& r = Translations().result;
  IniLoader* loader = GetLoader(section, file);
  int n = loader->Count();
  if (n <= 0) {
    std::string key = GFormat("WARNING - No random translation keys found (%s in %s)", section ? section : "",
                              file ? file : "");
    GWarnOnce(key, key.c_str(), __FILE__, __LINE__);
    r.clear();
    return r.c_str();
  }
  r = loader->GetValue(std::to_string(rand() % n).c_str());
  return r.c_str();
}

const char* GTranslation::GetRandomString(const char* section) {
  return GetRandomString(section, Translations().stringsFile.c_str());
}

const char* GTranslation::GetValueName(float value, const char* section) {
  TranslationState& s = Translations();
  IniLoader* loader = GetLoader(section, s.stringsFile.c_str());
  int n = loader->Count();
  if (n <= 0) {
    std::string key = GFormat("no value names in section \"%s\" of %s", section ? section : "",
                              s.stringsFile.c_str());
    GWarnOnce(key, key.c_str(), __FILE__, __LINE__);
    s.result.clear();
    return s.result.c_str();
  }
  float band = (float)n * value;
  int i;
  if (!(band >= 1.0f)) {
    i = 0;  // also catches NaN
  } else if (band >= (float)n) {
    i = n - 1;
  } else {
    i = (int)band;
  }
  s.result = loader->GetValue(std::to_string(i).c_str());
  return s.result.c_str();
}

void GTranslation::BuildTokenList(const char* pairs) {
  auto& tokens = Translations().tokens;
  tokens.clear();
  if (!pairs) return;
  std::string_view p(pairs);
  size_t pos = 0;
  for (;;) {
    size_t eq = p.find('=', pos);
    if (eq == std::string_view::npos) break;
    size_t comma = p.find(',', eq + 1);
    if (comma == std::string_view::npos) break;
    tokens.push_back({std::string(p.substr(pos, eq - pos)), std::string(p.substr(eq + 1, comma - eq - 1))});
    pos = comma + 1;
  }
}

std::string GTranslation::GetToken(const char* name) {
  std::string_view n(name ? name : "");
  for (const auto& t : Translations().tokens) {
    if (t.name == n) return t.value;
  }
  std::string w = GFormat("failed to find token:%s", name ? name : "");
  GWarnOnce(w, w.c_str(), __FILE__, __LINE__);
  return "";
}

std::string GTranslation::GetTokenisedString(const char* key, const char* pairs) {
  BuildTokenList(pairs);
  std::string text = GetString(key);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('<', pos);
    size_t close = open == std::string::npos ? std::string::npos : text.find('>', open);
    if (close == std::string::npos) {
      out.append(text, pos, std::string::npos);
      break;
    }
    out.append(text, pos, open - pos);
    out += GetToken(text.substr(open + 1, close - open - 1).c_str());
    pos = close + 1;
  }
  return out;
}

void GTranslation::Close() {
  TranslationState& s = Translations();
  s.tokens.clear();
  for (auto& c : s.loaders) delete c.loader;
  s.loaders.clear();
}

void GTranslation::Reload() {
  Translations().table.Unload();
  Translations().missing.Unload();
}

void GTranslation::UseStringsFile(const char* file) {
  Translations().stringsFile = file ? file : "data/strings.ini";
  Reload();
}

const char* GTranslation::GetStringsFile() { return Translations().stringsFile.c_str(); }
