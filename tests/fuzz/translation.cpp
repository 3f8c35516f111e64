// GTranslation over a strings file: the texts of its keys, random texts and value names from its
// other sections, tokens replaced and cleared.
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "GTranslation.h"
#include "IniLoader.h"

VORLA2_FUZZ_TARGET;

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteInput("strings.ini", data, size);
  GTranslation::UseStringsFile(path.c_str());
  std::srand(1);

  // The keys of section "strings" as the loader sees them, then a few the game asks for.
  IniLoader strings;
  strings.LoadSection("strings", path.c_str());
  size_t asked = 0;
  for (const IniLoader::Entry& e : strings.Entries()) {
    if (++asked > 16) break;
    const char* text = GTranslation::GetString(e.key);
    fuzz::Check(text != nullptr && std::strlen(text) <= 2046 + 255, "a text longer than any stored");
    std::string buffer = text;
    GTranslation::ReplaceToken(buffer, "<NAME>", "Sam");
    GTranslation::ReplaceToken(buffer, "<RAVEZIRER>", 1234567);
    char fixed[64];
    std::strncpy(fixed, text, sizeof fixed - 1);
    fixed[sizeof fixed - 1] = 0;
    GTranslation::ReplaceToken(fixed, sizeof fixed, "<NAME>", "a rather long name for so small a buffer");
    GTranslation::ClearTokens(fixed);
    GTranslation::ClearTokens(buffer);
    GTranslation::Crop(buffer, 12);
    GTranslation::GetTokenisedString(e.key.c_str(), "NAME=Sam,AGE=30,");
  }
  GTranslation::GetString("MENU_QUIT");
  GTranslation::GetString("");

  IniLoader sections;
  sections.LoadAllSectionNames(path.c_str());
  size_t drawn = 0;
  for (const std::string& section : sections.SectionNames()) {
    if (++drawn > 3) break;
    GTranslation::GetRandomString(section.c_str());
    GTranslation::GetValueName(0.0f, section.c_str());
    GTranslation::GetValueName(0.999f, section.c_str());
    GTranslation::GetValueName(2.0f, section.c_str());
  }
  // Cached loaders would outlive this input's file.
  GTranslation::Close();
  fuzz::Forget();
  return 0;
}
