#pragma once
// The currency chooser (game mode 2), reached from the options: the dollar, the pound and the
// euro as three large buttons. A click makes that currency the one every sum of money shows; the
// chosen one is drawn at full strength, the others faint. Only the back button leaves, and it
// leads to the main menu. Symbols are single Windows-1252 bytes, the code page of the fonts.
#include <string>

#include "BaseSprite.h"
#include "CTexturedSprite.h"
#include "GUI_ButtonBase.h"
#include "GUI_MenuBase.h"
#include "Win32Types.h"

class GUI_IconButton;

class GUI_CurrencyButton : public GUI_ButtonBase {
 public:
  GUI_CurrencyButton(const char* symbol, const char* descriptionKey, const char* picture);
  void Draw() override;
  // The click sound, then the currency set; the chooser stays open.
  void Click() override;
  const char* GetSymbol() const { return m_symbol; }
  bool IsCurrent() const;

 private:
  char m_symbol[33] = {0};
  std::string m_description;
  CTexturedSprite m_picture;
};

class GUI_CurrencyChooser : public GUI_MenuBase {
 public:
  GUI_CurrencyChooser();
  void Draw() override;
  static void MainMenu(int);

  GUI_IconButton* GetBackButton() const { return m_back; }
  GUI_CurrencyButton* GetCurrencyButton(int i) const { return m_currencies[i]; }

 private:
  BaseSprite m_backdrop;
  CTexturedSprite m_strip;
  GUI_IconButton* m_back = nullptr;  // the buttons are owned by the list
  RECT m_panel{};
  GUI_CurrencyButton* m_currencies[3] = {nullptr, nullptr, nullptr};
};

// The chooser, built on the first call.
GUI_CurrencyChooser* GUI_GetCurrencyChooser();
