#pragma once
// One name field of the new-game screen: a title, the name in a strip that takes the keyboard
// while it is being edited, and a button that draws a random name. Typing takes letters, the
// apostrophe, the hyphen and the space, at most 18 of them, the first always upper-cased; a
// random name may be longer.
#include <string>

#include "GTimer.h"
#include "GUIButtonList.h"
#include "Win32Types.h"

class GUI_ButtonText;

class GUI_NameEditor : public GUIButtonList {
 public:
  static constexpr int kBufferSize = 64;
  static constexpr int kMaxTyped = 18;

  GUI_NameEditor(const char* initialName, const char* titleKey);
  ~GUI_NameEditor() override;
  void Draw() override;
  virtual void HandleKey(unsigned key);

  void SetName(const char* text);
  const char* GetName() const { return m_name; }
  int GetLength() const { return m_length; }
  void StartEditing();
  void StopEditing();
  bool IsEditing() const { return m_editing; }
  // True for a click strictly inside the text strip; a click the randomise button takes is not
  // the editor's (it draws a name without taking the keyboard).
  bool CheckClick();
  void DrawCarat(float textWidth);
  GUI_ButtonText* GetRandomiseButton() const { return m_randomise; }
  const RECT& GetTextBox() const { return m_textBox; }

  // The randomise button's callback; its argument is the editor that owns the button.
  static void RandomName(int editor);

 private:
  char m_name[kBufferSize] = {};
  int m_length = 0;
  bool m_caretShown = false;
  GTimer m_blink;
  GUI_ButtonText* m_randomise = nullptr;  // owned by the button list
  std::string m_title;
  bool m_editing = false;
  RECT m_textBox{0, 0, 0, 0};
};
