#pragma once
// The royalty report: the week's cheques, one row per stream that paid, and their total. Opened
// from its phone message; it reads the streams when it opens, so a later week's message shows the
// later cheques. At most one is open; it goes at the end of the day.
#include <string>
#include <vector>

#include "GUI_Dialog.h"

class GUI_RoyaltyReport : public GUI_Dialog {
 public:
  static void Create();
  static void Close();
  static GUI_RoyaltyReport* PTheWindow;

  GUI_RoyaltyReport();
  ~GUI_RoyaltyReport() override;

  void Draw() override;

  const std::vector<std::string>& GetNameLines() const { return m_names; }
  const std::vector<std::string>& GetAmountLines() const { return m_amounts; }
  const std::string& GetTotalLine() const { return m_totalLine; }

 private:
  void ComposeData();

  std::vector<std::string> m_names;
  std::vector<std::string> m_amounts;
  float m_rowsHeight = 0.0f;
  std::string m_totalLine;
  std::string m_totalLabel;
};
