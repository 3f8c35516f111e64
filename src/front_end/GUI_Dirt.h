#pragma once
// The household-mess overlay. Stand-in until the scenery arrives: Process is logged once.
class GUI_Dirt {
 public:
  void Process();
};

GUI_Dirt* GUI_GetDirt();
