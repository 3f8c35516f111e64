#include "GUI_TabContainer.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowTab.h"

GUI_TabContainer::~GUI_TabContainer() { Clear(); }

void GUI_TabContainer::AddTab(GUI_WindowTab* tab) {
  if (!tab) return;
  tab->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
  tab->SetParent(this);
  tab->SetIndex((int)m_tabs.size());
  m_tabs.push_back(tab);
}

void GUI_TabContainer::ActivateTab(GUI_WindowTab* tab) {
  GAssert(tab != nullptr, __FILE__, __LINE__);
  if (!tab) return;
  for (GUI_WindowTab* t : m_tabs) t->SetVisible(t == tab);
}

void GUI_TabContainer::ActivateTab(int index) {
  for (size_t i = 0; i < m_tabs.size(); ++i) m_tabs[i]->SetVisible((int)i == index);
}

void GUI_TabContainer::Draw() {
  for (GUI_WindowTab* tab : m_tabs) {
    if (!tab->IsVisible()) continue;
    tab->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
    tab->Draw();
  }
  DrawButtons();
}

void GUI_TabContainer::ProcessInput() {
  for (GUI_WindowTab* tab : m_tabs) {
    if (tab->IsVisible()) tab->ProcessInput();
  }
}

bool GUI_TabContainer::CheckClick(float x, float y) {
  for (GUI_WindowTab* tab : m_tabs) {
    if (tab->IsVisible()) return tab->CheckClick(x, y);
  }
  return false;
}

bool GUI_TabContainer::PtInside(float x, float y) {
  for (GUI_ButtonBase* button : buttons) {
    if (button->PtInside(x, y)) return true;
  }
  for (GUI_WindowTab* tab : m_tabs) {
    if (tab->PtInside(x, y)) return true;
  }
  return false;
}

void GUI_TabContainer::DrawOutline() { GetD3DEngine()->FrameRect(&rect, 0x10FFFFFFu); }

void GUI_TabContainer::Clear() {
  ClearButtons();
  std::vector<GUI_WindowTab*> tabs;
  tabs.swap(m_tabs);
  for (GUI_WindowTab* tab : tabs) delete tab;
}
