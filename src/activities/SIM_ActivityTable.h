#pragma once
// The small activity tables (websites, television channels), read once per run.
//
// The effect columns that close a row of the small activity tables (websites, television
// channels): each a quoted "value,amount[,degrade]", read to the end of the line. A column that
// is no effect at all (no value name, an amount that is neither a number nor a tuning key) is
// reported once with its row's place and skipped, so that a typo never turns into a silent zero.
#include <functional>
#include <string>

class CSV;
class SIM_ModifierContainer;

// Reads every row of a table file through `load` (the row and its "file:line"). A missing file or
// one without a row gives one warning naming the file and what the player will miss.
void SIM_ReadActivityTable(const char* file, const std::string& missing,
                           const std::function<void(const std::string& row, const std::string& origin)>& load);

// Reads the remaining columns of `csv` into `target`; `what` names the row's item in warnings.
void SIM_ReadEffectColumns(CSV& csv, SIM_ModifierContainer& target, const std::string& origin, const std::string& what);
