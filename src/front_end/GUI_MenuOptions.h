#pragma once
// The options menu (game mode 1): sliders for mouse speed, music and master volume, check boxes
// for full screen, music, autosave and same-sex relationships, and the way to the currency
// chooser. Every control acts at once on the player options; the options file is written when the
// player leaves for the main menu (or, with Return, back into a game in progress).
#include <string>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUI_MenuBase.h"
#include "Win32Types.h"

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_IconButton;
class GUI_SliderControl;

class GUI_MenuOptions : public GUI_MenuBase {
 public:
  GUI_MenuOptions();
  ~GUI_MenuOptions() override;
  void Draw() override;
  void HandleKey(unsigned key) override;
  void Activate() override;

  static void MouseSpeedChange();
  static void VolumeChange();
  static void MasterVolumeChange();
  static void ToggleOption(int toggle);
  static void ToggleMusic(int);
  static void FullScreen(int);
  static void CurrencyOptions(int);
  static void MainMenu(int);

  GUI_IconButton* GetBackButton() const { return m_back; }
  GUI_CheckButton* GetFullScreenBox() const { return m_fullScreen; }
  GUI_CheckButton* GetMusicBox() const { return m_music; }
  GUI_CheckButton* GetAutosaveBox() const { return m_autosave; }
  GUI_CheckButton* GetSameSexBox() const { return m_sameSex; }
  GUI_SliderControl* GetMasterVolumeSlider() const { return m_masterVolume; }
  GUI_SliderControl* GetMusicVolumeSlider() const { return m_musicVolume; }
  GUI_SliderControl* GetMouseSpeedSlider() const { return m_mouseSpeed; }
  GUI_ButtonText* GetCurrencyButton() const { return m_currency; }
  const RECT& GetPanel() const { return m_panel; }

 private:
  GUI_IconButton* m_back = nullptr;  // the buttons are owned by the list
  GUI_CheckButton* m_fullScreen = nullptr;  // owned by the list only when it was added
  GUI_CheckButton* m_music = nullptr;
  GUI_CheckButton* m_autosave = nullptr;
  GUI_CheckButton* m_sameSex = nullptr;
  GUI_SliderControl* m_masterVolume = nullptr;  // the sliders are the menu's own
  GUI_SliderControl* m_musicVolume = nullptr;
  GUI_SliderControl* m_mouseSpeed = nullptr;
  BaseSprite m_backdrop;
  CTexturedSprite m_strip;
  RECT m_panel{};
  GUI_ButtonText* m_currency = nullptr;
  std::string m_title;
  bool m_fullScreenListed = false;
};

// The one object, made on the first call and never freed.
GUI_MenuOptions* GUI_GetMenuOptions();
