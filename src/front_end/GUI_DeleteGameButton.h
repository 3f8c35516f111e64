#pragma once
// The bin beside a row of the load menu: deletes that save at once, without a question.
#include <string>

#include "GUI_IconButton.h"

class GUI_DeleteGameButton : public GUI_IconButton {
 public:
  // name: the save's name, without ".xml".
  explicit GUI_DeleteGameButton(const std::string& name);
  void Click() override;
  const std::string& GetFileName() const { return m_fileName; }

  static constexpr float kSize = 40.0f;

 private:
  std::string m_fileName;  // "<name>.xml"
};
