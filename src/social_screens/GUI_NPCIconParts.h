#pragma once
// The small pieces a contact icon carries: the friendship bar on its left, the marker of a friend
// who feels snubbed, and the heart on the player's romantic partner. The icon places them each
// frame and queues them in its batches.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_BaseElement.h"
#include "GUI_ButtonBase.h"
#include "GUI_SpriteList.h"

class GUI_Tooltip;
class SIM_NPC;

// A vertical bar that fills upward with the strength of the player's friendship.
class GUI_NPCStatusBar : public GUI_BaseElement {
 public:
  explicit GUI_NPCStatusBar(SIM_NPC* npc);  // a null person fails an assertion
  ~GUI_NPCStatusBar() override;
  GUI_NPCStatusBar(const GUI_NPCStatusBar&) = delete;
  GUI_NPCStatusBar& operator=(const GUI_NPCStatusBar&) = delete;

  void Draw() override;   // queues both sprites
  static void DrawAll();  // the backgrounds, then the fills
  const CTexturedSprite& GetFill() const { return m_fill; }

  static GUI_SpriteList BackgroundList;
  static GUI_SpriteList FillList;

 private:
  SIM_NPC* m_npc;
  GUI_Tooltip* m_tooltip;  // owned
  CTexturedSprite m_background;
  CTexturedSprite m_fill;
};

class GUI_NPCSnubIcon : public GUI_BaseElement {
 public:
  GUI_NPCSnubIcon();
  ~GUI_NPCSnubIcon() override;
  GUI_NPCSnubIcon(const GUI_NPCSnubIcon&) = delete;
  GUI_NPCSnubIcon& operator=(const GUI_NPCSnubIcon&) = delete;

  void Draw() override;
  // The hover: pings the tooltip and eats the mouse moves while the mouse is over the marker.
  void ProcessInput();
  // The tooltip names the person and the evening they were left out of.
  void Refresh(const std::string& name, const std::string& activity);
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }

 private:
  CTexturedSprite m_sprite;
  GUI_Tooltip* m_tooltip;  // owned
};

// The heart on the partner's icon; a click opens the romance summary.
class GUI_LoveIcon : public GUI_ButtonBase {
 public:
  GUI_LoveIcon();
  void Draw() override;
  void Click() override;

 private:
  CTexturedSprite m_sprite;
};
