#include "GUI_DescriptionDebugger.h"

#include <algorithm>

#include "D3DEngine.h"
#include "LibTextEngine.h"
#include "SIM_Description.h"

GUI_DescriptionDebugger* GUI_DescriptionDebugger::PTheWindow = nullptr;

namespace {
void Fill(float left, float top, float right, float bottom, uint32_t colour) {
  RECT r;
  SetRect(&r, (int)std::min(left, right), (int)top, (int)std::max(left, right), (int)bottom);
  GetD3DEngine()->FillRect(&r, colour);
}

// One candidate list; returns the y below it.
float DrawCandidates(const std::list<SIM_Description::Candidate*>& candidates, float x, float y, uint32_t weightColour) {
  SIM_Description* description = SIM_GetDescription();
  LibTextEngine* text = GetTextEngine();
  for (const SIM_Description::Candidate* candidate : candidates) {
    text->SetCurrentFont("anime14.dds", 14.0f);
    RECT frame;
    SetRect(&frame, (int)x, (int)y, (int)(x + 300.0f), (int)(y + 18.0f));
    GetD3DEngine()->FrameRect(&frame, 0xFF000000u);
    Fill(x, y, x + 300.0f * candidate->score, y + 18.0f, weightColour);
    Fill(x, y + 2.0f, x - 300.0f * description->GetAdjuster(candidate->word), y + 16.0f, 0x802020FFu);
    text->AddQueueString(candidate->word, x, y - 2.0f, 0xFF000000u, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 20.0f;
  }
  return y;
}
}  // namespace

GUI_DescriptionDebugger* GUI_DescriptionDebugger::Create() {
  delete PTheWindow;
  PTheWindow = nullptr;
  return new GUI_DescriptionDebugger;
}

GUI_DescriptionDebugger::GUI_DescriptionDebugger() : GUI_Dialog(true) {
  PTheWindow = this;
  SetSize(400.0f, 600.0f);
  PlaceCentral();
}

GUI_DescriptionDebugger::~GUI_DescriptionDebugger() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_DescriptionDebugger::Draw() {
  GUI_Dialog::Draw();
  SIM_Description* description = SIM_GetDescription();
  const float x = (float)GetClientArea().left + 20.0f;
  float y = (float)GetClientArea().top + 20.0f;
  y = DrawCandidates(description->GetAdjectiveCandidates(), x, y, 0x80E08080u);
  y += 20.0f;
  DrawCandidates(description->GetNounCandidates(), x, y, 0x808080E0u);
  GetTextEngine()->ProcessTextQueue(-1);
}
