#include "GUIButtonList.h"

#include "CInput.h"
#include "GDebug.h"
#include "GUI_ButtonBase.h"

GUIButtonList::~GUIButtonList() { ClearButtons(); }

void GUIButtonList::AddButton(GUI_ButtonBase* button) {
  GAssert(button != nullptr, __FILE__, __LINE__);
  if (!button) return;
  buttons.push_back(button);
}

void GUIButtonList::RemoveButton(GUI_ButtonBase* button) {
  GAssert(button != nullptr, __FILE__, __LINE__);
  if (!button) return;
  buttons.remove(button);
}

void GUIButtonList::DrawButtons() {
  for (GUI_ButtonBase* button : buttons) {
    if (button->IsVisible()) button->Draw();
  }
}

void GUIButtonList::ProcessInput() {
  for (GUI_ButtonBase* button : buttons) button->Process();
}

bool GUIButtonList::CheckClick() {
  CInput* input = GetInput();
  float x = input->mouseX;
  float y = input->mouseY;
  for (GUI_ButtonBase* button : buttons) {
    // Once a button has taken the click its callback may have deleted this list: return at once.
    if (button->CheckClick(x, y)) return true;
  }
  return false;
}

void GUIButtonList::ClearButtons() {
  // Taken out of the list before deletion, so a button's destructor never sees itself listed.
  while (!buttons.empty()) {
    GUI_ButtonBase* button = buttons.front();
    buttons.pop_front();
    delete button;
  }
}

void GUIButtonList::ClearStates() {
  for (GUI_ButtonBase* button : buttons) button->SetState(GUI_ButtonBase::GUIBUTTONSTATE_NORMAL);
}
