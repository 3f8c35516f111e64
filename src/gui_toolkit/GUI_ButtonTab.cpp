#include "GUI_ButtonTab.h"

#include "GUI_WindowBackground.h"
#include "GUI_WindowTab.h"
#include "LibTextEngine.h"

GUI_ButtonTab::GUI_ButtonTab(const char* labelKey, GUI_WindowTab* tab)
    : GUI_ButtonText(labelKey, nullptr, 0), m_tab(tab) {}

void GUI_ButtonTab::Draw() {
  GUI_WindowBackground::DrawTabButton(rect, "attrib_dialog.dds", 27.0f, false);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(m_label, (float)rect.left, (float)(rect.top + height / 2 - 7), VBColor(0, 0, 0),
                       (float)width, LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
}

void GUI_ButtonTab::Click() {
  PlayClickSound();
  if (m_tab) m_tab->Activate();
}
