#pragma once
// One clue of the crossword's word lists: "data/simulation/<list>_crossword.txt", one row per clue,
// "#,id,answer,clue". The answer is 1 to 10 letters or digits; the crossword compares it without
// case. The clue text is kept as the dialog shows it once the list is read for play.
#include <string>
#include <vector>

class CSpreadsheet;
struct SIM_CrosswordRow;

class SIM_CrosswordClue {
 public:
  static constexpr size_t kMaxAnswer = 10;  // the boxes a crossword has room for

  int id = 0;
  std::string clue;
  std::string answer;

  // Every usable row of a list, in file order. A row with a non-numeric id, an answer that is
  // empty, longer than 10 or not all letters and digits, or no clue is left out with one warning
  // naming its file and line. Ids are not checked against each other here.
  static std::vector<SIM_CrosswordRow> ReadRows(const CSpreadsheet& sheet);
  static bool IsValidAnswer(const std::string& answer);
};

// A row of a word list and where it stands.
struct SIM_CrosswordRow {
  std::string origin;      // "file:line"
  SIM_CrosswordClue clue;  // the clue column as written
};
