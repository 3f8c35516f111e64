#pragma once
// The number fields of the people tables: a word where a number belongs reads as 0, as the C
// library would, but says so once with the row's "file:line" so a typo in the data shows.
#include <string>

namespace people {
float TableFloat(const std::string& field, const std::string& origin, const char* column);
}  // namespace people
