#include "GUI_DiaryPage.h"

#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_Cash.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_MindState.h"
#include "GUI_Rain.h"
#include "GUI_Snow.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Commute.h"
#include "SIM_SIM.h"

namespace {
constexpr float kSheetWidth = 512.0f;
constexpr float kSheetHeight = 627.0f;
constexpr float kSheetV = 627.0f / 1024.0f;  // the sheet fills the top rows of "diary.dds"
constexpr float kTextX = 130.0f;
constexpr float kTextWidth = 340.0f;
}  // namespace

GUI_DiaryPage::GUI_DiaryPage(const char* tooltipKey, GUI_ButtonBase::Callback callback) {
  MakeFullScreenWindow();
  const float H = D3DEngine::H;

  GUI_MenuBase::SizeStrip(m_strip);

  m_sheet.SetTexture("diary.dds");
  m_sheet.SetUV(0.0f, 0.0f, 1.0f, kSheetV);
  m_sheet.SetSize(kSheetWidth, kSheetHeight);
  m_sheet.PlaceLocal(256.0f, H - 20.0f - kSheetHeight / 2.0f);

  SetMainButton(tooltipKey, callback);
  AddChild(GUI_GetMindState());
}

void GUI_DiaryPage::SetMainButton(const char* tooltipKey, GUI_ButtonBase::Callback callback) {
  const float W = D3DEngine::W;
  m_mainButton = new GUI_IconButton("bigbuttons.dds", callback, 0);
  m_mainButton->SetCells(16, 6, 7);
  m_mainButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_mainButton->SetTooltip(tooltipKey, 30);
  AddButton(m_mainButton);
}

std::string GUI_DiaryPage::FormatMoney(float amount) {
  char text[32];  // the currency is at most four characters
  std::snprintf(text, sizeof text, "%s %.2f", GetGame()->GetCurrency(), (double)amount);
  return text;
}

std::string GUI_DiaryPage::CommuteCostLine(const char* key) {
  const float cost = SIM_GetCommute()->GetTodaysCost();
  if (cost <= 0.0f) return "";
  std::string line = GTranslation::GetString(key);
  GTranslation::ReplaceToken(line, "<TODAYSCOST>", FormatMoney(cost));
  return line;
}

void GUI_DiaryPage::StartWriting(const char* name) {
  m_reveal = 0.0f;
  GUI_GetSounds()->PlaySound(kWritingSound, false);
  m_writing = true;
  GetDebug()->DebugOut(
      GFormat("Day page: %s (%s, day %d)", name, m_title.c_str(), (int)SIM_GetSim()->GetTurnCount() + 1).c_str());
}

GUI_DiaryPage::~GUI_DiaryPage() {
  GUI_MindState* mind = GUI_GetMindState();
  if (mind->GetParent() == this) RemoveChild(mind);
  GUI_GetSounds()->StopSound(kWritingSound);
}

void GUI_DiaryPage::Draw() { DrawPage(GUI_GetGUI()->GetRenderThrottle()); }

void GUI_DiaryPage::DrawPage(float throttle) {
  GUI_GetBackdrop()->DrawWeatherBackdrop();
  GUI_GetRain()->Draw();
  GUI_GetSnow()->Draw();
  GUI_GetAvatar()->Draw();
  m_sheet.Draw();
  m_strip.Draw();
  if (m_showCash) GUI_GetCash()->Draw();
  DrawButtons();
  DrawChildren();

  // A change of font draws what is queued, so the title goes down whole; only the body texts in
  // the second font are left in the queue for the pencil.
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("segoeprintbold22.dds", 22.0f);
  text->AddQueueString(m_title, kTextX, 204.0f, m_colour, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->SetCurrentFont("segoeprintbold20.dds", 20.0f);
  float y = text->AddWrappedString(m_message, kTextX, m_messageY, kTextWidth, m_colour);
  for (const std::string& further : m_further) {
    y = text->AddWrappedString(further, kTextX, y + m_gap, kTextWidth, m_colour);
  }
  m_reveal += throttle;
  const bool whole = text->ProcessTextQueue((int)m_reveal);
  if (whole && m_writing) {
    GUI_GetSounds()->StopSound(kWritingSound);
    m_writing = false;
  }
}
