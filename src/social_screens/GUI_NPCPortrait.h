#pragma once
// A person's face on the round icon background, as a small child window of a dialog; the owner
// sets its rectangle and draws it.
#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class SIM_NPC;

class GUI_NPCPortrait : public GUI_WindowBase {
 public:
  explicit GUI_NPCPortrait(SIM_NPC* npc);  // a null person fails an assertion
  void Draw() override;
  SIM_NPC* GetNPC() const { return m_npc; }

 private:
  SIM_NPC* m_npc;
  CTexturedSprite m_background;
  CTexturedSprite m_portrait;
};
