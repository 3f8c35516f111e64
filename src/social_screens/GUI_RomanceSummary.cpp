#include "GUI_RomanceSummary.h"

#include "D3DTypes.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_NPCPortrait.h"
#include "LibTextEngine.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"

GUI_RomanceSummary* GUI_RomanceSummary::PTheWindow = nullptr;

void GUI_RomanceSummary::Create() {
  Close();
  SIM_NPC* partner = SIM_GetRomance()->GetPartner();
  GAssert(partner != nullptr, __FILE__, __LINE__);
  if (partner) new GUI_RomanceSummary(partner);  // the window manager owns it
}

void GUI_RomanceSummary::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_RomanceSummary::Dump(int) {
  SIM_GetRomance()->DumpCurrentPartner();
  Close();
}

GUI_RomanceSummary::GUI_RomanceSummary(SIM_NPC* partner) : GUI_Dialog(true) {
  PTheWindow = this;
  SetTitle(GTranslation::GetString("ROMANCESUMMARY_TITLE"));
  SetSize(kWidth, kHeight);
  PlaceCentral();
  UpdateClientArea();
  const RECT& c = GetClientArea();
  m_portrait = new GUI_NPCPortrait(partner);
  m_portrait->SetPosition((float)c.left + 20.0f, (float)c.top + 20.0f, (float)c.left + 104.0f, (float)c.top + 104.0f);
  AddChild(m_portrait);
  m_dump = new GUI_ButtonText("ROMANCE_DUMPBUTTON", Dump, 0);
  m_dump->SetTooltip("ROMANCE_DUMPBUTTON_TOOLTIP", 30);
  m_dump->SetPosition((float)m_portrait->GetRect()->right + 10.0f, (float)c.bottom - 44.0f, (float)c.right - 20.0f,
                      (float)c.bottom - 20.0f);
  AddButton(m_dump);
  m_nameLine = std::string(GTranslation::GetString("ROMANCE_NAME")) + " " + partner->GetFullName();
  m_durationLine = GTranslation::GetString("ROMANCE_DURATION");
  GTranslation::ReplaceToken(m_durationLine, "<DAYS>", (int)SIM_GetRomance()->GetRomanceDuration());
  m_help = GTranslation::GetString("ROMANCE_HELP");
  GetDebug()->DebugOut(GFormat("Romance summary: %s", partner->GetFullName().c_str()).c_str());
}

GUI_RomanceSummary::~GUI_RomanceSummary() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_RomanceSummary::Draw() {
  const RECT& c = GetClientArea();
  m_portrait->SetPosition((float)c.left + 20.0f, (float)c.top + 20.0f, (float)c.left + 104.0f, (float)c.top + 104.0f);
  GUI_Dialog::Draw();
  DrawChildren();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float x = (float)m_portrait->GetRect()->right + 10.0f;
  const uint32_t black = VBColor(0, 0, 0);
  text->AddQueueString(m_nameLine, x, (float)c.top + 20.0f, black, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_durationLine, x, (float)c.top + 40.0f, black, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddWrappedString(m_help, x, (float)c.top + 60.0f, (float)c.right - x - 10.0f, black);
  text->ProcessTextQueue(-1);
}
