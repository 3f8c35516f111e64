#include "IniParser.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GDebug.h"

namespace {

const int kMinCapacity = 128;
const size_t kMaxLine = 2047;  // longer lines are split and the rest read as a further line

char* CopyString(const char* s) {
  if (!s) return nullptr;
  size_t len = std::strlen(s);
  char* out = static_cast<char*>(std::malloc(len + 1));
  std::memcpy(out, s, len + 1);
  return out;
}

bool IsSpace(char c) { return std::isspace((unsigned char)c) != 0; }

std::string CropEnd(std::string s) {
  while (!s.empty() && IsSpace(s.back())) s.pop_back();
  return s;
}

// Slot of the entry with that exact name, or -1.
int FindSlot(dictionary* d, const char* key) {
  if (!d || !key) return -1;
  uint32_t h = dictionary_hash(key);
  for (int i = 0; i < d->size; ++i) {
    if (!d->key[i]) continue;
    if (d->hash[i] == h && std::strcmp(d->key[i], key) == 0) return i;
  }
  return -1;
}

void Grow(dictionary* d) {
  int newSize = d->size * 2;
  d->val = static_cast<char**>(std::realloc(d->val, sizeof(char*) * (size_t)newSize));
  d->key = static_cast<char**>(std::realloc(d->key, sizeof(char*) * (size_t)newSize));
  d->hash = static_cast<uint32_t*>(std::realloc(d->hash, sizeof(uint32_t) * (size_t)newSize));
  for (int i = d->size; i < newSize; ++i) {
    d->val[i] = nullptr;
    d->key[i] = nullptr;
    d->hash[i] = 0;
  }
  d->size = newSize;
}

// Reads "<quote>value<quote>": the characters up to the closing quote or the end of the line.
// Needs at least one character that is not the quote.
bool QuotedValue(const std::string& rest, char quote, std::string& value) {
  if (rest.size() < 2 || rest[0] != quote || rest[1] == quote) return false;
  size_t close = rest.find(quote, 1);
  value = rest.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  return true;
}

// One line of an ini file, leading whitespace already skipped.
void ParseLine(dictionary* d, const std::string& line, std::string& section) {
  if (line.empty() || line[0] == ';' || line[0] == '#') return;

  if (line[0] == '[' && line.size() > 1 && line[1] != ']') {
    size_t close = line.find(']', 1);
    section = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    dictionary_set(d, section.c_str(), nullptr);
    return;
  }

  size_t eq = line.find('=');
  if (eq == std::string::npos || eq == 0) return;
  std::string key = CropEnd(line.substr(0, eq));
  size_t start = eq + 1;
  while (start < line.size() && IsSpace(line[start])) ++start;
  std::string rest = line.substr(start);

  std::string value;
  if (!QuotedValue(rest, '"', value) && !QuotedValue(rest, '\'', value)) {
    size_t end = rest.find_first_of(";#");
    value = rest.substr(0, end);
    if (value.empty()) return;  // nothing after "=": not an entry
  }
  // Trimmed first, so that two quotes followed by spaces or an inline comment are empty too.
  value = CropEnd(value);
  if (value == "\"\"" || value == "''") value.clear();

  std::string name = section.empty() ? key : section + ":" + key;
  dictionary_set(d, name.c_str(), value.c_str());
}

// The string helpers hand back static buffers of 2048 characters, as their callers expect.
char g_strBuffer[2048];

const char* IntoBuffer(const std::string& s) {
  size_t len = s.size() < sizeof g_strBuffer - 1 ? s.size() : sizeof g_strBuffer - 1;
  std::memcpy(g_strBuffer, s.data(), len);
  g_strBuffer[len] = 0;
  return g_strBuffer;
}

}  // namespace

dictionary* dictionary_new(int size) {
  if (size < kMinCapacity) size = kMinCapacity;
  dictionary* d = new dictionary;
  d->n = 0;
  d->size = size;
  d->val = static_cast<char**>(std::calloc((size_t)size, sizeof(char*)));
  d->key = static_cast<char**>(std::calloc((size_t)size, sizeof(char*)));
  d->hash = static_cast<uint32_t*>(std::calloc((size_t)size, sizeof(uint32_t)));
  return d;
}

