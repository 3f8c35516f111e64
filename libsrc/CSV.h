#pragma once
// Splits one line of separated text; double quotes group a field, so a quoted field keeps the
// separators inside it. Tokens end at the separator, a carriage return, a line feed or the end of
// the line.
//
// Broken input never stops the game: a line of 16384 characters or more is cut there, a quote
// left open runs to the end of the line, and a field read past the last one is empty. Each such
// line gets one warning naming `origin` ("file:line" for table rows); Problems() counts them so
// the data lint can insist on clean tables.
#include <string>

class CSV {
 public:
  static constexpr int kMaxLine = 16384;

  CSV() = default;
  ~CSV() = default;
  CSV(const CSV&) = delete;
  CSV& operator=(const CSV&) = delete;

  void Initialise(const char* line, char separator, const char* origin = nullptr);
  void Initialise(const std::string& line, char separator, const std::string& origin) {
    Initialise(line.c_str(), separator, origin.c_str());
  }
  const char* GetNextToken();  // valid until the next call; "" past the last field
  std::string GetNextString();  // the token without trailing spaces, CRs and LFs
  int GetNextInt();             // non-numeric text gives 0
  float GetNextFloat();         // non-numeric text gives 0; never locale-dependent
  bool Finished() const;
  void SetPreserveQuotes(bool preserve) { m_preserveQuotes = preserve; }

  // How many faults this line had (a cut, an open quote, a read past the end).
  int Problems() const { return m_problems; }

  // The conversions GetNextInt and GetNextFloat use, for readers of other text fields: leading
  // whitespace skipped, conversion stops at the first character that does not fit, out-of-range
  // integers clamp.
  static int ParseInt(const char* text);
  static float ParseFloat(const char* text);
  // Whether a field is a number as the tables write one: digits with an optional sign and, unless
  // `whole`, one point; blanks around it allowed, nothing else. Readers warn about a field that is
  // not, rather than reading it as 0 unnoticed.
  static bool IsNumber(const std::string& text, bool whole = false);

  // The origin for a reader of one field of a row (a list inside a quoted field): the row's origin
  // and the field, so a warning about the field says where it is. "" when the row has no origin.
  static std::string FieldOrigin(const std::string& rowOrigin, const char* field);

 private:
  void Report(const char* what);

  int m_readPos = 0;
  std::string m_line;
  std::string m_token;
  int m_length = 0;
  char m_separator = ',';
  bool m_preserveQuotes = false;
  std::string m_origin;
  int m_problems = 0;
  bool m_warned = false;
};
