#include "GUI_BoredomWatcher.h"

#include <cstdio>
#include <cstdlib>

#include "GDebug.h"
#include "LibTextEngine.h"
#include "SIM_Boredom.h"

GUI_BoredomWatcher* GUI_BoredomWatcher::PTheWindow = nullptr;

GUI_BoredomWatcher* GUI_BoredomWatcher::Create(SIM_Boredom* boredom) {
  delete PTheWindow;
  PTheWindow = nullptr;
  GAssert(boredom != nullptr, __FILE__, __LINE__);
  if (!boredom) return nullptr;
  return new GUI_BoredomWatcher(boredom);
}

GUI_BoredomWatcher::GUI_BoredomWatcher(SIM_Boredom* boredom) : GUI_Dialog(true), m_boredom(boredom) {
  PTheWindow = this;
  SetSize(250.0f, 300.0f);
  GUI_BaseElement::SetPosition((float)(std::rand() % 400), (float)(std::rand() % 300));
  SetTitle("Boredom");
}

GUI_BoredomWatcher::~GUI_BoredomWatcher() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_BoredomWatcher::Draw() {
  GUI_Dialog::Draw();
  if (!m_boredom) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  float y = (float)GetClientArea().top + 20.0f;
  for (const SIM_BoredomItem* item : m_boredom->GetItems()) {
    char value[64];
    std::snprintf(value, sizeof value, "%.3f", static_cast<double>(item->GetValue()));
    text->AddQueueString(item->GetName(), (float)rect.left + 25.0f, y, 0xFFFFFFFFu, 0.0f, LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(value, (float)rect.left + 150.0f, y, 0xFF000000u, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 12.0f;
  }
  text->ProcessTextQueue(-1);
}
