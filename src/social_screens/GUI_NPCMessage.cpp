#include "GUI_NPCMessage.h"

#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_NPCPortrait.h"
#include "LibTextEngine.h"
#include "SIM_NPC.h"
#include "SIM_Rumour.h"
#include "SIM_Vede.h"

GUI_NPCMessage* GUI_NPCMessage::PTheWindow = nullptr;

GUI_NPCMessage* GUI_NPCMessage::Create(SIM_NPC* npc, const std::string& text) {
  Close();
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return nullptr;
  return new GUI_NPCMessage(npc, text);  // the window manager owns it
}

void GUI_NPCMessage::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

std::string GUI_NPCMessage::ShortTitle(const std::string& title) {
  if (title.size() <= kTitleKept) return title;
  return title.substr(0, kTitleKept) + "...";
}

GUI_NPCMessage::GUI_NPCMessage(SIM_NPC* npc, const std::string& text) : GUI_Dialog(true), m_npc(npc) {
  m_portrait = new GUI_NPCPortrait(npc);
  AddChild(m_portrait);
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
  // The forename is typed by the player: the text grows in a string, never a fixed buffer.
  m_text = text;
  GTranslation::ReplaceToken(m_text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  PTheWindow = this;
  std::string title = GTranslation::GetString("NPCMESSAGEFROM");
  GTranslation::ReplaceToken(title, "<NAME>", npc->GetFullName());
  SetTitle(ShortTitle(title));
  SetModal(true);
}

GUI_NPCMessage::~GUI_NPCMessage() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_NPCMessage::Draw() {
  const RECT& client = GetClientArea();
  m_portrait->SetPosition((float)client.left + 20.0f, (float)client.top + 20.0f, (float)client.left + 100.0f,
                          (float)client.top + 100.0f);
  GUI_Dialog::Draw();
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float left = (float)m_portrait->GetRect()->right + 10.0f;
  text->AddWrappedString(m_text, left, (float)client.top + 20.0f, (float)client.right - left - 20.0f,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}

void GUI_NPCMessage::ShowNextRumour(SIM_NPC* npc) {
  SIM_Rumour* rumour = SIM_Rumour::GetNextRumour();
  if (!rumour) return;
  Create(npc, rumour->GetText());
  // Told once: out of the town's list as well as freed, so the list never holds a freed rumour.
  SIM_Rumour::Remove(rumour);
}
