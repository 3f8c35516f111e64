#pragma once
// The new-game screen. Stand-in until the real screen arrives: the menus' backdrop; Return takes
// the default character on to the intro page, Escape goes back to the main menu.
#include "GUI_MenuStandIn.h"
#include "SIM_Person.h"
#include "SIM_StandInLog.h"

class GUI_MenuNew : public GUI_MenuStandIn {
 public:
  void Activate() override { STAND_IN(); }
  void HandleKey(unsigned key) override;
  void Reset() { STAND_IN(); }  // the layout after a change of screen size
  std::string GetBestMusic() override { return "average_day.ogg"; }
  // The one object, made on the first call and never freed.
  static GUI_MenuNew* Get();
  // What the screen sets when the player starts, until the avatar builder exists: a man's avatar
  // when none has been chosen. The rest of the character keeps the new-game defaults.
  static void ApplyDefaultCharacter();
  void RefreshNameFromGender(SIM_GENDER) { STAND_IN(); }  // the forename editor suggests a name
};
