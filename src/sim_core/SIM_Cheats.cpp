#include "SIM_Cheats.h"

#include <memory>
#include <string>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GFileList.h"
#include "SIM_Modifier.h"
#include "SIM_Vede.h"

bool SIM_Cheats::Load(const char* file) {
  if (!file || !GFile::FileExists(file)) return false;
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(file));
  if (!sheet) return false;
  for (size_t row = 0; row < sheet->size(); ++row) {
    CSV csv;
    csv.Initialise(sheet->at(row), ',', sheet->Origin(row));
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    if (name.size() > 255) name.resize(255);
    float amount = csv.GetNextFloat();
    // Game-wide values (film knowledge, ...) are raised as a table's effect would raise them.
    if (name.rfind("glob_", 0) == 0) {
      SIM_Modifier modifier;
      modifier.SetName(name);
      modifier.SetValue(amount);
      modifier.SetSource("cheat");
      modifier.Apply(1.0f);
      continue;
    }
    SIM_GetVede()->_dbg_CheatEffect(name.c_str(), amount);
  }
  return sheet->size() > 0;
}
