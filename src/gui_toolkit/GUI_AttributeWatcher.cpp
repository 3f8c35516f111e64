#include "GUI_AttributeWatcher.h"

#include <algorithm>
#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_Colours.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "StringUtils.h"

namespace {
constexpr float kLine = 12.0f;

const char* const kWatchedIQParts[] = {"iq_logic", "iq_knowledge", "iq_problemsolving", "iq_reasoning"};
const char* const kWatchedCultureParts[] = {"culture_literature", "culture_arts", "culture_knowledge"};

GUI_AttributeWatcher* OpenFor(const char* name, GUI_AttributeWatcher* last) {
  SIM_Attribute* part = SIM_Attribute::GetAttribute(name);
  return part ? new GUI_AttributeWatcher(part) : last;
}

std::string Format3(float v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(v));
  return text;
}
}  // namespace

GUI_AttributeWatcher* GUI_AttributeWatcher::Create(SIM_Attribute* attribute) {
  GAssert(attribute != nullptr, __FILE__, __LINE__);
  if (!attribute) return nullptr;
  GUI_AttributeWatcher* last = nullptr;
  if (attribute->GetName() == "iq") {
    for (const char* name : kWatchedIQParts) last = OpenFor(name, last);
  } else if (attribute->GetName() == "culture") {
    for (const char* name : kWatchedCultureParts) last = OpenFor(name, last);
  } else {
    last = new GUI_AttributeWatcher(attribute);
  }
  return last;
}

GUI_AttributeWatcher::GUI_AttributeWatcher(SIM_Attribute* attribute) : GUI_Dialog(true) {
  if (attribute) m_name = attribute->GetName();
  SetDraggable(true);
  SetSize(650.0f, 300.0f);
  PlaceCentral();
  SetTitle(m_name);
}

SIM_Attribute* GUI_AttributeWatcher::GetAttribute() const { return SIM_Attribute::GetAttribute(m_name); }

void GUI_AttributeWatcher::DrawBar(float y, float v) {
  D3DEngine* engine = GetD3DEngine();
  const int cx = rect.left + 500;
  const int top = (int)(y - 5.0f);
  const int bottom = (int)(y + 5.0f);
  RECT bar;
  const int reach = (int)(100.0f * v);
  if (v >= 0.0f) {
    SetRect(&bar, cx, top, cx + reach, bottom);
    engine->FillRect(&bar, 0xFF108010u);
  } else {
    SetRect(&bar, cx + reach, top, cx, bottom);
    engine->FillRect(&bar, 0xFF101080u);
  }
  RECT mark;
  SetRect(&mark, cx, top, cx + 1, bottom);
  engine->FillRect(&mark, 0x80000000u);
  RECT frame;
  SetRect(&frame, rect.left + 400, top, rect.left + 600, bottom);
  engine->FrameRect(&frame, kBlack);
}

void GUI_AttributeWatcher::Draw() {
  GUI_Dialog::Draw();
  SIM_Attribute* attribute = GetAttribute();
  if (!attribute) return;
  LibTextEngine* text = GetTextEngine();
  const float left = (float)rect.left;
  float y = (float)GetClientArea().top + 20.0f;
  text->SetCurrentFont("arialbold16.dds", 16.0f);
  char line[128];
  std::snprintf(line, sizeof line, "VALUE:  %.5f", static_cast<double>(attribute->GetValue()));
  text->AddQueueString(line, left, y, kBlack, (float)width, LibTextEngine::ALIGN_CENTER);
  y += 25.0f;
  text->AddQueueString("default:", left + 25.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(Format3(attribute->GetBaseValue()), left + 120.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  DrawBar(y + 6.0f, attribute->GetBaseValue());
  y += kLine;
  const std::list<SIM_Effect*>& effects = attribute->GetEffects();
  for (auto it = effects.rbegin(); it != effects.rend(); ++it) {
    const SIM_Effect* effect = *it;
    text->AddQueueString(AddDots(effect->GetDebugName(), 30), left + 25.0f, y, kBlack, 0.0f,
                         LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(Format3(effect->GetEffect()), left + 150.0f, y, kBlack, 100.0f, LibTextEngine::ALIGN_RIGHT);
    text->AddQueueString(Format3(effect->GetDegrade()), left + 330.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
    DrawBar(y + 6.0f, effect->GetEffect());
    y += kLine;
  }
  text->ProcessTextQueue(-1);
}
