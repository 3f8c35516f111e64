#pragma once
// What a night at the pub came to when the player started a fight: a full page over the weather
// with a title, a few lines and the player's state of mind, closed by the continue button. It
// takes the place of the evening's usual report.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;
class SIM_BeerInstance;

class GUI_BeerPostMortem : public GUI_WindowBase {
 public:
  static void Create(SIM_BeerInstance* instance);  // nothing opens without an evening
  static void Close();
  static void Continue(int);

  explicit GUI_BeerPostMortem(SIM_BeerInstance* instance);
  ~GUI_BeerPostMortem() override;

  void Draw() override;

  const std::string& GetTitle() const { return m_title; }
  const std::string& GetText() const { return m_text; }
  const RECT& GetPanel() const { return m_panel; }
  SIM_BeerInstance* GetInstance() const { return m_instance; }

  static GUI_BeerPostMortem* PTheWindow;

 private:
  GUI_IconButton* m_continueButton = nullptr;  // in the button list, which owns it
  SIM_BeerInstance* m_instance;
  std::string m_text;
  std::string m_title;
  RECT m_panel{};
  CTexturedSprite m_strip;
};
