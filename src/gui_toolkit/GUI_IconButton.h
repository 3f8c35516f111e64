#pragma once
// A button drawn as a picture: the normal sprite, or the highlight sprite while the mouse is
// over it; faint (alpha 32) while disabled. Pictures are usually cells of the sheets
// "bigbuttons.dds" and "smallbuttons.dds":
//
//   GUI_IconButton* b = new GUI_IconButton("smallbuttons.dds", MyWindow::Next, 0);
//   b->SetCells(16, 8, 9);  // 4 x 4 sheet: cell 8 normally, cell 9 hovered
#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"

class GUI_IconButton : public GUI_ButtonBase {
 public:
  // A name shorter than 2 characters leaves both sprites untextured.
  GUI_IconButton(const char* texture, Callback callback, int argument);

  void Draw() override;

  void SetTexture(const char* name);
  void SetHighlightTexture(const char* name);
  // Cells of a square sheet of `squares` cells, numbered row by row.
  void SetCells(int squares, int normalCell, int highlightCell);
  CTexturedSprite& GetSprite() { return m_sprite; }
  CTexturedSprite& GetHighlightSprite() { return m_highlightSprite; }

 protected:
  CTexturedSprite m_sprite;
  CTexturedSprite m_highlightSprite;
};
