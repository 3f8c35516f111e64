#include "GUI_MenuNew.h"

#include "Game.h"
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

void GUI_MenuNew::HandleKey(unsigned key) {
  if (key == 36) {
    ApplyDefaultCharacter();
    GetGame()->SetGameMode(Game::GAMEMODE_INTRO);
    return;
  }
  GUI_MenuStandIn::HandleKey(key);
}
