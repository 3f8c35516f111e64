#pragma once
// The "?" of a dialog (cells 6 and 7 of "smallbuttons.dds"): opens a help window with its text
// at the button's centre.
#include <string>

#include "GUI_IconButton.h"

class GUI_HelpButton : public GUI_IconButton {
 public:
  explicit GUI_HelpButton(const std::string& helpText);

  void Click() override;
  const std::string& GetHelpText() const { return m_helpText; }

 private:
  std::string m_helpText;  // a translation key
};
