#pragma once
// The game's one OK / Cancel question (the quit confirmations). Modal, 370 x 200, centred. OK
// runs the callback with 0 and closes; Cancel, the close button and Escape close without it. A new
// question replaces an open one without running its callback.
//
//   GUI_ConfirmDialog::Create(questionText, titleText, QuitGame);  // both already translated
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;

class GUI_ConfirmDialog : public GUI_Dialog {
 public:
  using Callback = void (*)(int);

  static GUI_ConfirmDialog* Create(const char* text, const char* title, Callback callback);
  static void Confirm(int);
  static void Close(int);

  GUI_ConfirmDialog(const char* text, const char* title, Callback callback);
  ~GUI_ConfirmDialog() override;
  void Draw() override;

  const std::string& GetText() const { return m_text; }
  GUI_ButtonText* GetOkButton() const { return m_okButton; }
  GUI_ButtonText* GetCancelButton() const { return m_cancelButton; }

  static GUI_ConfirmDialog* PTheWindow;

 private:
  std::string m_text;
  GUI_ButtonText* m_cancelButton = nullptr;
  GUI_ButtonText* m_okButton = nullptr;
  Callback m_callback;
  unsigned m_serial;
};
