#include "GUI_NPCPortrait.h"

#include "GDebug.h"
#include "SIM_NPC.h"

GUI_NPCPortrait::GUI_NPCPortrait(SIM_NPC* npc) : m_npc(npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  m_background.SetTexture("npc_icon_background.dds");
  if (npc) m_portrait.SetTexture(npc->GetPortraitTexture());
}

void GUI_NPCPortrait::Draw() {
  if (!m_npc) return;
  for (CTexturedSprite* sprite : {&m_background, &m_portrait}) {
    sprite->SetSize(GetWidth(), GetHeight());
    sprite->PlaceLocal(GetCenterX(), GetCenterY());
    sprite->Draw();
  }
}
