#pragma once
// The button that brings its tab page forward: a text button without a callback, drawn on the
// tab-button background. Its click goes straight to the tab (no tutorial notice, no enabled test).
#include "GUI_ButtonText.h"

class GUI_WindowTab;

class GUI_ButtonTab : public GUI_ButtonText {
 public:
  GUI_ButtonTab(const char* labelKey, GUI_WindowTab* tab);

  void Draw() override;  // no tooltip
  void Click() override;
  GUI_WindowTab* GetTab() const { return m_tab; }

 private:
  GUI_WindowTab* m_tab;  // not owned
};
