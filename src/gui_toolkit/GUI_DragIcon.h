#pragma once
// A person's icon carried by the mouse: the player drags a friend from the scene onto the social
// activity chooser to invite them. It is drawn above every window and below the tooltip, and the
// left-button release drops it, wherever that is.
//
//   GUI_DragIcon::Create(npc);  // from the NPC icon's click; the cursor now carries it
//   ...                         // every frame: GUI_DragIcon::DrawAll()
//   GUI_DragIcon::Drop();       // on the release: offered to the chooser, then closed
#include "CTexturedSprite.h"
#include "Win32Types.h"

class SIM_NPC;

class GUI_DragIcon {
 public:
  // Closes any drag icon and makes one for the person, taking the size and place of the person's
  // icon on screen; the cursor's drag object becomes the new icon. A null person fails an
  // assertion and makes nothing.
  static GUI_DragIcon* Create(SIM_NPC* npc);
  // The same with the icon's rectangle and portrait given (a null portrait draws none).
  static GUI_DragIcon* Create(SIM_NPC* npc, const RECT& icon, const char* portrait);
  static void Close();
  // The left-button release: the icon (if any) is offered to the social activity chooser and
  // closed; the cursor's drag object is cleared in every case.
  static void Drop();
  static void DrawAll();
  static SIM_NPC* GetDraggedNPC();  // null while nothing is dragged
  static GUI_DragIcon* GetIcon() { return PTheIcon; }

  virtual ~GUI_DragIcon() = default;
  GUI_DragIcon(const GUI_DragIcon&) = delete;
  GUI_DragIcon& operator=(const GUI_DragIcon&) = delete;

  // Both sprites centred at the mouse plus the grab offset: the background, then the portrait.
  virtual void Draw();
  SIM_NPC* GetNPC() const { return m_npc; }
  float GetGrabOffsetX() const { return m_grabX; }
  float GetGrabOffsetY() const { return m_grabY; }

 private:
  GUI_DragIcon(SIM_NPC* npc, const RECT& icon, const char* portrait);

  static GUI_DragIcon* PTheIcon;

  SIM_NPC* m_npc;  // not owned
  CTexturedSprite m_background;
  CTexturedSprite m_portrait;
  bool m_hasPortrait = false;
  // The icon's centre minus the mouse position when the drag began, so the icon does not jump.
  float m_grabX = 0.0f;
  float m_grabY = 0.0f;
};
