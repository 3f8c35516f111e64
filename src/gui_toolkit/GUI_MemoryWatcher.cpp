#include "GUI_MemoryWatcher.h"

#include <cstdio>
#include <cstdlib>

#include "GDebug.h"
#include "LibTextEngine.h"
#include "SIM_Memory.h"
#include "SIM_Person.h"
#include "SIM_SocialiseType.h"
#include "SIM_TimeChunkType.h"

GUI_MemoryWatcher* GUI_MemoryWatcher::Create(SIM_Memory* memory, SIM_Person* person) {
  GAssert(memory != nullptr, __FILE__, __LINE__);
  if (!memory) return nullptr;
  return new GUI_MemoryWatcher(memory, person);
}

GUI_MemoryWatcher::GUI_MemoryWatcher(SIM_Memory* memory, SIM_Person* person) : GUI_Dialog(true), m_memory(memory) {
  SetSize(250.0f, 300.0f);
  GUI_BaseElement::SetPosition((float)(std::rand() % 400), (float)(std::rand() % 300));
  if (person) SetTitle(person->GetFullName());
}

void GUI_MemoryWatcher::Draw() {
  GUI_Dialog::Draw();
  if (!m_memory) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  float y = (float)rect.top + 40.0f;
  for (const SIM_EventMemory* memory : m_memory->GetMemories()) {
    char happiness[64];
    std::snprintf(happiness, sizeof happiness, "%.3f", memory->GetHappiness());
    const SIM_TimeChunkType* type = memory->GetType();
    text->AddQueueString(type ? type->GetName() : std::string(), (float)rect.left + 25.0f, y, 0xFFFFFFFFu, 0.0f,
                         LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(happiness, (float)rect.left + 150.0f, y, 0xFFFFFFFFu, 0.0f, LibTextEngine::ALIGN_LEFT);
    y += 12.0f;
  }
  text->ProcessTextQueue(-1);
}
