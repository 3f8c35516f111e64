#include "GUI_CurrencyChooser.h"

#include <cstdio>
#include <cstring>

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"

GUI_CurrencyChooser* GUI_GetCurrencyChooser() {
  static GUI_CurrencyChooser chooser;
  return &chooser;
}

GUI_CurrencyButton::GUI_CurrencyButton(const char* symbol, const char* descriptionKey, const char* picture)
    : GUI_ButtonBase(nullptr, 0), m_description(GTranslation::GetString(descriptionKey)) {
  std::snprintf(m_symbol, sizeof m_symbol, "%s", symbol);
  m_picture.SetTexture(picture);
  m_picture.SetSize(128.0f, 128.0f);
}

bool GUI_CurrencyButton::IsCurrent() const { return std::strcmp(GetGame()->GetCurrency(), m_symbol) == 0; }

void GUI_CurrencyButton::Click() {
  GUI_GetSounds()->PlaySound(0);
  GetGame()->SetCurrency(m_symbol);
}

void GUI_CurrencyButton::Draw() {
  const float alpha = IsCurrent() ? 1.0f : 0.25f;
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);
  m_picture.SetVertexColor(255, 255, 255, (int)(alpha * 255.0f));
  m_picture.PlaceLocal(left + 84.0f, top + (float)height / 2.0f);
  m_picture.Draw();
  GetTextEngine()->AddWrappedString(m_description, m_picture.Right() + 20.0f, top + 30.0f, (float)width - 188.0f,
                                    GUI_MenuBase::TEXT_BLACK);
  GUI_ButtonBase::Draw();
}

GUI_CurrencyChooser::GUI_CurrencyChooser() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  SizeBackdrop(m_backdrop);
  SizeStrip(m_strip);
  m_back = MakeBackButton(MainMenu);
  AddButton(m_back);
  SetRect(&m_panel, 210, (int)(H / 2.0f - 262.0f), (int)(W - 210.0f), (int)(H / 2.0f + 262.0f));
  struct Choice {
    const char* symbol;
    const char* key;
    const char* picture;
  };
  const Choice choices[3] = {{"$", "CURRENCY_DOLLAR", "currency_dollar.dds"},
                             {"\xA3", "CURRENCY_POUND", "currency_pound.dds"},
                             {"\x80", "CURRENCY_EURO", "currency_euro.dds"}};
  float top = m_panel.top + 20.0f;
  for (int i = 0; i < 3; ++i) {
    m_currencies[i] = new GUI_CurrencyButton(choices[i].symbol, choices[i].key, choices[i].picture);
    m_currencies[i]->SetPosition(m_panel.left + 20.0f, top, m_panel.right - 20.0f, top + 148.0f);
    AddButton(m_currencies[i]);
    top += 168.0f;
  }
}

void GUI_CurrencyChooser::Draw() {
  DrawFrame(m_backdrop, m_strip);
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_FRAME, 38.0f, 1.0f);
  GetTextEngine()->SetCurrentFont("anime14.dds", 14.0f);
  DrawButtons();
  FinishDraw();
}

void GUI_CurrencyChooser::MainMenu(int) { GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU); }
