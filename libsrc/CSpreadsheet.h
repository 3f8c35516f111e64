#pragma once
// A table file of which only the lines that begin with "#" are kept (each whole, "#" and line feed
// included); headers, comments and blank lines are never rows. Readers split each row with CSV
// (passing Origin(row) so warnings say where) and skip the first field.
#include <string>
#include <vector>

class CSpreadsheet : public std::vector<std::string> {
 public:
  explicit CSpreadsheet(const char* file);
  CSpreadsheet() = default;
  static CSpreadsheet* Create(const char* file);  // owned by the caller

  // The file's line number of each row, for warnings that say where.
  int LineOf(size_t row) const { return row < m_lines.size() ? m_lines[row] : 0; }
  // "file:line" of a row.
  std::string Origin(size_t row) const;
  const std::string& FileName() const { return m_file; }
  // Reads rows from text in hand; `origin` names it in warnings.
  void LoadFromText(const std::string& text, const char* origin);
  // How many faults the file had (missing, an over-long line cut).
  int Problems() const { return m_problems; }

 private:
  std::vector<int> m_lines;
  std::string m_file;
  int m_problems = 0;
};
