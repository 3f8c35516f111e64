#pragma once
// The main menu (game mode 0), the first screen after start-up. Stand-in until the real menu
// arrives: the menus' backdrop, the game's logo and version, and on the strip along the bottom two
// of the real menu's buttons, "New game" (straight into a new game, without the new-game and intro
// pages) and "Quit". Escape asks whether to quit; Command+Return switches between window and full
// screen.
#include <string>

#include "CTexturedSprite.h"
#include "GUIButtonList.h"
#include "GUI_GameModeBase.h"

class GUI_ButtonText;

class GUI_MenuMain : public GUI_GameModeBase {
 public:
  GUI_MenuMain();
  void Draw() override;
  void HandleKey(unsigned key) override;
  void ProcessInput() override;
  bool CheckClick() override;
  void Activate() override;
  std::string GetBestMusic() override { return "Results Menu.ogg"; }

  // Lays the screen out again after the screen size changed.
  void Reset();
  // The buttons' callbacks.
  static void NewGame(int);
  static void Tutorial(int);
  static void QuitButton(int);
  // Escape: the question "CONFIRM_APP_QUIT_TEXT"; its OK quits.
  static void AttemptQuitGame(int);
  static void QuitGame(int);

  GUI_ButtonText* GetNewGameButton() const { return m_newGame; }
  GUI_ButtonText* GetQuitButton() const { return m_quit; }
  GUI_ButtonText* GetTutorialButton() const { return m_tutorial; }

 private:
  CTexturedSprite m_logo;
  CTexturedSprite m_strip;
  GUIButtonList m_buttons;
  GUI_ButtonText* m_newGame = nullptr;  // owned by m_buttons
  GUI_ButtonText* m_quit = nullptr;
  GUI_ButtonText* m_tutorial = nullptr;
};

// The one object, made on the first call and never freed.
GUI_MenuMain* GUI_GetMenuMain();
