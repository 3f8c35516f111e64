#include "GUI_DeleteGameButton.h"

#include "GUI_MenuLoad.h"

GUI_DeleteGameButton::GUI_DeleteGameButton(const std::string& name)
    : GUI_IconButton("smallbuttons.dds", nullptr, 0), m_fileName(name + ".xml") {
  SetCells(16, 4, 5);
  SetTooltip("DELETESAVEGAME_TOOLTIP", 30);
}

void GUI_DeleteGameButton::Click() {
  // The bin's own sound says it worked; the usual click would say so even when it did not.
  GUI_GetMenuLoad()->Delete(m_fileName.substr(0, m_fileName.size() - 4));
}
