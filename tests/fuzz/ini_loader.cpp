// IniLoader over the section text it is handed ("key=value\0...\0") and over a whole ini file read
// through the settings calls, section by section.
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "IniLoader.h"
#include "PrivateProfile.h"

VORLA2_FUZZ_TARGET;

namespace {

// Everything a caller may ask of a loaded section.
void ReadBack(IniLoader& loader) {
  for (const IniLoader::Entry& e : loader.Entries()) {
    fuzz::Check(e.key.size() <= 255 && e.value.size() <= 2046, "an entry longer than its limit");
    fuzz::Check(loader.HasValue(e.key.c_str()), "a loaded key is not found");
    loader.GetValueI(e.key.c_str());
    loader.GetValueF(e.key.c_str(), 0.5f);
    loader.GetColor(e.key.c_str());
  }
  loader.SetValueF(loader.Count() ? loader.Entries()[0].key.c_str() : "none", 1.25f);
  char key[256];
  while (loader.GetNextKey(key)) {
  }
  // The tuning table's reading: short value buffers, lines until a section starts.
  char shortValue[31];
  while (loader.GetNextLine(key, sizeof key, shortValue, sizeof shortValue)) {
    fuzz::Check(std::strlen(key) < sizeof key && std::strlen(shortValue) < sizeof shortValue, "a line overran");
  }
}

}  // namespace

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IniLoader direct;
  direct.LoadFromSectionText(fuzz::Bytes(data, size), "fuzz section");
  ReadBack(direct);

  const std::string path = fuzz::WriteInput("loader.ini", data, size);
  IniLoader names;
  names.LoadAllSectionNames(path.c_str());
  // Every settings call parses the whole file again: two sections and one key say enough.
  size_t read = 0;
  for (const std::string& section : names.SectionNames()) {
    if (++read > 2) break;
    IniLoader loader;
    loader.LoadSection(section.c_str(), path.c_str());
    ReadBack(loader);
    if (read == 1 && loader.Count() > 0) {
      const char* key = loader.Entries()[0].key.c_str();
      GetPrivateProfileInt(section.c_str(), key, 7, path.c_str());
      GetPrivateProfileFloat(section.c_str(), key, 0.5f, path.c_str());
      GetPrivateProfileRGBA(section.c_str(), key, path.c_str());
    }
  }
  if (!names.SectionNames().empty()) {
    char small[64];
    GetPrivateProfileSection(names.SectionNames()[0].c_str(), small, sizeof small, path.c_str());
  }
  fuzz::Forget();
  return 0;
}
