#pragma once
// The contact icons of the player's friends. Stand-in until the social screens arrive: an NPC's
// icon is made and deleted with it but draws nothing; every call is logged once and recorded
// (SIM_StandInLog).
class SIM_NPC;

class GUI_NPCIcon {
 public:
  static GUI_NPCIcon* Create(SIM_NPC* npc);
  static void PositionAll();
  virtual ~GUI_NPCIcon() = default;
  SIM_NPC* GetNPC() const { return m_npc; }

 private:
  explicit GUI_NPCIcon(SIM_NPC* npc) : m_npc(npc) {}
  SIM_NPC* m_npc;
};
