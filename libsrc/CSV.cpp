#include "CSV.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <climits>
#include <cstdlib>
#include <limits>

#include "GDebug.h"
#include "StringUtils.h"

void CSV::Initialise(const char* line, char separator, const char* origin) {
  m_origin = origin ? origin : "";
  m_problems = 0;
  m_warned = false;
  m_separator = separator;
  m_readPos = 0;
  m_line = line ? line : "";
  m_token.clear();
  if ((int)m_line.size() >= kMaxLine) {
    m_line.resize(kMaxLine - 1);
    Report("line of 16384 characters or more cut");
  }
  m_length = (int)m_line.size();
  m_token.reserve(m_line.size());
}

void CSV::Report(const char* what) {
  ++m_problems;
  if (m_warned) return;
  m_warned = true;
  // One line per broken row: name the row by its origin, or by its first characters.
  std::string where = m_origin.empty() ? "\"" + m_line.substr(0, 60) + "\"" : m_origin;
  std::string text = GFormat("CSV: %s in %s", what, where.c_str());
  GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
}

const char* CSV::GetNextToken() {
  m_token.clear();
  if (m_readPos > m_length) {
    // Rows of a table are read field by field; a short row yields empty fields. Ad-hoc splits
    // (no origin) probe for optional fields this way, so only table rows are reported.
    if (!m_origin.empty()) {
      Report("a field read past the end of the row");
    } else {
      ++m_problems;
    }
    return m_token.c_str();
  }
  bool inQuotes = false;
  for (;;) {
    char c = m_readPos < m_length ? m_line[m_readPos] : '\0';
    if (c == '\0') {
      if (inQuotes) Report("quote not closed");
      break;
    }
    if (c == '"') {
      inQuotes = !inQuotes;
      if (m_preserveQuotes) m_token += c;
      ++m_readPos;
      continue;
    }
    if (!inQuotes && (c == m_separator || c == '\r' || c == '\n')) break;
    m_token += c;
    ++m_readPos;
  }
  // Past the character that ended the token; a CR LF pair is one line end, so a table saved with
  // Windows line ends yields the same fields as one with plain line feeds.
  if (m_readPos < m_length && m_line[m_readPos] == '\r' && m_readPos + 1 < m_length && m_line[m_readPos + 1] == '\n')
    ++m_readPos;
  ++m_readPos;
  return m_token.c_str();
}

std::string CSV::GetNextString() { return TrimEnd(GetNextToken()); }

int CSV::GetNextInt() { return ParseInt(GetNextString().c_str()); }

float CSV::GetNextFloat() { return ParseFloat(GetNextString().c_str()); }

bool CSV::Finished() const { return m_readPos >= m_length; }

std::string CSV::FieldOrigin(const std::string& rowOrigin, const char* field) {
  if (rowOrigin.empty()) return rowOrigin;
  std::string text = field ? field : "";
  if (text.size() > 60) text = text.substr(0, 60) + "...";
  return rowOrigin + " (field \"" + text + "\")";
}

int CSV::ParseInt(const char* text) {
  if (!text) return 0;
  long v = std::strtol(text, nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return (int)v;
}

bool CSV::IsNumber(const std::string& text, bool whole) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  if (text[i] == '-' || text[i] == '+') ++i;
  bool digits = false;
  bool point = whole;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return digits && text.find_first_not_of(" \t", i) == std::string::npos;
    }
  }
  return digits;
}

float CSV::ParseFloat(const char* text) {
  if (!text) return 0.0f;
  while (*text && std::isspace((unsigned char)*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  // One sign only: from_chars would take a second "-" as the number's own.
  if (*text == '+' || *text == '-') return 0.0f;
  const char* end = text;
  while (*end) ++end;
  double v = 0.0;
  auto res = std::from_chars(text, end, v, std::chars_format::general);
  if (res.ec != std::errc() || std::isnan(v)) return 0.0f;  // "nan" is text, not a number
  const double maxf = static_cast<double>(std::numeric_limits<float>::max());
  if (v > maxf) v = maxf;
  return (float)(negative ? -v : v);
}
