#include "GUI_Indicator.h"

#include <cstdio>

#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Attribute.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Colours.h"
#include "GUI_MindState.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "GUI_Tutorial.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"

std::list<GUI_Indicator*> GUI_Indicator::All;
GUI_Indicator* GUI_Indicator::PHighlighted = nullptr;
GTimer GUI_Indicator::MouseoverTimer;

namespace {
constexpr float kMouseoverGap = 50.0f;  // ms between two mouse-over sounds
constexpr uint32_t kHighlightFill = 0x40FFFFFFu;
}  // namespace

std::string GUI_Indicator::MakeLabel(const std::string& guiName) {
  std::string label = guiName.substr(0, kLabelLength);
  if (label.size() == kLabelLength) label += "...";
  return label;
}

GUI_Indicator::GUI_Indicator(SIM_NamedValue* owner) : m_owner(owner) {
  GAssert(owner != nullptr, __FILE__, __LINE__);
  if (owner) m_label = MakeLabel(owner->GetGUIName());
  SetEatMouseMoves(false);
  All.push_back(this);
  m_valueBar = new GUI_ValueBar;
  AddChild(m_valueBar);
  MouseoverTimer.StartTimer();
}

GUI_Indicator::~GUI_Indicator() {
  delete m_tooltip;
  m_tooltip = nullptr;
  if (PHighlighted == this) PHighlighted = nullptr;
  if (m_attribute) {
    // Windows that explain this attribute must not outlive it.
    if (GUI_Attribute::PTheWindow && GUI_Attribute::PTheWindow->GetAttribute() == m_attribute) {
      GUI_Attribute::Close();
    }
    m_attribute->SetIndicator(nullptr);
  }
  GUI_MindState::Forget(this);
  All.remove(this);
}

GUI_Indicator* GUI_Indicator::Create(SIM_Attribute* attribute) {
  GAssert(attribute != nullptr, __FILE__, __LINE__);
  if (!attribute) return nullptr;
  GUI_Indicator* row = new GUI_Indicator(attribute);
  row->m_kind = KIND_ATTRIBUTE;
  row->m_tooltip = new GUI_Tooltip(GTranslation::GetString(attribute->GetDescription()), 20);
  row->m_attribute = attribute;
  attribute->SetIndicator(row);
  return row;
}

GUI_Indicator* GUI_Indicator::CreateNV(SIM_NamedValue* value) {
  GAssert(value != nullptr, __FILE__, __LINE__);
  if (!value) return nullptr;
  GUI_Indicator* row = new GUI_Indicator(value);
  row->m_kind = KIND_NAMEDVALUE;
  row->m_tooltip = new GUI_Tooltip(value->GetGUIName(), 40);
  return row;
}

GUI_Indicator* GUI_Indicator::Get(SIM_Attribute* attribute) {
  for (GUI_Indicator* row : All) {
    if (row->m_owner == attribute) return row;
  }
  GError("Attribute indicator not found", __FILE__, __LINE__);
  return nullptr;
}

void GUI_Indicator::Highlight() {
  m_highlighted = true;
  if (PHighlighted == this) return;
  PHighlighted = this;
  MouseoverTimer.Update();
  if (MouseoverTimer.GetElapsed() > static_cast<double>(kMouseoverGap)) {
    GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
    MouseoverTimer.StartTimer();
  }
}

void GUI_Indicator::Unhighlight() {
  m_highlighted = false;
  if (PHighlighted == this) PHighlighted = nullptr;
}

void GUI_Indicator::UnhighlightAll() {
  for (GUI_Indicator* row : All) row->Unhighlight();
}

void GUI_Indicator::UpdateTooltip() {
  if (!m_tooltip || !m_owner) return;
  char text[256];
  const float percent = 100.0f * m_owner->GetValue();
  if (m_kind == KIND_ATTRIBUTE) {
    std::snprintf(text, sizeof text, "( %.0f%%)", static_cast<double>(percent));
  } else {
    std::snprintf(text, sizeof text, "%s ( %.0f%%)", m_owner->GetGUIName().c_str(), static_cast<double>(percent));
  }
  m_tooltip->SetText(text);
}

void GUI_Indicator::ProcessInput() {
  if (GetInput()->IsMouseMovesEaten() || !MouseInside() || !m_tooltip) return;
  const float value = m_owner->GetValue();
  if (value != m_lastTooltipValue) {
    UpdateTooltip();
    m_lastTooltipValue = value;
  }
  m_tooltip->Ping();
}

bool GUI_Indicator::CheckClick(float x, float y) {
  if (GUI_Tutorial::IsRunning()) return false;
  if (!PtInside(x, y)) return false;
  m_owner->Clicked();
  return true;
}

void GUI_Indicator::Draw() {
  const bool explained = m_attribute && GUI_Attribute::PTheWindow &&
                         GUI_Attribute::PTheWindow->GetAttribute() == m_attribute;
  if (m_highlighted || explained) GetD3DEngine()->FillRect(&rect, kHighlightFill);

  const bool warn = m_attribute && m_attribute->WarnPlayer();
  m_valueBar->SetPosition((float)rect.left, (float)rect.top + 15.0f, (float)rect.right, (float)rect.top + 23.0f);
  m_valueBar->SetValue(m_owner->GetValue(), 1.0f, warn);

  DrawChildren();
  if (m_tooltip) m_tooltip->Draw();
  GetTextEngine()->AddQueueString(m_label, (float)rect.left, (float)rect.top - 7.0f, kBlack, (float)width,
                                  LibTextEngine::ALIGN_CENTER);
}

void GUI_Indicator::DrawNotification() {
  GUI_ChangeNotifier* notifier = m_owner->GetNotifier();
  if (!notifier) return;
  if (m_kind == KIND_ATTRIBUTE) {
    notifier->SetPosition((float)rect.left, GetCenterY());
    notifier->Draw();
  } else {
    notifier->SetPosition((float)rect.right + 45.0f, GetCenterY());
    if (!HiddenDuringWork()) notifier->Draw();
  }
}

void GUI_Indicator::DrawNotificationText() {
  GUI_ChangeNotifier* notifier = m_owner->GetNotifier();
  // A hidden marker hides its number too, not only its sprite.
  if (notifier && !HiddenDuringWork()) notifier->DrawText();
}

bool GUI_Indicator::HiddenDuringWork() const {
  // Skill markers stay out of sight during the work day (turn mode 2) and come back after it.
  return m_kind == KIND_NAMEDVALUE && SIM_GetSim()->GetTurnMode() == 2;
}
