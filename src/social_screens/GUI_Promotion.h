#pragma once
// A plain promotion notice. Promotions are told by a friend's phone message, so nothing opens this
// window today; it is kept for scripts and mods that want a notice of their own.
#include <string>

#include "GUI_Dialog.h"

class GUI_Promotion : public GUI_Dialog {
 public:
  static GUI_Promotion* Create();  // replaces an open one
  static void Close();

  ~GUI_Promotion() override;
  void Draw() override;
  const std::string& GetText() const { return m_text; }

  static GUI_Promotion* PTheWindow;

 private:
  GUI_Promotion();

  std::string m_text;
};
