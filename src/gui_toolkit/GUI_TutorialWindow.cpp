#include "GUI_TutorialWindow.h"

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Tutorial.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

GUI_TutorialWindow* GUI_TutorialWindow::PTheWindow = nullptr;

GUI_TutorialWindow* GUI_TutorialWindow::Create(const std::string& title, const std::string& text, bool hasNext,
                                               int x, int y) {
  Close();
  return new GUI_TutorialWindow(title, text, hasNext, x, y);
}

void GUI_TutorialWindow::Close() {
  GUI_TutorialWindow* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_TutorialWindow::Next(int) { GUI_Tutorial::NextStep(); }

void GUI_TutorialWindow::DrawAll() {
  if (PTheWindow) PTheWindow->Draw();
}

void GUI_TutorialWindow::CheckClickAll() {
  if (!PTheWindow) return;
  CInput* input = GetInput();
  PTheWindow->CheckClick(input->mouseX, input->mouseY);
}

GUI_TutorialWindow::GUI_TutorialWindow(const std::string& title, const std::string& text, bool hasNext, int x,
                                       int y)
    : m_text(GTranslation::GetString(text)), m_title(GTranslation::GetString(title)) {
  PTheWindow = this;
  AddToGUI();
  SetSize(kWidth, kHeight);
  if (x == -1 && y == -1) {
    PlaceCentral();
  } else {
    SetPosition((float)x, (float)y, (float)x + kWidth, (float)y + kHeight);
  }
  if (hasNext) {
    m_nextButton = new GUI_ButtonText("TUTORIAL_NEXT", Next, 0);
    AddButton(m_nextButton);
    GUI_Tutorial::AddClickable(m_nextButton);
  }
}

GUI_TutorialWindow::~GUI_TutorialWindow() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_TutorialWindow::Draw() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  if (!m_laidOut) {
    float h = text->GetWrappedHeight(m_text.c_str(), (float)width - 30.0f);
    float bottom = (float)rect.top + 40.0f + h + 50.0f;
    SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)(int32_t)bottom);
    if (m_nextButton)
      m_nextButton->SetPosition((float)rect.right - 160.0f, (float)rect.bottom - 35.0f, (float)rect.right - 20.0f,
                                (float)rect.bottom - 15.0f);
    m_laidOut = true;
  }
  GUI_WindowBackground::DrawTiled(rect, "tooltip.dds", 30.0f, 1.0f);
  GUI_WindowBase::Draw();
  // The buttons may have switched fonts.
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(m_title, (float)rect.left, (float)rect.top + 10.0f, VBColor(0, 0, 0), (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->AddWrappedString(m_text, (float)rect.left + 15.0f, (float)rect.top + 40.0f, (float)width - 30.0f,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
