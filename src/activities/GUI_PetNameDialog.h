#pragma once
// The small modal window in which the player names the cat or the dog. It takes the keyboard
// while it is open: letters, the apostrophe, the hyphen and the space, the first letter upper
// case and later ones only with shift, as many as fit the strip (at most 63). Done keeps the name
// without its trailing blanks and is offered only while that leaves something.
#include <string>

#include "GTimer.h"
#include "GUI_Dialog.h"
#include "Win32Types.h"

class GUI_ButtonText;
class GUI_PetDetails;

class GUI_PetNameDialog : public GUI_Dialog {
 public:
  static constexpr size_t kMaxName = 63;

  static void Create(GUI_PetDetails* details);
  static void Close();
  static void Done(int);  // the Done button

  explicit GUI_PetNameDialog(GUI_PetDetails* details);
  ~GUI_PetNameDialog() override;

  void Draw() override;
  void HandleKey(unsigned key) override;

  const std::string& GetName() const { return m_name; }
  // The name Done would keep: the typed one without its trailing blanks.
  std::string GetTrimmedName() const;
  GUI_ButtonText* GetDoneButton() const { return m_doneButton; }
  const RECT& GetEditRect() const { return m_editRect; }

  static GUI_PetNameDialog* PTheWindow;

 private:
  void LayOut();
  void UpdateDoneButton();

  GUI_PetDetails* m_details;
  GUI_ButtonText* m_doneButton = nullptr;  // in the button list
  std::string m_name;
  bool m_caretShown = true;
  GTimer m_blink;
  RECT m_editRect{0, 0, 0, 0};
};
