#pragma once
// The intro diary (game mode 4), after the new-game screen: over the sky, a diary page on which a
// title and a welcome are written out letter by letter with a writing sound, signed with the
// player's forename, beside the player's avatar. Its start button begins the game; Escape goes
// back to the main menu. The tutorial skips the page and calls Start itself.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_MenuBase.h"

class GUI_IconButton;

class GUI_MenuIntro : public GUI_MenuBase {
 public:
  GUI_MenuIntro();
  void Draw() override;
  void HandleKey(unsigned key) override;
  void Activate() override;
  std::string GetBestMusic() override { return "average_day.ogg"; }

  // The start button: the writing sound stops and the new game begins.
  static void Start(int);

  GUI_IconButton* GetStartButton() const { return m_start; }
  float GetWrittenCharacters() const { return m_written; }
  const std::string& GetText() const { return m_text; }

 private:
  GUI_IconButton* m_start = nullptr;  // owned by the list
  CTexturedSprite m_diary;
  CTexturedSprite m_strip;
  float m_written = 0.0f;
  std::string m_text;
  std::string m_title;
};

// The one object, made on the first call and never freed.
GUI_MenuIntro* GUI_GetMenuIntro();
