#include "PrivateProfile.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GDebug.h"
#include "IniParser.h"
#include "Paths.h"
#include "PreferencesStore.h"
#include "StringUtils.h"

namespace {

std::string Str(const char* s) { return s ? std::string(s) : std::string(); }

int CopyOut(const std::string& text, char* out, int size) {
  if (!out || size <= 0) return 0;
  size_t len = text.size() < (size_t)size - 1 ? text.size() : (size_t)size - 1;
  std::memcpy(out, text.data(), len);
  out[len] = 0;
  return (int)len;
}

bool IsReadableFile(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

dictionary* GetDictionaryForFilename(const char* file) {
  if (!file || !file[0]) return nullptr;
  std::string path = ToForwardSlashes(file);
  bool absoluteBundlePath = path.find("Resources") != std::string::npos || path.find(".vede") != std::string::npos;
  if (!IsReadableFile(path) && !absoluteBundlePath) {
    const std::string& resources = GetResourcesDir();
    if (resources.empty()) return nullptr;
    path = resources + "/" + path;
  }
  if (dictionary* d = iniparser_load(path.c_str())) return d;
  // A missing settings file is created empty where the folder allows it; a read-only data folder
  // is no error, the defaults simply apply.
  if (FILE* f = std::fopen(path.c_str(), "a")) std::fclose(f);
  return iniparser_load(path.c_str());
}

std::string GetPrivateProfileString(const char* section, const char* key, const char* def, const char* file) {
  std::string stored;
  if (PreferencesStore::Get().Lookup(Str(file), Str(section), Str(key), stored) && !stored.empty()) return stored;
  dictionary* d = GetDictionaryForFilename(file);
  std::string name = Str(section) + ":" + Str(key);
  std::string result = Str(iniparser_getstring(d, name.c_str(), def ? def : ""));
  iniparser_freedict(d);
  return result;
}

int GetPrivateProfileString(const char* section, const char* key, const char* def, char* out, int size,
                            const char* file) {
  return CopyOut(GetPrivateProfileString(section, key, def, file), out, size);
}

int GetPrivateProfileInt(const char* section, const char* key, int def, const char* file) {
  char fallback[32];
  std::snprintf(fallback, sizeof fallback, "%d", def);
  char text[128];
  GetPrivateProfileString(section, key, fallback, text, sizeof text, file);
  return std::atoi(text);
}

float GetPrivateProfileFloat(const char* section, const char* key, float def, const char* file) {
  char text[32];
  GetPrivateProfileString(section, key, "0", text, sizeof text, file);
  if (!text[0]) return def;
  return std::strtof(text, nullptr);
}

uint32_t GetPrivateProfileRGBA(const char* section, const char* key, const char* file) {
  char text[32];
  GetPrivateProfileString(section, key, "0,0,0,0", text, sizeof text, file);
  int c[4] = {0, 0, 0, 0};
  int fields = std::sscanf(text, "%d , %d , %d , %d", &c[0], &c[1], &c[2], &c[3]);
  // Three fields mean an opaque colour; fewer leave the missing ones at 0.
  if (fields == 3) c[3] = 255;
  return (uint32_t)(c[0] & 255) | (uint32_t)(c[1] & 255) << 8 | (uint32_t)(c[2] & 255) << 16 |
         (uint32_t)(c[3] & 255) << 24;
}

int GetPrivateProfileSection(const char* section, std::string& out, const char* file) {
  out.clear();
  auto stored = PreferencesStore::Get().Section(Str(file), Str(section));
  if (!stored.empty()) {
    // Once the store holds any key of a section, the file's section is not read at all.
    for (const auto& [k, v] : stored) {
      out += k + "=" + v;
      out += '\0';
    }
    int count = (int)out.size();
    out += '\0';
    return count;
  }
  dictionary* d = GetDictionaryForFilename(file);
  if (!d) {
    out += '\0';
    return 0;
  }
  std::string prefix = Str(section) + ":";
  for (int i = 0; i < d->size; ++i) {
    if (!d->key[i] || std::strncmp(d->key[i], prefix.c_str(), prefix.size()) != 0) continue;
    out += std::string(d->key[i] + prefix.size()) + "=" + (d->val[i] ? d->val[i] : "");
    out += '\0';
  }
  iniparser_freedict(d);
  int count = (int)out.size();
  out += '\0';
  return count;
}

int GetPrivateProfileSection(const char* section, char* out, int size, const char* file) {
  if (!out || size <= 0) return 0;
  std::string text;
  int total = GetPrivateProfileSection(section, text, file);
  // Copy whole pairs while they and the closing zero fit.
  int written = 0;
  int pairs = 0;
  while (written < total) {
    size_t pairLen = std::strlen(text.c_str() + written) + 1;
    if ((size_t)written + pairLen + 1 > (size_t)size) {
      GWarnOnce(GFormat("section-cut:%s:%s:%d", Str(file).c_str(), Str(section).c_str(), size),
                GFormat("Section [%s] of %s does not fit in %d bytes; only its first %d entries are read",
                        Str(section).c_str(), Str(file).c_str(), size, pairs).c_str(),
                __FILE__, __LINE__);
      break;
    }
    std::memcpy(out + written, text.data() + written, pairLen);
    written += (int)pairLen;
    ++pairs;
  }
  out[written < size ? written : size - 1] = 0;
  return written;
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* file) {
  PreferencesStore::Get().Set(Str(file), Str(section), Str(key), Str(value));
  return true;
}

bool WritePrivateProfileInt(const char* section, const char* key, int value, const char* file) {
  char text[32];
  std::snprintf(text, sizeof text, "%d", value);
  return WritePrivateProfileString(section, key, text, file);
}

bool WritePrivateProfileFloat(const char* section, const char* key, float value, const char* file) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", (double)value);
  return WritePrivateProfileString(section, key, text, file);
}

namespace RegistryLib {
// The registry keys live in the store beside the ini settings, under a file name of their own.
const char* kRegistryFile = "registry";

bool WriteKey(const char*, const char* name, const char* value) {
  PreferencesStore::Get().Set(kRegistryFile, "", Str(name), Str(value));
  return true;
}

bool ReadKey(const char*, const char* name, char* out) {
  std::string value;
  if (!PreferencesStore::Get().Lookup(kRegistryFile, "", Str(name), value)) return false;
  CopyOut(value, out, 32);
  return true;
}
}  // namespace RegistryLib
