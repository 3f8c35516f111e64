#include "GUI_Attribute.h"

#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_Colours.h"
#include "GUI_Indicator.h"
#include "GUI_MindState.h"
#include "GUI_Sounds.h"
#include "GUI_ValueBar.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"

GUI_Attribute* GUI_Attribute::PTheWindow = nullptr;

namespace {
constexpr uint32_t kConnector = 0xFFE0E0E0u;
// The description is measured and drawn in the same font, so its wrapped lines fit the window.
constexpr const char* kDescriptionFont = "calibriblackbold16.dds";
constexpr float kDescriptionSize = 16.0f;

const char* const kIQParts[] = {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"};
const char* const kCultureParts[] = {"culture_literature", "culture_arts", "culture_knowledge"};
}  // namespace

GUI_Attribute* GUI_Attribute::Create(SIM_Attribute* attribute) {
  GAssert(attribute != nullptr, __FILE__, __LINE__);
  if (!attribute) return nullptr;
  if (GUI_GetWindowManager()->HasFullscreen()) return nullptr;
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  if (PTheWindow && PTheWindow->m_attribute == attribute) {
    Close();
    return nullptr;
  }
  Close();
  return new GUI_Attribute(attribute);
}

void GUI_Attribute::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

GUI_Attribute::GUI_Attribute(SIM_Attribute* attribute) : m_attribute(attribute) {
  PTheWindow = this;
  GAssert(attribute != nullptr, __FILE__, __LINE__);
  SetRect(&m_connector, 0, 0, 1, 1);
  m_closeButton = new GUI_CloseButton;
  AddButton(m_closeButton);
  if (attribute) {
    if (attribute->GetName() == "iq") {
      m_kind = KIND_IQ;
    } else if (attribute->GetName() == "culture") {
      m_kind = KIND_CULTURE;
    }
  }
  AddToGUI();
}

GUI_Attribute::~GUI_Attribute() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

bool GUI_Attribute::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  Close();  // deletes this window
  return true;
}

void GUI_Attribute::CalcSize() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kDescriptionFont, kDescriptionSize);
  const std::string description = GTranslation::GetString(m_attribute->GetDescription());
  const float h = text->GetWrappedHeight(description.c_str(), kWrapWidth);
  float total = 67.0f + h;
  if (m_kind == KIND_IQ) total += 74.0f;
  if (m_kind == KIND_CULTURE) total += 58.0f;
  SetSize(kWidth, total);

  GUI_Indicator* row = GUI_GetMindState()->GetIndicator(m_attribute->GetName());
  if (row) {
    const float cy = row->GetCenterY();
    const int32_t half = this->height / 2;
    // Its right edge lies 10 pixels over the mind-state panel's left edge, wherever the panel stands.
    const float x = (float)GUI_GetMindState()->GetRect()->left + 10.0f - kWidth;
    SetPosition(x, cy - (float)half, x + kWidth, cy + (float)half);
    SetRect(&m_connector, (int)((float)rect.right - 9.0f), (int)(cy - 2.0f), row->GetRect()->left, (int)(cy + 2.0f));
  } else {
    PlaceCentral();
    SetRect(&m_connector, 0, 0, 1, 1);
  }
  m_sized = true;
}

void GUI_Attribute::AddBars() {
  KillChildren();
  const float y = (float)rect.bottom - 40.0f;
  if (m_kind == KIND_IQ) {
    for (int i = 0; i < 4; ++i) AddSubAttrib(y - 16.0f * (float)i, SIM_Attribute::GetAttribute(kIQParts[i]));
  } else if (m_kind == KIND_CULTURE) {
    for (int i = 0; i < 3; ++i) AddSubAttrib(y - 16.0f * (float)i, SIM_Attribute::GetAttribute(kCultureParts[i]));
  }
}

void GUI_Attribute::AddSubAttrib(float y, SIM_Attribute* attribute) {
  if (!attribute) return;
  GUI_ValueBar* bar = new GUI_ValueBar;
  bar->SetPosition((float)rect.right - 120.0f, y + 8.0f, (float)rect.right - 30.0f, y + 16.0f);
  bar->SetValue(attribute->GetValue(), 1.0f, false);
  AddChild(bar);
}

void GUI_Attribute::DrawSubAttrib(float y, SIM_Attribute* attribute) {
  if (!attribute) return;
  GetTextEngine()->AddQueueString(attribute->GetGUIName(), (float)rect.left + 20.0f, y, kBlack, 0.0f,
                                  LibTextEngine::ALIGN_LEFT);
}

void GUI_Attribute::DrawIQ() {
  const float y = (float)rect.bottom - 40.0f;
  for (int i = 0; i < 4; ++i) DrawSubAttrib(y - 16.0f * (float)i, SIM_Attribute::GetAttribute(kIQParts[i]));
}

void GUI_Attribute::DrawCulture() {
  const float y = (float)rect.bottom - 40.0f;
  for (int i = 0; i < 3; ++i) DrawSubAttrib(y - 16.0f * (float)i, SIM_Attribute::GetAttribute(kCultureParts[i]));
}

void GUI_Attribute::Draw() {
  if (!m_sized) {
    CalcSize();
    AddBars();
  }
  D3DEngine* engine = GetD3DEngine();
  engine->FillRect(&m_connector, kConnector);
  m_closeButton->SetPosition((float)rect.right - 42.0f, (float)rect.top + 19.0f, (float)rect.right - 19.0f,
                             (float)rect.top + 42.0f);
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  DrawButtons();

  LibTextEngine* text = GetTextEngine();
  char title[128];
  std::snprintf(title, sizeof title, "%s (%.0f%%)", m_attribute->GetGUIName().c_str(),
                static_cast<double>(100.0f * m_attribute->GetValue()));
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(title, (float)rect.left + 20.0f, (float)rect.top + 19.0f, kBlack, 0.0f,
                       LibTextEngine::ALIGN_LEFT);

  text->SetCurrentFont(kDescriptionFont, kDescriptionSize);
  text->AddWrappedString(GTranslation::GetString(m_attribute->GetDescription()), (float)rect.left + 20.0f,
                         (float)rect.top + 39.0f, (float)width - 40.0f, kBlack);
  if (m_kind == KIND_CULTURE) DrawCulture();
  if (m_kind == KIND_IQ) DrawIQ();

  DrawChildren();
  text->ProcessTextQueue(-1);
}
