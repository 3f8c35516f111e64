#include "GUI_NoMoneyDialog.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_SocialActivityChooser.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_Subsidies.h"
#include "SIM_Vede.h"

GUI_NoMoneyDialog* GUI_NoMoneyDialog::PNoMoneyDialog = nullptr;

GUI_NoMoneyDialog* GUI_NoMoneyDialog::Create(SIM_SocialiseType* activity, SIM_NPC* npc) {
  GAssert(activity != nullptr, __FILE__, __LINE__);
  GAssert(npc != nullptr, __FILE__, __LINE__);
  Close();
  if (!activity || !npc) return nullptr;
  return new GUI_NoMoneyDialog(activity, npc);  // the window manager owns it
}

GUI_NoMoneyDialog::GUI_NoMoneyDialog(SIM_SocialiseType* activity, SIM_NPC* npc) : GUI_NPCMessage(npc, "") {
  PNoMoneyDialog = this;
  SetTitle(GTranslation::GetString("NPC_NOTENOUGHMONEY_TITLE"));
  const RECT& c = GetClientArea();
  m_reject = new GUI_ButtonText("NPCNOMONEY_REJECT", Reject, 0);
  m_reject->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, GetCenterX() - 5.0f, (float)c.bottom - 20.0f);
  AddButton(m_reject);
  m_subsidise = new GUI_ButtonText("NPCNOMONEY_SUBSIDISE", SubsidiseFriend, 0);
  m_subsidise->SetPosition(GetCenterX() + 5.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f, (float)c.bottom - 20.0f);
  AddButton(m_subsidise);
  m_text = GTranslation::GetString("NPCNOMONEY_TEXT");
  GTranslation::ReplaceToken(m_text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  m_requiredCash = SIM_Subsidies::RequiredCash(activity);
  GAssert(m_requiredCash >= 0, __FILE__, __LINE__);
  m_subsidise->SetEnabled(SIM_GetFinances()->GetCash() >= (float)m_requiredCash);
}

GUI_NoMoneyDialog::~GUI_NoMoneyDialog() {
  if (PNoMoneyDialog == this) PNoMoneyDialog = nullptr;
}

void GUI_NoMoneyDialog::SubsidiseFriend(int) {
  GUI_NoMoneyDialog* dialog = PNoMoneyDialog;
  if (!dialog) return;
  SIM_NPC* npc = dialog->m_npc;
  SIM_Subsidies::Add(npc);
  GUI_SocialActivityChooser::ForceDropIcon(npc);
  GUI_NPCMessage::Close();
}

void GUI_NoMoneyDialog::Reject(int) {
  GUI_NoMoneyDialog* dialog = PNoMoneyDialog;
  if (!dialog) return;
  dialog->m_npc->AppreciateRejectedInvite();
  GUI_NPCMessage::Close();
}
