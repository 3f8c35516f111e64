#include "GUI_Cash.h"

#include <cstdio>

#include "Game.h"
#include "GTranslation.h"
#include "GUI_NamedObject.h"
#include "GUI_Tooltip.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "StringUtils.h"

GUI_Cash* GUI_GetCash() {
  static GUI_Cash* cash = new GUI_Cash;
  return cash;
}

GUI_Cash::GUI_Cash() {
  SetCloseOnRestart(false);
  GUI_NamedObject::Register("Cash", this);
  m_tooltip = new GUI_Tooltip(GTranslation::GetString("CASH_TOOLTIP"), 40);
  m_tooltip->SetMode(GUI_Tooltip::TOOLTIPMODE_NORMAL);
}

GUI_Cash::~GUI_Cash() {
  delete m_tooltip;
  GUI_NamedObject::UnRegister(this);
}

void GUI_Cash::Initialise() {
  SetSize(210.0f, 29.0f);
  GUI_BaseElement::SetPosition(376.0f, 722.0f);
  m_label = GTranslation::GetString("MONEY");
  m_laidOut = true;
}

void GUI_Cash::ProcessInput() {
  GUI_WindowBase::ProcessInput();
  if (MouseInside()) m_tooltip->Ping();
}

std::string GUI_Cash::FormatCash(float cash, const char* currency) {
  std::string number;
  if (!(cash < 100.0f)) {
    // A corrupt amount (infinite or not a number) must not reach the integer conversion.
    const double top = 1.0e15;
    const double whole = ((double)cash > top || cash != cash) ? top : (double)cash;
    number = NumToDelimitedChar((long)whole);
  } else {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(cash < -1.0e15f ? -1.0e15f : cash));
    number = text;
  }
  return std::string(currency ? currency : "") + " " + number;
}

void GUI_Cash::Draw() {
  if (!m_laidOut) Initialise();
  const std::string amount = FormatCash(SIM_GetFinances()->GetCash(), GetGame()->GetCurrency());
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_label, (float)rect.left, (float)rect.top - 12.0f, 0x80000000u, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(amount, (float)rect.left + 108.0f, (float)rect.top - 12.0f, 0xFF000000u, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
  m_tooltip->Draw();
}