void dictionary_del(dictionary* d) {
  if (!d) return;
  for (int i = 0; i < d->size; ++i) {
    std::free(d->key[i]);
    std::free(d->val[i]);
  }
  std::free(d->val);
  std::free(d->key);
  std::free(d->hash);
  delete d;
}

uint32_t dictionary_hash(const char* key) {
  uint32_t h = 0;
  if (!key) return 0;
  for (const char* p = key; *p; ++p) {
    h += (uint32_t)(int32_t)(signed char)*p;
    h += h << 10;
    h ^= h >> 6;
  }
  h += h << 3;
  h ^= h >> 11;
  h += h << 15;
  return h;
}

const char* dictionary_get(dictionary* d, const char* key, const char* def) {
  int slot = FindSlot(d, key);
  return slot < 0 ? def : d->val[slot];
}

char dictionary_getchar(dictionary* d, const char* key, char def) {
  const char* v = dictionary_get(d, key, nullptr);
  return v ? v[0] : def;
}

int dictionary_getint(dictionary* d, const char* key, int def) {
  const char* v = dictionary_get(d, key, nullptr);
  return v ? std::atoi(v) : def;
}

double dictionary_getdouble(dictionary* d, const char* key, double def) {
  const char* v = dictionary_get(d, key, nullptr);
  return v ? std::atof(v) : def;
}

void dictionary_set(dictionary* d, const char* key, const char* val) {
  if (!d || !key) return;
  int slot = FindSlot(d, key);
  if (slot >= 0) {
    std::free(d->val[slot]);
    d->val[slot] = CopyString(val);
    return;
  }
  if (d->n == d->size) Grow(d);
  for (int i = 0; i < d->size; ++i) {
    if (d->key[i]) continue;
    d->key[i] = CopyString(key);
    d->val[i] = CopyString(val);
    d->hash[i] = dictionary_hash(key);
    d->n++;
    return;
  }
}

void dictionary_unset(dictionary* d, const char* key) {
  int slot = FindSlot(d, key);
  if (slot < 0) return;
  std::free(d->key[slot]);
  std::free(d->val[slot]);
  d->key[slot] = nullptr;
  d->val[slot] = nullptr;
  d->hash[slot] = 0;
  d->n--;
}

void dictionary_setint(dictionary* d, const char* key, int val) {
  char text[32];
  std::snprintf(text, sizeof text, "%d", val);
  dictionary_set(d, key, text);
}

void dictionary_setdouble(dictionary* d, const char* key, double val) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", val);
  dictionary_set(d, key, text);
}

void dictionary_dump(dictionary* d, FILE* out) {
  if (!d || !out) return;
  if (d->n < 1) {
    std::fprintf(out, "empty dictionary\n");
    return;
  }
  for (int i = 0; i < d->size; ++i)
    if (d->key[i]) std::fprintf(out, "%20s\t[%s]\n", d->key[i], d->val[i] ? d->val[i] : "UNDEF");
}

dictionary* iniparser_load_text(const char* text, const char* origin) {
  dictionary* d = dictionary_new(0);
  if (!text) return d;
  std::string section;
  const char* p = text;
  int lineNumber = 0;
  while (*p) {
    const char* end = std::strchr(p, '\n');
    size_t len = end ? (size_t)(end - p) : std::strlen(p);
    ++lineNumber;
    std::string physical(p, len);
    if (!physical.empty() && physical.back() == '\r') physical.pop_back();
    if (physical.size() > kMaxLine)
      GWarning(GFormat("%s line %d is longer than %d characters; the rest is read as a further line",
                       origin ? origin : "ini text", lineNumber, (int)kMaxLine).c_str(),
               __FILE__, __LINE__);
    size_t at = 0;
    do {
      std::string chunk = physical.substr(at, kMaxLine);
      size_t first = 0;
      while (first < chunk.size() && IsSpace(chunk[first])) ++first;
      ParseLine(d, chunk.substr(first), section);
      at += kMaxLine;
    } while (at < physical.size());
    p += len;
    if (*p == '\n') ++p;
  }
  return d;
}

dictionary* iniparser_load(const char* path) {
  if (!path) return nullptr;
  FILE* f = std::fopen(path, "r");
  if (!f) return nullptr;
  std::string text;
  char buffer[8192];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
  std::fclose(f);
  // A zero byte ends a line's text, as it would for any C reader.
  for (char& c : text)
    if (c == 0) c = '\n';
  return iniparser_load_text(text.c_str(), path);
}

