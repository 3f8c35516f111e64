#include "GUI_Dialog.h"

#include "GUI_CloseButton.h"
#include "GUI_HelpButton.h"
#include "GUI_IconButton.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

GUI_Dialog::GUI_Dialog(bool withCloseButton) {
  SetRect(&m_clientArea, 0, 0, 0, 0);
  if (withCloseButton) {
    m_closeButton = new GUI_CloseButton;
    AddButton(m_closeButton);
  }
  AddToGUI();
}

void GUI_Dialog::SetTitle(const char* text) {
  m_title = text ? text : "";
  if (m_title.size() > kMaxTitle) m_title.resize(kMaxTitle);
}

void GUI_Dialog::UpdateClientArea() {
  SetRect(&m_clientArea, (int)((float)rect.left + m_sideMargin), (int)((float)rect.top + m_topMargin),
          (int)((float)rect.right - m_sideMargin), (int)((float)rect.bottom - m_bottomMargin));
}

void GUI_Dialog::AddHelpButton(const char* text) {
  GUI_HelpButton* help = new GUI_HelpButton(text ? text : "");
  help->SetPosition((float)rect.right - 79.0f, (float)rect.top + 15.0f, (float)rect.right - 47.0f,
                    (float)rect.top + 47.0f);
  AddButton(help);
}

void GUI_Dialog::AddPageArrows(GUI_IconButton* prev, GUI_IconButton* next) {
  const RECT& c = m_clientArea;
  const float top = (float)c.top + 19.0f, bottom = (float)c.top + 51.0f;
  next->SetHighlightTexture("smallbuttons.dds");
  next->SetCells(16, 2, 3);
  next->SetPosition((float)rect.right - 62.0f, top, (float)rect.right - 29.0f, bottom);
  AddButton(next);
  prev->SetHighlightTexture("smallbuttons.dds");
  prev->SetCells(16, 0, 1);
  prev->SetPosition((float)rect.left + 29.0f, top, (float)rect.left + 62.0f, bottom);
  AddButton(prev);
}

void GUI_Dialog::Draw() {
  if (m_closeButton)
    m_closeButton->SetPosition((float)rect.right - 47.0f, (float)rect.top + 15.0f, (float)rect.right - 15.0f,
                               (float)rect.top + 47.0f);
  UpdateClientArea();
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_FRAME, 32.0f, 1.0f);
  if (m_drawClientArea) GUI_WindowBackground::DrawTiled(m_clientArea, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  DrawButtons();
  if (!m_title.empty()) {
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
    text->AddQueueString(m_title, (float)rect.left, (float)rect.top + 8.0f, VBColor(0, 0, 0), (float)width,
                         LibTextEngine::ALIGN_CENTER);
    text->ProcessTextQueue(-1);
  }
}
