#pragma once
// The credits (game mode 8): on the menu backdrop, five panels, one per member of the team that
// made the game, each with a portrait, a name and a sentence on their part, staggered down the
// screen in two columns, with a title box and our mark. Nothing moves; only the back button leaves.
#include <string>
#include <vector>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUI_MenuBase.h"
#include "GUI_WindowBase.h"
#include "Win32Types.h"

class GUI_IconButton;

// One person's panel. Drawn only by the credits screen: never in the window manager, no input.
class GUI_CreditWindow : public GUI_WindowBase {
 public:
  GUI_CreditWindow(const char* name, const char* roleText, const char* portrait);
  void Draw() override;
  const std::string& GetName() const { return m_name; }
  const std::string& GetRoleText() const { return m_roleText; }

 private:
  CTexturedSprite m_portraitBackground;
  CTexturedSprite m_portrait;
  std::string m_name;
  std::string m_roleText;
};

class GUI_Credits : public GUI_MenuBase {
 public:
  GUI_Credits();
  ~GUI_Credits() override;
  void Draw() override;
  // No key leaves the screen.
  void HandleKey(unsigned) override {}
  bool CheckClick() override;
  // The screen appears without a fade-in.
  void Activate() override {}
  static void MainMenu(int);

  GUI_IconButton* GetBackButton() const { return m_back; }
  const std::vector<GUI_CreditWindow*>& GetCreditWindows() const { return m_windows; }

 private:
  GUI_IconButton* m_back = nullptr;  // owned by the list
  BaseSprite m_backdrop;
  CTexturedSprite m_strip;
  std::vector<GUI_CreditWindow*> m_windows;
  RECT m_titleRect{};
  std::string m_title;
};

// The credits screen, built on the first call.
GUI_Credits* GUI_GetCredits();
