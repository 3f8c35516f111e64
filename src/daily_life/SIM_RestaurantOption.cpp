#include "SIM_RestaurantOption.h"

#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"

std::list<SIM_RestaurantOption*> SIM_RestaurantOption::All;

namespace {
constexpr const char* kFoodTable = "data/simulation/restaurant_food.csv";
constexpr size_t kMaxModifierText = 127;
}  // namespace

SIM_RestaurantOption::SIM_RestaurantOption() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_RestaurantOption::~SIM_RestaurantOption() { All.remove(this); }

void SIM_RestaurantOption::Open(const char* file) {
  Close();
  if (!file) file = kFoodTable;
  std::unique_ptr<CSpreadsheet> sheet;
  if (GFile::FileExists(file)) sheet.reset(CSpreadsheet::Create(file));
  if (!sheet) {
    GWarnOnce(GFormat("food-table:%s", file), GFormat("%s: missing; the restaurants serve nothing", file).c_str(),
              __FILE__, __LINE__);
    return;
  }
  for (size_t row = 0; row < sheet->size(); ++row) {
    SIM_RestaurantOption* option = new SIM_RestaurantOption;
    option->Load(sheet->at(row), sheet->Origin(row));
    if (option->m_menuName.empty() || option->m_guiName.empty()) {
      GWarnOnce(sheet->Origin(row),
                GFormat("%s: a dish without a menu or a name; the row is skipped", sheet->Origin(row).c_str()).c_str(),
                __FILE__, __LINE__);
      delete option;
    }
  }
}

void SIM_RestaurantOption::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_RestaurantOption::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_menuName = csv.GetNextString();
  SetSource(m_menuName);
  m_guiName = csv.GetNextString();
  m_description = csv.GetNextString();
  m_alwaysListed = csv.GetNextInt() != 0;
  const std::string type = csv.GetNextString();
  SetType(type);
  m_cost = csv.GetNextFloat();
  while (!csv.Finished()) {
    const std::string modifier = csv.GetNextString().substr(0, kMaxModifierText);
    if (!modifier.empty()) AddModifier(modifier.c_str());
  }
  // The menu shows every effect by its icon: one without would be felt but never seen.
  for (SIM_Modifier* modifier : m_modifiers) {
    if (!HasMenuIcon(modifier->GetName())) {
      GWarnOnce(origin + ":" + modifier->GetName(),
                GFormat("%s: the dish's effect \"%s\" has no icon on the menu; it works unseen", origin.c_str(),
                        modifier->GetName().c_str()).c_str(),
                __FILE__, __LINE__);
    }
  }
}

bool SIM_RestaurantOption::HasMenuIcon(const std::string& value) {
  static const char* const kIconValues[] = {"happiness", "health", "boredom", "weight", "alcohol", "stress"};
  for (const char* name : kIconValues)
    if (value == name) return true;
  return false;
}

void SIM_RestaurantOption::SetType(const std::string& text) {
  if (text == "MAINCOURSE") {
    m_type = MAINCOURSE;
  } else if (text == "DRINK") {
    m_type = DRINK;
  } else {
    m_type = MAINCOURSE;
    GWarnOnce(GetOrigin() + ":foodtype",
              GFormat("%sUnknown food type \"%s\"; served as a main course", OriginPrefix().c_str(), text.c_str()).c_str(),
              __FILE__, __LINE__);
  }
}
