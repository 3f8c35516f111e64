#include "GUI_LoadGameSlot.h"

#include "GUI_MenuLoad.h"

void GUI_LoadGameSlot::Click() {
  if (!IsEmpty()) GUI_GetMenuLoad()->Load(m_caption);
}
