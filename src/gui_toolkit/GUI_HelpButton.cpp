#include "GUI_HelpButton.h"

#include "GUI_HelpWindow.h"
#include "V2.h"

GUI_HelpButton::GUI_HelpButton(const std::string& helpText)
    : GUI_IconButton("smallbuttons.dds", nullptr, 0), m_helpText(helpText) {
  SetCells(16, 6, 7);
}

void GUI_HelpButton::Click() { GUI_HelpWindow::Create(m_helpText.c_str(), V2(GetCenterX(), GetCenterY())); }
