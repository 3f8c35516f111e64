#include "GUI_MenuNew.h"

#include "SIM_GameConfig.h"
#include "SIM_StandInLog.h"

GUI_MenuNew* GUI_MenuNew::Get() {
  static GUI_MenuNew* menu = new GUI_MenuNew;
  return menu;
}

void GUI_MenuNew::ApplyDefaultCharacter() {
  STAND_IN();  // no avatar builder yet: a man's avatar
  SIM_GameConfig* config = SIM_GetGameConfig();
  if (config->GetAvatarTexture().empty()) config->SetAvatarTexture("m_avatar.dds");
}
