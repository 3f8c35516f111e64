#pragma once
// A developer's view of one NPC's memories of social events: each event type with the happiness
// remembered. Several may be open; nothing in the game opens one.
#include "GUI_Dialog.h"

class SIM_Memory;
class SIM_Person;

class GUI_MemoryWatcher : public GUI_Dialog {
 public:
  static GUI_MemoryWatcher* Create(SIM_Memory* memory, SIM_Person* person);

  GUI_MemoryWatcher(SIM_Memory* memory, SIM_Person* person);

  void Draw() override;

 private:
  SIM_Memory* m_memory;
};
