#pragma once
// A translated help text shown next to the point where the player asked for it: a dialog's help
// button, or a click on a disabled button that carries an explanation. At most one is open; it is
// modal, drawn with the dialogs and closed by its close button or Escape.
#include <string>

#include "GUI_WindowBase.h"
#include "V2.h"

class GUI_CloseButton;

class GUI_HelpWindow : public GUI_WindowBase {
 public:
  // Closes the open help window, then opens one with the translation of the key near the point.
  static GUI_HelpWindow* Create(const char* key, V2 point);
  static void Close();

  GUI_HelpWindow(const char* key, V2 point);
  ~GUI_HelpWindow() override;
  void Draw() override;
  bool IsDialog() override { return true; }

  const std::string& GetText() const { return m_text; }

  static GUI_HelpWindow* PTheWindow;

 private:
  std::string m_text;
  bool m_laidOut = false;
};
