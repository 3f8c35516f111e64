#include "GUI_NPC.h"

#include <vector>

#include "ActivityHooks.h"
#include "CInput.h"
#include "GDebug.h"
#include "GUI_ButtonTab.h"
#include "GUI_CloseButton.h"
#include "GUI_NPCTabs.h"
#include "GUI_NamedObject.h"
#include "GUI_TabContainer.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"

std::list<GUI_NPC*> GUI_NPC::OpenWindows;

namespace {
constexpr float kClientTopMargin = 51.0f;
}  // namespace

GUI_NPC* GUI_NPC::Find(const SIM_NPC* npc) {
  for (GUI_NPC* window : OpenWindows) {
    if (window->m_npc == npc) return window;
  }
  return nullptr;
}

GUI_NPC* GUI_NPC::Create(SIM_NPC* npc) {
  if (GUI_NPC* open = Find(npc)) {
    GUI_GetWindowManager()->MakeTopmost(open);
    return open;
  }
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return nullptr;
  return new GUI_NPC(npc);
}

bool GUI_NPC::CheckRightClickAll() {
  for (GUI_NPC* window : OpenWindows) {
    if (window->MouseInside()) {
      delete window;
      return true;
    }
  }
  return false;
}

void GUI_NPC::CloseFor(const SIM_NPC* npc) {
  while (GUI_NPC* window = Find(npc)) delete window;
}

GUI_NPC::GUI_NPC(SIM_NPC* npc) : GUI_Dialog(true), m_npc(npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  SetDraggable(true);
  SetSize(kWidth, kHeight);
  CInput* input = GetInput();
  GUI_BaseElement::SetPosition(input->mouseX, input->mouseY);
  ForceOnscreen();
  m_topMargin = kClientTopMargin;
  UpdateClientArea();
  if (npc) SetTitle(npc->GetForeName() + " " + npc->GetSurName());

  m_tabs = new GUI_TabContainer;
  m_tabs->SetPosition((float)m_clientArea.left, (float)m_clientArea.top, (float)m_clientArea.right,
                      (float)m_clientArea.bottom);
  AddChild(m_tabs);
  m_summary = new GUI_NPCSummaryTab(npc);
  m_tabs->AddTab(m_summary);
  m_tabs->ActivateTab(m_summary);
  // The tab buttons sit on the window's frame above the page, so the window takes their clicks.
  m_summaryButton = new GUI_ButtonTab("NPC_SUMMARY", m_summary);
  AddButton(m_summaryButton);
  m_interests = new GUI_NPCInterestTab(npc);
  m_tabs->AddTab(m_interests);
  m_interestsButton = new GUI_ButtonTab("NPC_INTERESTS", m_interests);
  AddButton(m_interestsButton);

  OpenWindows.push_back(this);
  GUI_NamedObject::Register("NPC", this);
}

GUI_NPC::~GUI_NPC() {
  // The container is a child: the window base deletes it with its tabs.
  OpenWindows.remove(this);
  GUI_NamedObject::UnRegister(this);
}

void GUI_NPC::Draw() {
  if (!m_visible) return;
  UpdateClientArea();
  const RECT& c = m_clientArea;
  m_tabs->SetPosition((float)c.left, (float)c.top, (float)c.right, (float)c.bottom);
  // The tab art is cut in three round its integer middle: an odd width leaves a seam, so both
  // buttons are a pixel narrower on their outer side, for an even width.
  m_summaryButton->SetPosition((float)c.left + 16.0f, (float)c.top - 18.0f, (float)c.left + 150.0f, (float)c.top + 9.0f);
  m_interestsButton->SetPosition((float)c.left + 150.0f, (float)c.top - 18.0f, (float)c.left + 294.0f,
                                 (float)c.top + 9.0f);
  if (m_closeButton)
    m_closeButton->SetPosition((float)rect.right - 44.0f, (float)rect.top + 12.0f, (float)rect.right - 12.0f,
                               (float)rect.top + 44.0f);
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_FRAME, 32.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(m_title, (float)rect.left, (float)rect.top + 12.0f, VBColor(0, 0, 0), (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  m_tabs->Draw();
  if (m_npc && SIM_GetRomance()->IsCurrentPartner(m_npc)) {
    CTexturedSprite heart;
    heart.SetTexture("heart.dds");
    heart.SetSize(22.0f, 22.0f);
    heart.PlaceLocal((float)rect.right - 54.0f, (float)rect.top + 26.0f);
    heart.Draw();
  }
  DrawButtons();
}

void SIM_HookShowNPC() {
  if (SIM_NPC* best = SIM_NPC::GetBestFriend()) GUI_NPC::Create(best);
}
