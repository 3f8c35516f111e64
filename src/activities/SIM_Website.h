#pragma once
// One place on the web screen: a row of "data/simulation/websites.csv" with its title, its blurb
// and what an evening there does to the player. The table is read the first time the screen
// opens and kept for the rest of the run; the list owns the websites.
#include <string>

#include "SIM_ActivityTable.h"

class SIM_Website : public SIM_ActivityTableRow<SIM_Website> {
 public:
  static constexpr const char* kTable = "data/simulation/websites.csv";

  SIM_Website();
  ~SIM_Website() override;  // leaves All

  // Reads the table unless it was read already; a missing or empty table gives an empty list and
  // one warning.
  static void Open(const char* file = kTable);

  // Reads one row; false when it names no website (the row is skipped with a warning).
  bool Load(const std::string& row, const std::string& origin);

  const std::string& GetName() const { return m_name; }
  std::string GetGUIName() const { return m_guiName; }
  std::string GetTooltip() const { return m_tooltip; }

 private:
  std::string m_name;
  std::string m_guiName;
  std::string m_tooltip;
};
