#pragma once
// One page of a tab container. Only the active tab of its container is drawn and gets input and
// clicks; IsVisible and SetVisible read and write that active flag, not the window's own.
#include "GUI_WindowBase.h"

class GUI_TabContainer;
class GUI_Tooltip;

class GUI_WindowTab : public GUI_WindowBase {
 public:
  GUI_WindowTab() = default;
  ~GUI_WindowTab() override;  // deletes the tooltip

  // Only while active: the tiled client background (one pixel larger when the width or height
  // is odd), the buttons, then the tooltip while the mouse is over the tab.
  void Draw() override;
  virtual void Activate();  // the container's ActivateTab with this tab

  void SetTooltip(const char* key, int delay);  // the translation of the key
  void SetParent(GUI_TabContainer* container);  // a null container fails an assertion
  GUI_TabContainer* GetContainer() const { return m_container; }
  void SetIndex(int index) { m_index = index; }
  int GetIndex() const { return m_index; }
  bool IsVisible() const { return m_active; }
  void SetVisible(bool active) { m_active = active; }
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }

 private:
  GUI_Tooltip* m_tooltip = nullptr;  // owned
  bool m_active = false;
  int m_index = 0;
  GUI_TabContainer* m_container = nullptr;
};
