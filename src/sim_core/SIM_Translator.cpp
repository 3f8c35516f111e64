#include "SIM_Translator.h"

#include <string>

#include "GTranslation.h"

bool SIM_Translator::BL33t = false;

const char* SIM_Translator::GetString(const char* key) {
  const char* text = GTranslation::GetString(key);
  if (!BL33t || !text) return text;
  static std::string copy;
  copy = text;
  for (char& c : copy) {
    switch (c) {
      case 'A': c = '4'; break;
      case 'E':
      case 'e': c = '3'; break;
      case 'O':
      case 'o': c = '0'; break;
      case 'a': c = '@'; break;
      case 'i': c = '!'; break;
      default: break;
    }
  }
  return copy.c_str();
}
