#pragma once
// The button list every window (and every menu) is built on. The list owns its buttons: clearing
// it or destroying it deletes them.
#include <list>

#include "GUI_BaseElement.h"

class GUI_ButtonBase;

class GUIButtonList : public GUI_BaseElement {
 public:
  GUIButtonList() = default;
  ~GUIButtonList() override;
  GUIButtonList(const GUIButtonList&) = delete;
  GUIButtonList& operator=(const GUIButtonList&) = delete;

  // Appends the button; the list owns it from now on. A null button fails an assertion.
  virtual void AddButton(GUI_ButtonBase* button);
  // Takes the button out of the list without deleting it.
  void RemoveButton(GUI_ButtonBase* button);

  void DrawButtons();           // every visible button, in list order
  virtual void ProcessInput();  // every button's Process (hover, tooltip), in list order
  // Offers the input layer's mouse position to the buttons in list order; true at the first that
  // takes it. A button's callback may delete this list's owner, so nothing is touched after that.
  bool CheckClick();
  void ClearButtons();  // deletes every button
  void ClearStates();   // every button back to the normal state

  const std::list<GUI_ButtonBase*>& GetButtons() const { return buttons; }

 protected:
  std::list<GUI_ButtonBase*> buttons;
};
