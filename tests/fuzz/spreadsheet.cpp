// A table file through CSpreadsheet (from the file and from text in hand, which must agree) and
// every row split as the table readers split it.
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "FuzzSupport.h"

VORLA2_FUZZ_TARGET;

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteInput("table.csv", data, size);
  CSpreadsheet fromFile(path.c_str());
  CSpreadsheet fromText;
  fromText.LoadFromText(fuzz::Bytes(data, size), path.c_str());
  fuzz::Check(static_cast<const std::vector<std::string>&>(fromFile) ==
                  static_cast<const std::vector<std::string>&>(fromText),
              "the file and the same text give other rows");

  int previousLine = 0;
  for (size_t row = 0; row < fromText.size(); ++row) {
    const std::string& text = fromText[row];
    fuzz::Check(!text.empty() && text[0] == '#', "a row that does not begin with #");
    fuzz::Check((int)text.size() < CSV::kMaxLine, "a row longer than the tokenizer takes");
    fuzz::Check(fromText.LineOf(row) > previousLine, "row lines out of order");
    previousLine = fromText.LineOf(row);

    CSV csv;
    csv.Initialise(text, ',', fromText.Origin(row));
    csv.GetNextToken();  // the row marker
    for (int field = 0; field < 64 && !csv.Finished(); ++field) {
      if (field % 2) csv.GetNextString();
      else csv.GetNextFloat();
    }
  }
  fuzz::Forget();
  return 0;
}
