#include "GUI_HelpWindow.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

GUI_HelpWindow* GUI_HelpWindow::PTheWindow = nullptr;

namespace {
constexpr float kWidth = 400.0f;
constexpr float kHeight = 300.0f;
}  // namespace

GUI_HelpWindow* GUI_HelpWindow::Create(const char* key, V2 point) {
  Close();
  return new GUI_HelpWindow(key, point);
}

void GUI_HelpWindow::Close() {
  GUI_HelpWindow* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_HelpWindow::GUI_HelpWindow(const char* key, V2 point) : m_text(GTranslation::GetString(key ? key : "")) {
  PTheWindow = this;
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  float x = point.x < W / 2.0f ? point.x + 20.0f : point.x - 320.0f;
  float y = point.y < H / 2.0f ? point.y + 20.0f : point.y - 120.0f;
  if (x < 0.0f) x = 0.0f;
  if (x > W - kWidth) x = W - kWidth;
  if (y < 0.0f) y = 0.0f;
  if (y > H - kHeight) y = H - kHeight;
  SetPosition(x, y, x + kWidth, y + kHeight);
  GUI_CloseButton* close = new GUI_CloseButton;
  close->SetPosition((float)rect.right - 35.0f, (float)rect.top + 5.0f, (float)rect.right - 5.0f,
                     (float)rect.top + 35.0f);
  AddButton(close);
  AddToGUI();
  SetModal(true);
}

GUI_HelpWindow::~GUI_HelpWindow() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_HelpWindow::Draw() {
  LibTextEngine* text = GetTextEngine();
  if (!m_laidOut) {
    text->SetCurrentFont("anime16.dds", 16.0f);
    float h = text->GetWrappedHeight(m_text.c_str(), (float)width - 40.0f);
    rect.bottom = (int32_t)((float)rect.top + 50.0f + h);
    height = rect.bottom - rect.top;
    m_laidOut = true;
  }
  GUI_WindowBackground::DrawTiled(rect, "tooltip.dds", 16.0f, 0.95f);
  DrawButtons();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddWrappedString(m_text, (float)rect.left + 20.0f, (float)rect.top + 30.0f, (float)width - 40.0f,
                         VBColor(0, 0, 0));
  text->ProcessTextQueue(-1);
}
