#include "GUI_Tooltip.h"

#include <algorithm>

#include "CInput.h"
#include "D3DEngine.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"

std::vector<GUI_Tooltip*> GUI_Tooltip::DrawList;

namespace {
constexpr const char* kTipFont = "anime14.dds";
constexpr float kTipFontSize = 14.0f;
constexpr float kWrapWidth = 240.0f;
}  // namespace

GUI_Tooltip::GUI_Tooltip(const std::string& text, int delay) : m_delay(delay) {
  SetText(text);
  GUI_BaseElement::SetPosition(0.0f, 0.0f, 1.0f, 1.0f);
  width = 10;
}

GUI_Tooltip::~GUI_Tooltip() {
  // A button deleted between its drawing and the frame's DrawAll must not leave itself queued.
  DrawList.erase(std::remove(DrawList.begin(), DrawList.end(), this), DrawList.end());
}

void GUI_Tooltip::Draw() { DrawList.push_back(this); }

void GUI_Tooltip::SetPosition(float x, float y) {
  m_x = x;
  m_y = y;
}

void GUI_Tooltip::SetText(const std::string& text) {
  m_text = text.size() > kMaxText ? text.substr(0, kMaxText) : text;
  m_calculated = false;
}

void GUI_Tooltip::Ping() {
  if (GetInput()->stillPasses > m_delay) m_targetAlpha = 1.0f;
}

void GUI_Tooltip::Calculate() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kTipFont, kTipFontSize);
  int w = (int)((float)text->GetStringLength(m_text) + 6.0f);
  if (w > (int)kWrapWidth) w = (int)kWrapWidth;
  int h = (int)(text->GetWrappedHeight(m_text.c_str(), kWrapWidth) + 4.0f);
  float screenW = D3DEngine::W;
  float screenH = D3DEngine::H;
  if (m_x + (float)w > screenW) m_x = screenW - (float)w;
  if (m_y + (float)h > screenH) m_y = screenH - (float)h;
  if (m_x < 0.0f) m_x = 0.0f;
  if (m_y < 0.0f) m_y = 0.0f;
  GUI_BaseElement::SetPosition(m_x, m_y, m_x + (float)w, m_y + (float)h);
  m_calculated = true;
}

void GUI_Tooltip::AutoPosition() {
  CInput* input = GetInput();
  float mx = input->mouseX;
  float my = input->mouseY;
  float x = mx + (float)width > D3DEngine::W - 40.0f ? mx - (float)width : mx + 30.0f;
  float y = my + (float)height > D3DEngine::H ? my - (float)height : my;
  GUI_BaseElement::SetPosition(x, y);
}

bool GUI_Tooltip::ReallyDraw() {
  bool drew = false;
  m_drawnAlpha = std::min(m_targetAlpha, 1.0f);
  if (m_drawnAlpha > 0.01f) {
    if (!m_calculated) Calculate();
    AutoPosition();
    RECT box;
    SetRect(&box, rect.left - 8, rect.top - 8, rect.right + 8, rect.bottom + 8);
    GUI_WindowBackground::DrawTiled(box, "tooltip.dds", 16.0f, 0.95f);
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont(kTipFont, kTipFontSize);
    text->AddWrappedString(m_text, (float)(rect.left + 4), (float)(rect.top - 4), kWrapWidth, VBColor(0, 0, 0));
    drew = true;
  }
  m_targetAlpha = std::max(m_targetAlpha - FADE, 0.0f);
  return drew;
}

void GUI_Tooltip::DrawAll() {
  D3DEngine* engine = GetD3DEngine();
  engine->SetPointFilter();
  for (GUI_Tooltip* tip : DrawList) {
    if (tip->ReallyDraw()) break;
  }
  GetTextEngine()->ProcessTextQueue(-1);
  engine->SetLinearFilter();
  DrawList.clear();
}
