#pragma once
// A developer's view of one person's boredom: each activity with its value. At most one is open;
// nothing in the game opens it.
#include "GUI_Dialog.h"

class SIM_Boredom;

class GUI_BoredomWatcher : public GUI_Dialog {
 public:
  static GUI_BoredomWatcher* Create(SIM_Boredom* boredom);

  explicit GUI_BoredomWatcher(SIM_Boredom* boredom);
  ~GUI_BoredomWatcher() override;

  void Draw() override;

  static GUI_BoredomWatcher* PTheWindow;

 private:
  SIM_Boredom* m_boredom;
};
