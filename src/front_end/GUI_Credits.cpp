#include "GUI_Credits.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_IconButton.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"

namespace {
// Our mark under the panels; every credit window lays it out again the same way. Made on first
// use: the sprite registers itself in a list that must exist first.
CTexturedSprite& QelLogo() {
  static CTexturedSprite logo;
  return logo;
}

struct Credit {
  const char* name;
  const char* role;
  const char* portrait;
  int left, top;
};

// The people who made this game; the panels are 400 by 180, in two staggered columns.
const Credit kCredits[] = {
    {"Rowan Hale",
     "Lead design. Wrote the game's code in C++ for Linux on SDL and OpenGL, shaped much of the interface and "
     "hunted down the bugs.",
     "m_velk.dds", 100, 100},
    {"Tobin Marsh",
     "Interface art: the buttons, panels, icons and menu strip, drawn as vector pictures and turned into "
     "textures by our own tools.",
     "m_tamon.dds", 550, 200},
    {"Dario Quill",
     "Character art: the layers of the player's figure and the faces of the whole town, composed from parts by "
     "a small program of ours.",
     "m_dramo.dds", 100, 300},
    {"Oskar Fenn", "Music and sound: every tune you hear, the restaurant's music included, and the noises of the town.",
     "m_oriel.dds", 550, 400},
    {"Mira Lund",
     "Quality: played every screen, wrote the tests that drive the game in a hidden window, and added to the "
     "design.",
     "f_sarel.dds", 100, 500},
};
}  // namespace

GUI_Credits* GUI_GetCredits() {
  static GUI_Credits credits;
  return &credits;
}

GUI_CreditWindow::GUI_CreditWindow(const char* name, const char* roleText, const char* portrait)
    : m_name(name), m_roleText(roleText) {
  m_portraitBackground.SetTexture("npc_icon_background.dds");
  m_portraitBackground.SetSize(128.0f, 128.0f);
  m_portrait.SetTexture(portrait);
  m_portrait.SetSize(128.0f, 128.0f);
  QelLogo().SetTexture("qellogo.png");
  QelLogo().SetSize(389.0f, 114.0f);
  QelLogo().PlaceLocal(751.0f, 634.0f);
}

void GUI_CreditWindow::Draw() {
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);
  const float centreX = rect.left + 84.0f;
  const float centreY = (rect.top + rect.bottom) / 2.0f;
  m_portraitBackground.PlaceLocal(centreX, centreY);
  m_portraitBackground.Draw();
  m_portrait.PlaceLocal(centreX, centreY);
  m_portrait.Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_name, (float)rect.left, rect.top + 10.0f, GUI_MenuBase::TEXT_BLACK, (float)width,
                       LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("anime14.dds", 14.0f);
  const float textLeft = m_portrait.Right() + 20.0f;
  text->AddWrappedString(m_roleText, textLeft, rect.top + 40.0f, rect.right - 20.0f - textLeft,
                         GUI_MenuBase::TEXT_BLACK);
  text->ProcessTextQueue(-1);
  QelLogo().Draw();
}

GUI_Credits::GUI_Credits() : m_title(GTranslation::GetString("CREDITS_TITLE")) {
  m_back = MakeBackButton(MainMenu);
  AddButton(m_back);
  SizeBackdrop(m_backdrop);
  SizeStrip(m_strip);
  for (const Credit& credit : kCredits) {
    GUI_CreditWindow* window = new GUI_CreditWindow(credit.name, credit.role, credit.portrait);
    window->SetPosition((float)credit.left, (float)credit.top, credit.left + 400.0f, credit.top + 180.0f);
    m_windows.push_back(window);
  }
  SetRect(&m_titleRect, 571, 32, 871, 90);
}

GUI_Credits::~GUI_Credits() {
  for (GUI_CreditWindow* window : m_windows) delete window;
}

bool GUI_Credits::CheckClick() { return GUI_MenuBase::CheckClick(); }

void GUI_Credits::Draw() {
  DrawFrame(m_backdrop, m_strip);
  for (GUI_CreditWindow* window : m_windows) window->Draw();
  DrawButtons();
  GUI_WindowBackground::DrawTiled(m_titleRect, GUI_WindowBackground::PRESET_CLIENT, 24.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_title, (float)m_titleRect.left, m_titleRect.top + 20.0f, TEXT_BLACK,
                       (float)(m_titleRect.right - m_titleRect.left), LibTextEngine::ALIGN_CENTER);
  FinishDraw();
}

void GUI_Credits::MainMenu(int) { GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU); }
