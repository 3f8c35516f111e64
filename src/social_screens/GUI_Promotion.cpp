#include "GUI_Promotion.h"

#include "GTranslation.h"
#include "LibTextEngine.h"

GUI_Promotion* GUI_Promotion::PTheWindow = nullptr;

GUI_Promotion* GUI_Promotion::Create() {
  Close();
  return new GUI_Promotion();
}

void GUI_Promotion::Close() {
  GUI_Promotion* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_Promotion::GUI_Promotion() : GUI_Dialog(true) {
  PTheWindow = this;
  SetSize(350.0f, 200.0f);
  PlaceCentral();
  UpdateClientArea();
  SetTitle(GTranslation::GetString("PROMOTION_TITLE"));
  m_text = GTranslation::GetString("PROMOTION_TEXT");
}

GUI_Promotion::~GUI_Promotion() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_Promotion::Draw() {
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddWrappedString(m_text, (float)m_clientArea.left + 10.0f, (float)m_clientArea.top + 10.0f,
                         (float)(m_clientArea.right - m_clientArea.left) - 20.0f, VBColor(255, 255, 255));
  text->ProcessTextQueue(-1);
}
