#include "GUI_RomanticOffer.h"

#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_NPC.h"
#include "GUI_NPCPortrait.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"
#include "SIM_Vede.h"

GUI_RomanticOffer* GUI_RomanticOffer::PTheWindow = nullptr;

void GUI_RomanticOffer::Create(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  Close();
  if (npc) new GUI_RomanticOffer(npc);  // the window manager owns it
}

void GUI_RomanticOffer::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_RomanticOffer::Accept(int) {
  if (!PTheWindow) return;
  SIM_GetRomance()->SetRomanticPartner(PTheWindow->m_npc);
  GUI_GetSounds()->PlaySound("data/sounds/gigglekiss.ogg", false);
  Close();
}

void GUI_RomanticOffer::Reject(int) {
  if (!PTheWindow) return;
  PTheWindow->m_npc->SetRomanticCompatibility(0.0f);
  Close();
}

GUI_RomanticOffer::GUI_RomanticOffer(SIM_NPC* npc) : GUI_Dialog(false), m_npc(npc) {
  PTheWindow = this;
  SetModal(true);
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
  std::string title = GTranslation::GetString("ROMANCE_OFFER_TITLE");
  GTranslation::ReplaceToken(title, "<NAME>", npc->GetForeName());
  SetTitle(title);
  m_text = GTranslation::GetString("ROMANCE_OFFER_TEXT");
  GTranslation::ReplaceToken(m_text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  m_portrait = new GUI_NPCPortrait(npc);
  AddChild(m_portrait);
  const RECT& c = GetClientArea();
  m_accept = new GUI_ButtonText("ROMANCE_ACCEPT", Accept, 0);
  m_accept->SetTooltip("ROMANCE_ACCEPT_TOOLTIP", 30);
  m_accept->SetPosition(GetCenterX() + 5.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f, (float)c.bottom - 20.0f);
  AddButton(m_accept);
  m_reject = new GUI_ButtonText("ROMANCE_REJECT", Reject, 0);
  m_reject->SetTooltip("ROMANCE_REJECT_TOOLTIP", 30);
  m_reject->SetPosition((float)c.left + 20.0f, (float)c.bottom - 44.0f, GetCenterX() - 5.0f, (float)c.bottom - 20.0f);
  AddButton(m_reject);
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_FLOURISH);
  GetDebug()->DebugOut(GFormat("Romance offer: %s", npc->GetFullName().c_str()).c_str());
}

GUI_RomanticOffer::~GUI_RomanticOffer() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

bool GUI_RomanticOffer::CheckClick(float x, float y) {
  if (IsVisible() && m_portrait->PtInside(x, y)) {
    GUI_NPC::Create(m_npc);
    return true;
  }
  return GUI_WindowBase::CheckClick(x, y);
}

void GUI_RomanticOffer::Draw() {
  const RECT& c = GetClientArea();
  m_portrait->SetPosition((float)c.left + 20.0f, (float)c.top + 20.0f, (float)c.left + 100.0f, (float)c.top + 100.0f);
  GUI_Dialog::Draw();
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float right = (float)m_portrait->GetRect()->right;
  text->AddWrappedString(m_text, right + 10.0f, (float)c.top + 20.0f, (float)c.right - right - 30.0f, VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
