// The ini parser over any text: every entry it keeps must read back through each typed getter,
// and the section listing must agree with the entries.
#include <cstdio>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "IniParser.h"

VORLA2_FUZZ_TARGET;

namespace {
FILE* g_sink = nullptr;
}

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  g_sink = std::fopen("/dev/null", "w");
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  dictionary* d = iniparser_load_text(text.c_str(), "fuzz.ini");
  fuzz::Check(d != nullptr, "iniparser_load_text gave no dictionary");
  fuzz::Check(d->n >= 0 && d->n <= d->size, "entry count outside the capacity");

  int entries = 0;
  for (int i = 0; i < d->size; ++i) {
    const char* key = d->key[i];
    if (!key) continue;
    ++entries;
    fuzz::Check(iniparser_find_entry(d, key) == 1, "a stored key is not found");
    const char* value = iniparser_getstring(d, key, nullptr);
    fuzz::Check(value == d->val[i], "a key reads back another slot");
    iniparser_getint(d, key, -1);
    iniparser_getdouble(d, key, -1.0);
    iniparser_getboolean(d, key, -1);
    dictionary_getchar(d, key, '?');
    strstrip(key);
    strlwc(key);
    if (value) strcrop(value);
  }
  fuzz::Check(entries == d->n, "entry count disagrees with the slots in use");

  const int sections = iniparser_getnsec(d);
  for (int s = 0; s < sections && s < 32; ++s)
    fuzz::Check(iniparser_getsecname(d, s) != nullptr, "a counted section has no name");
  fuzz::Check(iniparser_getsecname(d, sections) == nullptr, "a section past the count has a name");

  iniparser_dump_ini(d, g_sink);
  iniparser_dump(d, g_sink);
  iniparser_freedict(d);
  fuzz::Forget();
  return 0;
}
