#include "StringUtils.h"

#include <cctype>
#include <cmath>
#include <cstring>

std::string TrimEnd(const std::string& text) {
  if (text.empty() || text.size() >= 1024) return text;
  if (text.size() == 1) {
    char c = text[0];
    return (c == ' ' || c == '\r' || c == '\n') ? std::string() : text;
  }
  // The first character is never examined: whitespace alone keeps its first character.
  size_t end = text.size();
  while (end > 1) {
    char c = text[end - 1];
    if (c != ' ' && c != '\r' && c != '\n') break;
    --end;
  }
  return text.substr(0, end);
}

std::string LowerCase(const std::string& text) {
  if (text.size() >= 1024) return text;
  std::string out = text;
  for (char& c : out) c = (char)std::tolower((unsigned char)c);
  return out;
}

std::string UpperCase(const std::string& text) {
  if (text.size() >= 1024) return text;
  std::string out = text;
  for (char& c : out) c = (char)std::toupper((unsigned char)c);
  return out;
}

std::string AddDots(const std::string& text, int n) {
  if (n < 0) n = 0;
  if (text.size() > (size_t)n) return text.substr(0, (size_t)n) + "...";
  return text;
}

bool SplitKeyValue(const char* line, std::string& key, std::string& value) {
  if (!line) return false;
  const char* eq = std::strchr(line, '=');
  if (!eq) return false;
  key = TrimEnd(std::string(line, (size_t)(eq - line)));
  const char* v = eq + 1;
  while (*v == ' ') ++v;
  value = TrimEnd(v);
  return true;
}

std::string NumToDelimitedChar(long n) {
  if (n == 0) return "0";
  // Unsigned so that the most negative long has an absolute value too.
  unsigned long magnitude = n < 0 ? 0ul - (unsigned long)n : (unsigned long)n;
  std::string digits = std::to_string(magnitude);
  std::string out;
  int lead = (int)(digits.size() % 3);
  if (lead == 0) lead = 3;
  out.append(digits, 0, (size_t)lead);
  for (size_t i = (size_t)lead; i < digits.size(); i += 3) {
    out += ',';
    out.append(digits, i, 3);
  }
  return n < 0 ? "-" + out : out;
}

void NumToDelimitedChar(long n, char* out) {
  if (!out) return;
  std::string text = NumToDelimitedChar(n);
  // The buffer holds 16 characters: every 32-bit amount fits; larger ones are cut, never overrun.
  size_t len = text.size() < 15 ? text.size() : 15;
  std::memcpy(out, text.data(), len);
  out[len] = 0;
}

float GetDist(float x1, float y1, float x2, float y2) {
  float dx = x2 - x1, dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

double Angle(double x1, double y1, double x2, double y2) { return std::atan2(y2 - y1, x2 - x1); }

float AngleToObject(double x1, double y1, double x2, double y2) {
  double degrees = (3.141590118408203 + Angle(x1, y1, x2, y2)) * 57.29582595825195 - 90.0;
  if (degrees < 0.0) degrees += 360.0;
  return (float)degrees;
}

std::string ToForwardSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}
