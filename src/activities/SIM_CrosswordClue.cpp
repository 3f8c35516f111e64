#include "SIM_CrosswordClue.h"

#include <cctype>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"

bool SIM_CrosswordClue::IsValidAnswer(const std::string& answer) {
  if (answer.empty() || answer.size() > kMaxAnswer) return false;
  for (char c : answer) {
    if (!std::isalnum((unsigned char)c)) return false;
  }
  return true;
}

std::vector<SIM_CrosswordRow> SIM_CrosswordClue::ReadRows(const CSpreadsheet& sheet) {
  std::vector<SIM_CrosswordRow> rows;
  for (size_t i = 0; i < sheet.size(); ++i) {
    const std::string origin = sheet.Origin(i);
    CSV csv;
    csv.Initialise(sheet[i], ',', origin);
    csv.GetNextToken();
    const std::string id = csv.GetNextString();
    SIM_CrosswordClue row;
    row.answer = csv.GetNextString();
    row.clue = csv.GetNextString();
    if (!CSV::IsNumber(id, true)) {
      GWarnRow(origin, "crossword clue id \"" + id + "\" is not a whole number; the clue is left out");
      continue;
    }
    if (!IsValidAnswer(row.answer)) {
      GWarnRow(origin, "crossword answer \"" + row.answer + "\" is not 1 to 10 letters or digits; the clue is left out");
      continue;
    }
    if (row.clue.empty()) {
      GWarnRow(origin, "crossword clue has no text; the clue is left out");
      continue;
    }
    row.id = CSV::ParseInt(id.c_str());
    rows.push_back(SIM_CrosswordRow{origin, std::move(row)});
  }
  return rows;
}
