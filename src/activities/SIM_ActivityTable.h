#pragma once
// The small activity tables (websites, television channels), read once per run.
//
// The effect columns that close a row of the small activity tables (websites, television
// channels): each a quoted "value,amount[,degrade]", read to the end of the line. A column that
// is no effect at all (no value name, an amount that is neither a number nor a tuning key) is
// reported once with its row's place and skipped, so that a typo never turns into a silent zero.
#include <functional>
#include <list>
#include <string>

#include "CSV.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "SIM_Modifier.h"

class CSV;
class SIM_ModifierContainer;

// Reads every row of a table file through `load` (the row and its "file:line"). A missing file or
// one without a row gives one warning naming the file and what the player will miss.
void SIM_ReadActivityTable(const char* file, const std::string& missing,
                           const std::function<void(const std::string& row, const std::string& origin)>& load);

// Reads the remaining columns of `csv` into `target`; `what` names the row's item in warnings.
void SIM_ReadEffectColumns(CSV& csv, SIM_ModifierContainer& target, const std::string& origin, const std::string& what);

// What a row type of such a table shares: the static list All (file order, owning its rows) and
// the flag BOpened, read once per run by OpenTable and emptied by Close. The row type T adds
// itself to All in its constructor, leaves it in its destructor, and reads a row through
// `bool Load(const std::string& row, const std::string& origin)` (false: the row is skipped).
template <class T>
class SIM_ActivityTableRow : public SIM_ModifierContainer {
 public:
  static void Close() {
    while (!All.empty()) delete All.front();
    BOpened = false;
  }

  static inline std::list<T*> All;
  static inline bool BOpened = false;

 protected:
  SIM_ActivityTableRow() { RegisterExitCleanup(Close); }
  // The start of every row: the marker skipped and the name read into `name`, which also names
  // the row's effects. False (and one warning) when the row has no name.
  bool StartRow(CSV& csv, const std::string& row, const std::string& origin, std::string& name, const char* kind) {
    SetOrigin(origin);
    csv.Initialise(row, ',', origin);
    csv.GetNextToken();  // the row marker
    name = csv.GetNextString();
    if (name.empty()) {
      GWarnRow(origin, std::string("a ") + kind + " without a name; the row is skipped");
      return false;
    }
    SetSource(name);
    return true;
  }
  // Reads the table unless it was read already; `missing` tells the player's loss in the warning
  // about a missing or empty table.
  static void OpenTable(const char* file, const std::string& missing) {
    if (BOpened) return;
    Close();
    SIM_ReadActivityTable(file, missing, [](const std::string& row, const std::string& origin) {
      T* item = new T;
      if (!item->Load(row, origin)) delete item;
    });
    BOpened = true;
  }
};
