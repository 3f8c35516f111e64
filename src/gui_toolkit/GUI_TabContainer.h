#pragma once
// A window of tab pages with the tab buttons (GUI_ButtonTab) as its own buttons. The container
// owns its tabs; only active tabs are drawn and get input and clicks.
//
//   GUI_TabContainer* tabs = new GUI_TabContainer;  // a child of the screen, usually
//   tabs->SetPosition(l, t, r, b);
//   tabs->AddTab(pageA);
//   tabs->AddButton(new GUI_ButtonTab("TAB_A", pageA));
//   tabs->ActivateTab(0);
#include <vector>

#include "GUI_WindowBase.h"

class GUI_WindowTab;

class GUI_TabContainer : public GUI_WindowBase {
 public:
  GUI_TabContainer() = default;
  ~GUI_TabContainer() override;  // Clear

  void AddTab(GUI_WindowTab* tab);  // the container's rectangle, parent and index
  void ActivateTab(GUI_WindowTab* tab);  // that one active, every other inactive
  void ActivateTab(int index);           // a missing index leaves every tab inactive

  void Draw() override;          // the active tabs in the container's rectangle, then the buttons
  void ProcessInput() override;  // the active tabs only; the container's buttons get none
  bool CheckClick(float x, float y) override;  // the first active tab's; false with none
  bool PtInside(float x, float y) override;    // inside any button or any tab
  void DrawOutline();
  void Clear();  // deletes the buttons and every tab

  const std::vector<GUI_WindowTab*>& GetTabs() const { return m_tabs; }

 private:
  std::vector<GUI_WindowTab*> m_tabs;  // owned
};
