#include "GUI_WindowTab.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_TabContainer.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowBackground.h"

GUI_WindowTab::~GUI_WindowTab() { delete m_tooltip; }

void GUI_WindowTab::Draw() {
  if (!m_active) return;
  if ((rect.bottom - rect.top) % 2 != 0) ++rect.bottom;
  if ((rect.right - rect.left) % 2 != 0) ++rect.right;
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  DrawButtons();
  if (m_tooltip) {
    if (MouseInside()) m_tooltip->Ping();
    m_tooltip->Draw();
  }
}

void GUI_WindowTab::Activate() {
  if (m_container) m_container->ActivateTab(this);
}

void GUI_WindowTab::SetTooltip(const char* key, int delay) {
  delete m_tooltip;
  m_tooltip = new GUI_Tooltip(GTranslation::GetString(key ? key : ""), delay);
  m_tooltip->SetMode(GUI_Tooltip::TOOLTIPMODE_NORMAL);
}

void GUI_WindowTab::SetParent(GUI_TabContainer* container) {
  GAssert(container != nullptr, __FILE__, __LINE__);
  if (container) m_container = container;
}
