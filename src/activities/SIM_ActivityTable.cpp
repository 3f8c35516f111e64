#include "SIM_ActivityTable.h"

#include <cctype>
#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GFileList.h"
#include "GDebug.h"
#include "SIM_Modifier.h"

namespace {

// Each effect column is cut to this before it is parsed, as in the other content tables.
constexpr size_t kMaxEffectColumn = 127;

std::string TrimmedColumn(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// True when the text reads as "name,amount[,degrade]" with a usable name and amount.
bool IsEffectText(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  const std::string name = TrimmedColumn(text.substr(0, comma));
  if (name.empty() || (!std::isalnum((unsigned char)name[0]) && name[0] != '_')) return false;
  const size_t next = text.find(',', comma + 1);
  const std::string amount = TrimmedColumn(text.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1));
  if (!amount.empty() && amount[0] == '_') return true;
  if (!CSV::IsNumber(amount)) return false;
  if (next == std::string::npos) return true;
  const std::string degrade = TrimmedColumn(text.substr(next + 1));
  return degrade.empty() || degrade[0] == '_' || CSV::IsNumber(degrade);
}

}  // namespace

void SIM_ReadEffectColumns(CSV& csv, SIM_ModifierContainer& target, const std::string& origin, const std::string& what) {
  while (!csv.Finished()) {
    std::string field = TrimmedColumn(csv.GetNextString());
    if (field.empty()) continue;
    if (field.size() > kMaxEffectColumn) field.resize(kMaxEffectColumn);
    if (!IsEffectText(field)) {
      GWarnRow(origin, "\"" + field + "\" of " + what + " is not an effect (value,amount[,degrade]); it is skipped");
      continue;
    }
    target.AddModifier(field.c_str());
  }
}

void SIM_ReadActivityTable(const char* file, const std::string& missing,
                           const std::function<void(const std::string& row, const std::string& origin)>& load) {
  std::unique_ptr<CSpreadsheet> sheet;
  if (file && GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (sheet) {
    for (size_t row = 0; row < sheet->size(); ++row) load(sheet->at(row), sheet->Origin(row));
  }
  if (!sheet || sheet->empty()) {
    const std::string name = file ? file : "(no file named)";
    GWarnOnce("activity-table:" + name,
              (name + (sheet ? ": no rows; " : ": missing; ") + missing).c_str(), __FILE__, __LINE__);
  }
}
