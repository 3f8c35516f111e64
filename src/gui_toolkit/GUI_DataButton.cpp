#include "GUI_DataButton.h"

#include "GUI_Sounds.h"

GUI_DataButton::GUI_DataButton(const char* texture, DataCallback callback, void* data)
    : GUI_IconButton(texture, nullptr, 0), m_data(data), m_dataCallback(callback) {}

void GUI_DataButton::Click() {
  if (!m_dataCallback) return;
  // The callback may delete the button: nothing of it is read afterwards.
  const bool silent = m_silent;
  m_dataCallback(m_data);
  if (!silent) GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
}
