#pragma once
// The frame the evening-school windows share: centred on the screen, the school's blackboard over
// the client area but for a margin, the evening classes' title and help, the close button in the
// top right corner.
#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_SchoolBoard : public GUI_Dialog {
 protected:
  GUI_SchoolBoard(float width, float height);

  // The frame, the blackboard, the buttons and the queued title; the caller draws what lies over
  // them and then empties the text queue.
  void DrawBoard();

 private:
  CTexturedSprite m_blackboard;
};
