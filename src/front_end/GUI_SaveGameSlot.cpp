#include "GUI_SaveGameSlot.h"

#include "GTranslation.h"
#include "GUI_MenuSave.h"

GUI_SaveGameSlot::GUI_SaveGameSlot(const std::string& name)
    : GUI_SaveRow(name, GTranslation::GetString("SAVEGAME_EMPTY")) {}

void GUI_SaveGameSlot::Click() {
  if (!IsEmpty()) GUI_GetMenuSave()->SetFileName(m_caption);
}
