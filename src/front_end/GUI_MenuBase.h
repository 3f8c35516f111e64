#pragma once
// The base of every whole-screen menu: a game mode that is also a list of buttons. The list owns
// the buttons added to it and deletes them with the menu.
//
// Also the frame the menu screens share: the backdrop shading from dark slate to blue, the strip
// along the bottom behind the buttons, and the back button in the bottom right corner.
//
//   m_back = MakeBackButton(MyMenu::MainMenu);  // first of the list
//   ...
//   void MyMenu::Draw() { DrawFrame(m_backdrop, m_strip); ...; DrawButtons(); FinishDraw(); }
#include <string>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUIButtonList.h"
#include "GUI_ButtonBase.h"
#include "GUI_GameModeBase.h"

class GUI_IconButton;

class GUI_MenuBase : public GUI_GameModeBase, public GUIButtonList {
 public:
  // Both bases draw and take input; a menu's versions serve both.
  void Draw() override {}
  // Hover highlights and tooltips of every button, then the music kept going.
  void ProcessInput() override;
  // The button list's answer at the current mouse position.
  bool CheckClick() override;
  // One track runs on unbroken from one menu to the next.
  std::string GetBestMusic() override { return "Results Menu.ogg"; }

  static constexpr uint32_t TEXT_BLACK = 0xFF000000u;
  static constexpr uint32_t TEXT_WHITE = 0xFFFFFFFFu;

  // The backdrop quad, W + 2 by H + 2, dark slate at the top, blue at the bottom.
  static void SizeBackdrop(BaseSprite& backdrop);
  // The strip, W by 128 along the bottom of the screen.
  static void SizeStrip(CTexturedSprite& strip);
  // Texturing off, the backdrop centred on the screen, then the strip.
  static void DrawFrame(BaseSprite& backdrop, CTexturedSprite& strip);
  // Every menu's last steps: the text queue, the tooltip, the cursor on top.
  static void FinishDraw();
  // The back button in the bottom right corner, fading out before it runs the callback.
  static GUI_IconButton* MakeBackButton(GUI_ButtonBase::Callback callback);
  static void PlaceBackButton(GUI_IconButton* button);
};
