#pragma once
// The contact icons of the player's friends. Stand-in until the social screens arrive: an NPC's
// icon is made and deleted with it but draws nothing and takes no click; every call is marked
// STAND_IN().
class SIM_NPC;

class GUI_NPCIcon {
 public:
  static GUI_NPCIcon* Create(SIM_NPC* npc);
  static void PositionAll();
  static void DrawAll();             // last of the in-game scene
  static void CheckClickAll();       // a left click that no window took
  static void CheckRightClickAll();  // a right click that no person window took
  static void ProcessInputAll();     // the hover, while the mouse moves are not eaten
  virtual ~GUI_NPCIcon() = default;
  SIM_NPC* GetNPC() const { return m_npc; }

 private:
  explicit GUI_NPCIcon(SIM_NPC* npc) : m_npc(npc) {}
  SIM_NPC* m_npc;
};
