#include "GUI_DragIcon.h"

#include "CInput.h"
#include "GDebug.h"
#include "GUI_Cursor.h"
#include "GUI_NPCIcon.h"
#include "GUI_SocialActivityChooser.h"
#include "SIM_NPC.h"

GUI_DragIcon* GUI_DragIcon::PTheIcon = nullptr;

namespace {
// The badge of a person without an icon on the scene.
constexpr int kDefaultIconSize = 64;
}  // namespace

GUI_DragIcon* GUI_DragIcon::Create(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return nullptr;
  // The drag starts from the person's own icon, so the face the player grabbed stays under the
  // mouse; a person without one is carried as a badge centred on the mouse.
  RECT icon;
  if (const GUI_NPCIcon* own = npc->GetIcon()) {
    icon = *own->GetRect();
  } else {
    CInput* input = GetInput();
    const int x = (int)input->mouseX;
    const int y = (int)input->mouseY;
    SetRect(&icon, x - kDefaultIconSize / 2, y - kDefaultIconSize / 2, x + kDefaultIconSize / 2,
            y + kDefaultIconSize / 2);
  }
  return Create(npc, icon, npc->GetPortraitTexture().c_str());
}

GUI_DragIcon* GUI_DragIcon::Create(SIM_NPC* npc, const RECT& icon, const char* portrait) {
  Close();
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return nullptr;
  PTheIcon = new GUI_DragIcon(npc, icon, portrait);
  GUI_GetCursor()->SetDragObject(PTheIcon);
  return PTheIcon;
}

GUI_DragIcon::GUI_DragIcon(SIM_NPC* npc, const RECT& icon, const char* portrait) : m_npc(npc) {
  const float width = (float)(icon.right - icon.left);
  const float height = (float)(icon.bottom - icon.top);
  CInput* input = GetInput();
  m_grabX = (float)(icon.left + icon.right) / 2.0f - input->mouseX;
  m_grabY = (float)(icon.top + icon.bottom) / 2.0f - input->mouseY;
  m_background.SetTexture("npc_icon_background.dds");
  m_background.SetSize(width, height);
  if (portrait && portrait[0]) {
    m_portrait.SetTexture(portrait);
    m_hasPortrait = true;
  }
  m_portrait.SetSize(width, height);
}

void GUI_DragIcon::Close() {
  GUI_DragIcon* icon = PTheIcon;
  PTheIcon = nullptr;
  if (icon && GUI_GetCursor()->GetDragObject() == icon) GUI_GetCursor()->SetDragObject(nullptr);
  delete icon;
}

void GUI_DragIcon::Drop() {
  if (PTheIcon) {
    GUI_SocialActivityChooser::CheckDropIcon(PTheIcon);
    Close();
  }
  GUI_GetCursor()->SetDragObject(nullptr);
}

void GUI_DragIcon::DrawAll() {
  if (PTheIcon) PTheIcon->Draw();
}

SIM_NPC* GUI_DragIcon::GetDraggedNPC() { return PTheIcon ? PTheIcon->GetNPC() : nullptr; }

void GUI_DragIcon::Draw() {
  CInput* input = GetInput();
  const float x = input->mouseX + m_grabX;
  const float y = input->mouseY + m_grabY;
  m_background.PlaceLocal(x, y);
  m_background.Draw();
  if (m_hasPortrait) {
    m_portrait.PlaceLocal(x, y);
    m_portrait.Draw();
  }
}
