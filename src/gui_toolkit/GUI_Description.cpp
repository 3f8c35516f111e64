#include "GUI_Description.h"

#include "LibTextEngine.h"
#include "SIM_Description.h"

GUI_Description* GUI_GetDescription() {
  static GUI_Description* line = new GUI_Description;
  return line;
}

GUI_Description::GUI_Description() { SetCloseOnRestart(false); }

void GUI_Description::Initialise() {
  SetSize(400.0f, 60.0f);
  SetPosition(500.0f, 650.0f, 1004.0f, 675.0f);
  AddToGUI();
}

bool GUI_Description::CheckClick(float x, float y) { return PtInside(x, y); }

void GUI_Description::Draw() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  // Right-aligned: a long sentence runs out past the line's left edge, never off the screen.
  text->AddQueueString(SIM_GetDescription()->GetDescription(), (float)rect.left, (float)rect.top, 0xFFFFFFFFu,
                       (float)width, LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);
}
