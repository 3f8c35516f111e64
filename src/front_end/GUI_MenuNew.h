#pragma once
// The new-game screen (game mode 3): the character's forename and surname, the home town, and the
// avatar builder. Start stores the choices and moves on to the intro diary; the back button and
// Escape return to the main menu. One object, made on first use and never freed.
#include <string>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUI_MenuBase.h"
#include "SIM_Person.h"

class GUI_AvatarBuilder;
class GUI_IconButton;
class GUI_NameEditor;

class GUI_MenuNew : public GUI_MenuBase {
 public:
  GUI_MenuNew();
  ~GUI_MenuNew() override;

  void Draw() override;
  void HandleKey(unsigned key) override;
  void ProcessInput() override;
  bool CheckClick() override;
  void Activate() override;
  void Deactivate() override;
  std::string GetBestMusic() override { return "average_day.ogg"; }

  // The screen, made on the first call.
  static GUI_MenuNew* Get();
  // Lays the screen out for the current screen size.
  void Reset();
  // A new random forename of the gender in the forename field (a typed one is replaced too).
  void RefreshNameFromGender(SIM_GENDER gender);
  // The buttons' callbacks.
  static void Start(int);
  static void MainMenu(int);

  // The gender of the layer in the avatar's skin slot; false (gender untouched) when the slot is
  // empty.
  static bool SkinGender(SIM_GENDER* gender);

  GUI_NameEditor* GetForenameEditor() const { return m_forename; }
  GUI_NameEditor* GetSurnameEditor() const { return m_surname; }
  GUI_NameEditor* GetTownEditor() const { return m_town; }
  GUI_IconButton* GetStartButton() const { return m_start; }
  GUI_IconButton* GetBackButton() const { return m_back; }
  GUI_AvatarBuilder* GetBuilder() const { return m_builder; }

  static GUI_MenuNew* PTheWindow;

 private:
  GUI_NameEditor* m_forename = nullptr;  // the three editors are owned
  GUI_NameEditor* m_surname = nullptr;
  GUI_NameEditor* m_town = nullptr;
  GUI_IconButton* m_back = nullptr;  // the two buttons belong to the button list
  GUI_IconButton* m_start = nullptr;
  BaseSprite m_background;
  CTexturedSprite m_strip;
  GUI_AvatarBuilder* m_builder = nullptr;  // owned
};
