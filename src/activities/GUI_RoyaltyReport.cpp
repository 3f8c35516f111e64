#include "GUI_RoyaltyReport.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_RoyaltyStream.h"
#include "SIM_StandInLog.h"
#include "StringUtils.h"

GUI_RoyaltyReport* GUI_RoyaltyReport::PTheWindow = nullptr;

namespace {
constexpr float kRoyaltyRowHeight = 20.0f;
constexpr float kRoyaltyAmountBox = 180.0f;
}  // namespace

void GUI_RoyaltyReport::Create() {
  Close();
  new GUI_RoyaltyReport();  // the window manager owns it
}

void GUI_RoyaltyReport::Close() {
  // The night's order is checked at this moment (the day turn's tests).
  SIM_StandInLog::Record("GUI_RoyaltyReport::Close");
  delete PTheWindow;  // the destructor clears PTheWindow
  PTheWindow = nullptr;
}

GUI_RoyaltyReport::GUI_RoyaltyReport() : GUI_Dialog(true) {
  PTheWindow = this;
  ComposeData();
  SetSize(430.0f, 140.0f + m_rowsHeight);
  PlaceCentral();
  UpdateClientArea();
  SetTitle(GTranslation::GetString("ROYALTY_REPORT_TITLE"));
  m_totalLabel = GTranslation::GetString("ROYALTY_TOTAL");
  GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
  GetDebug()->DebugOut(GFormat("Royalty report: %d cheques, %s", (int)m_names.size(), m_totalLine.c_str()).c_str());
}

GUI_RoyaltyReport::~GUI_RoyaltyReport() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_RoyaltyReport::ComposeData() {
  m_rowsHeight = 0.0f;
  float total = 0.0f;
  const char* currency = GetGame()->GetCurrency();
  for (const SIM_RoyaltyStream* stream : SIM_RoyaltyStream::All) {
    if (stream->GetLastCheque() <= 0.0f) continue;
    m_rowsHeight += kRoyaltyRowHeight;
    m_names.push_back(AddDots(stream->GetGUIName(), 26));
    m_amounts.push_back(GFormat("%s %.2f", currency, (double)stream->GetLastCheque()));
    total += stream->GetLastCheque();
  }
  m_totalLine = GFormat("%s %.2f", currency, (double)total);
}

void GUI_RoyaltyReport::Draw() {
  GUI_Dialog::Draw();
  const RECT& c = GetClientArea();
  const float L = (float)c.left;
  const float T = (float)c.top;
  const float R = (float)c.right;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  for (size_t i = 0; i < m_names.size(); ++i) {
    text->AddQueueString(m_names[i], L + 30.0f, T + 20.0f + kRoyaltyRowHeight * (float)i, kBlack, 0.0f,
                         LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(m_amounts[i], R - 210.0f, T + 25.0f + kRoyaltyRowHeight * (float)i, kBlack, kRoyaltyAmountBox,
                         LibTextEngine::ALIGN_RIGHT);
  }
  const float y = T + 25.0f + kRoyaltyRowHeight * (float)m_names.size() + 6.0f;
  RECT rule;
  SetRect(&rule, (int)(L + 20.0f), (int)(y - 2.0f), (int)(R - 20.0f), (int)y);
  GetD3DEngine()->FillRect(&rule, kBlack);
  text->AddQueueString(m_totalLabel, L + 30.0f, y, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_totalLine, R - 210.0f, y, kBlack, kRoyaltyAmountBox, LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);
}
