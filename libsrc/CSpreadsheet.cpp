#include "CSpreadsheet.h"

#include <cstdio>

#include "CSV.h"
#include "GDebug.h"
#include "MacFile.h"

CSpreadsheet::CSpreadsheet(const char* file) {
  m_file = file ? file : "";
  if (m_file.size() < 2) return;
  FILE* f = Mac_fopen(m_file.c_str(), "rt");
  if (!f) {
    ++m_problems;
    std::string text = GFormat("Failed to find spreadsheet: %s", m_file.c_str());
    GWarnOnce("spreadsheet:" + m_file, text.c_str(), __FILE__, __LINE__);
    return;
  }
  std::string text;
  char buf[8192];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  fclose(f);
  LoadFromText(text, m_file.c_str());
}

CSpreadsheet* CSpreadsheet::Create(const char* file) { return new CSpreadsheet(file); }

std::string CSpreadsheet::Origin(size_t row) const { return m_file + ":" + std::to_string(LineOf(row)); }

void CSpreadsheet::LoadFromText(const std::string& text, const char* origin) {
  clear();
  m_lines.clear();
  if (origin) m_file = origin;
  size_t pos = 0;
  int lineNo = 0;
  while (pos < text.size()) {
    size_t nl = text.find('\n', pos);
    size_t end = nl == std::string::npos ? text.size() : nl + 1;
    ++lineNo;
    if (text[pos] == '#') {
      std::string row = text.substr(pos, end - pos);
      // A whole row is kept however long it is, short of what CSV takes: a longer one is cut
      // here, once, so the reader still gets its leading fields.
      if ((int)row.size() >= CSV::kMaxLine) {
        row.resize(CSV::kMaxLine - 2);
        row += '\n';
        ++m_problems;
        std::string w = GFormat("CSV: line of 16384 characters or more cut in %s:%d", m_file.c_str(), lineNo);
        GWarnOnce(w, w.c_str(), __FILE__, __LINE__);
      }
      push_back(std::move(row));
      m_lines.push_back(lineNo);
    }
    pos = end;
  }
}
