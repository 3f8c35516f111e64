#pragma once
// Splits one line of separated text; double quotes group a field.
#include <string>

class CSV {
 public:
  CSV() = default;
  ~CSV() = default;
  CSV(const CSV&) = delete;
  CSV& operator=(const CSV&) = delete;
  // A line of 16384 characters or more is cut there with one warning naming `origin`.
  void Initialise(const char* line, char separator, const char* origin = nullptr);
  const char* GetNextToken();  // valid until the next call; "" past the last field
  std::string GetNextString();
  int GetNextInt();
  float GetNextFloat();
  bool Finished() const;
  void SetPreserveQuotes(bool preserve) { m_preserveQuotes = preserve; }

 private:
  int m_readPos = 0;
  std::string m_line;
  std::string m_token;
  int m_length = 0;
  char m_separator = ',';
  bool m_preserveQuotes = false;
};
