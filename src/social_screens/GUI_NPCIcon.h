#pragma once
// The round contact icon of one person of the town. Friends of the player stand in a column that
// curves round the avatar; clicking a friend lays out that friend's own acquaintances in a
// smaller column to the left, joined to the friend by grey connectors. A double or right click
// opens the person window; dragging a friend onto the open social chooser invites them.
//
// Every NPC owns one icon (SIM_NPC::CreateIcon); the icon only queues its sprites in Draw, and
// DrawAll draws the batches so that all backgrounds lie under all portraits, and the bars and
// markers over both.
#include <list>

#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_SpriteList.h"

class GUI_LoveIcon;
class GUI_NPCSnubIcon;
class GUI_NPCStatusBar;
class SIM_NPC;
class SIM_Relationship;

class GUI_NPCIcon : public GUI_ButtonBase {
 public:
  enum ICONSTYLE { ICONSTYLE_FRIEND = 0, ICONSTYLE_ACQUAINTANCE = 1 };
  static constexpr float kFriendSize = 74.0f;
  static constexpr float kAcquaintanceSize = 56.0f;

  // The icon of the person; a null person fails an assertion and makes none.
  static GUI_NPCIcon* Create(SIM_NPC* npc);
  explicit GUI_NPCIcon(SIM_NPC* npc);
  ~GUI_NPCIcon() override;

  // The friend column round the avatar.
  static void PositionAll();
  static void DrawAll();
  static void CheckClickAll();
  static void CheckRightClickAll();
  static void ProcessInputAll();
  static void RefreshTooltipAll();
  static void UnhighlightAll();
  static void HideAllSubIcons();

  void Draw() override;
  void Process() override;
  virtual void CheckClick();
  virtual void CheckRightClick();
  using GUI_ButtonBase::CheckClick;

  // Sets the flag and lays out the friend's acquaintances.
  void Highlight();
  void Unhighlight() { m_highlighted = false; }
  bool IsHighlighted() const { return m_highlighted; }
  void PositionSubIcons(SIM_NPC* npc);
  void SetStyle(ICONSTYLE style);
  ICONSTYLE GetStyle() const { return m_style; }
  void SetCenter(float x, float y);
  float GetX() const { return m_x; }
  float GetY() const { return m_y; }
  float GetSize() const { return m_size; }
  void UpdatePosition();
  void RefreshTooltip();
  void SetHighlightColors();
  void SetPositionIndex(int index) { m_positionIndex = index; }
  int GetPositionIndex() const { return m_positionIndex; }
  SIM_NPC* GetNPC() const { return m_npc; }
  GUI_NPCSnubIcon* GetSnubIcon() const { return m_snubIcon; }
  GUI_NPCStatusBar* GetStatusBar() const { return m_statusBar; }
  GUI_LoveIcon* GetLoveIcon() const { return m_loveIcon; }
  const CTexturedSprite& GetBackground() const { return m_background; }
  const CTexturedSprite& GetPortrait() const { return m_portrait; }

  static std::list<GUI_NPCIcon*> All;
  static GUI_SpriteList Bases;
  static GUI_SpriteList Portraits;
  static GUI_BaseElementList StatusBars;
  static GUI_BaseElementList Icons;  // snub markers and hearts
  static int NumPositionIndexes;     // friend icons placed by the last layout
  static bool BBackgroundHintShown;

 private:
  static void DrawConnectors();
  static void DrawConnect(float x1, float y1, float x2, float y2);
  // Visible, mouse moves not eaten, allowed by the tutorial, and someone the player has met.
  bool Reacts();
  bool MouseOverPortrait();

  SIM_NPC* m_npc;  // not owned
  CTexturedSprite m_background;
  CTexturedSprite m_portrait;
  CTexturedSprite m_mystery;
  float m_x = 32.0f;
  float m_y = 32.0f;
  float m_size = kAcquaintanceSize;
  ICONSTYLE m_style = ICONSTYLE_ACQUAINTANCE;
  bool m_highlighted = false;
  int m_positionIndex = -1;
  GUI_NPCStatusBar* m_statusBar = nullptr;  // owned
  GUI_NPCSnubIcon* m_snubIcon = nullptr;    // owned
  GUI_LoveIcon* m_loveIcon = nullptr;       // owned
  std::list<GUI_NPCIcon*>::iterator m_self;
};

// The sort of the friend column: the stronger link first.
bool RelationshipGreaterThan(SIM_Relationship* a, SIM_Relationship* b);
