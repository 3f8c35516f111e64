#pragma once
// A table file of which only the lines that begin with "#" are kept (each whole, "#" and line feed
// included). Readers split each row with CSV and skip the first field.
#include <string>
#include <vector>

class CSpreadsheet : public std::vector<std::string> {
 public:
  explicit CSpreadsheet(const char* file);
  CSpreadsheet() = default;
  static CSpreadsheet* Create(const char* file);
  // The file's line number of each row, for warnings that say where.
  int LineOf(size_t row) const { return row < m_lines.size() ? m_lines[row] : 0; }
  const std::string& FileName() const { return m_file; }
  void LoadFromText(const std::string& text, const char* origin);

 private:
  std::vector<int> m_lines;
  std::string m_file;
};
