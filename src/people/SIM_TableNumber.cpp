#include "SIM_TableNumber.h"

#include <cstdlib>

#include "CSV.h"
#include "GDebug.h"

namespace people {

float TableFloat(const std::string& field, const std::string& origin, const char* column) {
  size_t start = field.find_first_not_of(" \t");
  if (start == std::string::npos) return 0.0f;  // an empty field is a plain 0
  const char* text = field.c_str() + start;
  char* end = nullptr;
  std::strtod(text, &end);
  // The game's own conversion decides the value; strtod only tells whether the whole field is one.
  const bool number = end != text && std::string(end).find_first_not_of(" \t\r\n") == std::string::npos;
  if (!number) {
    std::string message = GFormat("%s: \"%s\" is not a number (%s); read as 0", origin.c_str(), field.c_str(), column);
    GWarnOnce(message, message.c_str(), __FILE__, __LINE__);
    return 0.0f;
  }
  return CSV::ParseFloat(text);
}

}  // namespace people
