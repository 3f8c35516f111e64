#pragma once
// One channel on the television remote: a row of "data/simulation/tvchannels.csv" with the name
// on its button, the text under the mouse, whether it comes only with cable television, and what
// an evening of it does to the viewer on top of the evening's own effects. The table is read the
// first time the remote opens and kept for the rest of the run; the list owns the channels.
#include <string>

#include "SIM_ActivityTable.h"

class SIM_TVChannel : public SIM_ActivityTableRow<SIM_TVChannel> {
 public:
  static constexpr const char* kTable = "data/simulation/tvchannels.csv";

  SIM_TVChannel();
  ~SIM_TVChannel() override;  // leaves All

  // Reads the table unless it was read already; a missing or empty table gives an empty list and
  // one warning.
  static void Open(const char* file = kTable);

  // Reads one row; false when it names no channel (the row is skipped with a warning).
  bool Load(const std::string& row, const std::string& origin);

  const std::string& GetName() const { return m_name; }
  std::string GetGUIName() const { return m_guiName; }
  std::string GetTooltip() const { return m_tooltip; }
  bool NeedsCable() const { return m_needsCable; }
  const std::string& GetSpare() const { return m_spare; }

 private:
  std::string m_guiName;
  std::string m_name;
  std::string m_spare;  // a free text column of the table, kept for the table's writers
  std::string m_tooltip;
  bool m_needsCable = false;
};
