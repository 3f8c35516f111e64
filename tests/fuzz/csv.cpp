// The CSV tokenizer over one line. The first byte picks the separator, whether quotes are kept and
// whether the line is a table row (an origin) or an ad-hoc split; the rest is the line.
#include <cmath>
#include <cstring>
#include <string>

#include "CSV.h"
#include "FuzzSupport.h"

VORLA2_FUZZ_TARGET;

int LLVMFuzzerInitialize(int*, char***) {
  fuzz::Setup();
  return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char kSeparators[] = {',', ';', '\t', '|'};
  const uint8_t mode = data[0];
  const std::string line = fuzz::Bytes(data + 1, size - 1);
  const size_t length = std::strlen(line.c_str());

  CSV csv;
  csv.SetPreserveQuotes(mode & 4);
  csv.Initialise(line.c_str(), kSeparators[mode & 3], (mode & 8) ? "fuzz.csv:1" : nullptr);
  // Every field but the last takes at least its separator: more fields than characters means the
  // reader stopped moving.
  size_t fields = 0;
  while (!csv.Finished()) {
    fuzz::Check(++fields <= length + 1, "the tokenizer does not advance");
    switch ((fields + mode / 16) % 4) {
      case 0:
        csv.GetNextToken();
        break;
      case 1:
        csv.GetNextString();
        break;
      case 2:
        csv.GetNextInt();
        break;
      default:
        fuzz::Check(std::isfinite(csv.GetNextFloat()), "a field read as a number that is not finite");
        break;
    }
  }
  // Reads past the end give empty fields and are counted.
  fuzz::Check(csv.GetNextToken()[0] == '\0', "a field past the end is not empty");
  csv.GetNextToken();
  fuzz::Check(csv.Problems() >= 1, "a read past the end was not counted");

  CSV::ParseInt(line.c_str());
  fuzz::Check(std::isfinite(CSV::ParseFloat(line.c_str())), "ParseFloat gave a number that is not finite");
  fuzz::Forget();
  return 0;
}
