#include "GUI_CloseButton.h"

#include "GDebug.h"
#include "GUI_WindowBase.h"

GUI_CloseButton::GUI_CloseButton() : GUI_IconButton("smallbuttons.dds", nullptr, 0) { SetCells(16, 4, 5); }

void GUI_CloseButton::Click() {
  PlayClickSound();
  GAssert(m_owner != nullptr, __FILE__, __LINE__);
  if (m_owner) delete m_owner;
}