void iniparser_freedict(dictionary* d) { dictionary_del(d); }

const char* iniparser_getstring(dictionary* d, const char* name, const char* def) {
  if (!d || !name) return def;
  int slot = FindSlot(d, name);
  if (slot < 0 || !d->val[slot]) return def;
  return d->val[slot];
}

const char* iniparser_getstr(dictionary* d, const char* name) { return iniparser_getstring(d, name, nullptr); }

int iniparser_getint(dictionary* d, const char* name, int def) {
  const char* v = iniparser_getstring(d, name, nullptr);
  return v ? (int)std::strtol(v, nullptr, 10) : def;
}

double iniparser_getdouble(dictionary* d, const char* name, double def) {
  const char* v = iniparser_getstring(d, name, nullptr);
  return v ? std::atof(v) : def;
}

int iniparser_getboolean(dictionary* d, const char* name, int def) {
  const char* v = iniparser_getstring(d, name, nullptr);
  if (!v) return def;
  switch (v[0]) {
    case '1': case 'T': case 't': case 'Y': case 'y': return 1;
    case '0': case 'F': case 'f': case 'N': case 'n': return 0;
    default: return def;
  }
}

int iniparser_find_entry(dictionary* d, const char* name) { return FindSlot(d, name) >= 0 ? 1 : 0; }

int iniparser_setstr(dictionary* d, const char* name, const char* value) {
  if (!d || !name) return -1;
  dictionary_set(d, name, value);
  return 0;
}

void iniparser_unset(dictionary* d, const char* name) { dictionary_unset(d, name); }

int iniparser_getnsec(dictionary* d) {
  if (!d) return -1;
  int count = 0;
  for (int i = 0; i < d->size; ++i)
    if (d->key[i] && !std::strchr(d->key[i], ':')) ++count;
  return count;
}

const char* iniparser_getsecname(dictionary* d, int n) {
  if (!d || n < 0) return nullptr;
  for (int i = 0; i < d->size; ++i) {
    if (!d->key[i] || std::strchr(d->key[i], ':')) continue;
    if (n-- == 0) return d->key[i];
  }
  return nullptr;
}

void iniparser_dump(dictionary* d, FILE* f) {
  if (!d || !f) return;
  for (int i = 0; i < d->size; ++i) {
    if (!d->key[i]) continue;
    if (d->val[i]) std::fprintf(f, "[%s]=[%s]\n", d->key[i], d->val[i]);
    else std::fprintf(f, "[%s]=UNDEF\n", d->key[i]);
  }
}

void iniparser_dump_ini(dictionary* d, FILE* f) {
  if (!d || !f) return;
  int nsec = iniparser_getnsec(d);
  if (nsec < 1) {
    for (int i = 0; i < d->size; ++i)
      if (d->key[i]) std::fprintf(f, "%s = %s\n", d->key[i], d->val[i] ? d->val[i] : "");
    return;
  }
  for (int s = 0; s < nsec; ++s) {
    std::string name = iniparser_getsecname(d, s);
    std::fprintf(f, "\n[%s]\n", name.c_str());
    std::string prefix = name + ":";
    for (int i = 0; i < d->size; ++i) {
      if (!d->key[i] || std::strncmp(d->key[i], prefix.c_str(), prefix.size()) != 0) continue;
      std::fprintf(f, "%-30s = %s\n", d->key[i] + prefix.size(), d->val[i] ? d->val[i] : "");
    }
  }
  std::fprintf(f, "\n");
}

const char* strlwc(const char* s) {
  if (!s) return nullptr;
  std::string out(s);
  for (char& c : out) c = (char)std::tolower((unsigned char)c);
  return IntoBuffer(out);
}

const char* strupc(const char* s) {
  if (!s) return nullptr;
  std::string out(s);
  for (char& c : out) c = (char)std::toupper((unsigned char)c);
  return IntoBuffer(out);
}

const char* strskp(const char* s) {
  if (!s) return nullptr;
  while (*s && IsSpace(*s)) ++s;
  return s;
}

const char* strcrop(const char* s) {
  if (!s) return nullptr;
  return IntoBuffer(CropEnd(s));
}

const char* strstrip(const char* s) {
  if (!s) return nullptr;
  return IntoBuffer(CropEnd(strskp(s)));
}
