#include "GUI_SaveListMenu.h"

#include <algorithm>

#include "CInput.h"
#include "D3DEngine.h"
#include "GUI_IconButton.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_SaveGame.h"

namespace {
constexpr const char* kRowFont = "anime16.dds";
constexpr uint32_t kEmptyRowColour = VBColor(112, 112, 112);
// The caption sits in the middle of its row's height.
constexpr float kCaptionTop = 22.0f;

GUI_IconButton* MakeScrollButton(GUI_ButtonBase::Callback callback, int normalCell) {
  GUI_IconButton* button = new GUI_IconButton("smallbuttons.dds", callback, 0);
  button->SetCells(16, normalCell, normalCell + 1);
  // The scroll plays its own click, and only when the list moves.
  button->SetSilent(true);
  return button;
}
}  // namespace

GUI_SaveRow::GUI_SaveRow(const std::string& caption, const std::string& emptyText)
    : GUI_ButtonBase(nullptr, 0), m_caption(caption), m_emptyText(emptyText) {}

void GUI_SaveRow::Draw() {
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 30.0f, 1.0f);
  const std::string& shown = IsEmpty() ? m_emptyText : m_caption;
  if (shown.empty()) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kRowFont, 16.0f);
  const float w = float(rect.right - rect.left);
  text->AddQueueString(GUI_SaveListMenu::Fit(shown, w - 20.0f), float(rect.left), rect.top + kCaptionTop,
                       IsEmpty() ? kEmptyRowColour : GUI_MenuBase::TEXT_BLACK, w, LibTextEngine::ALIGN_CENTER);
}

GUI_SaveListMenu::GUI_SaveListMenu(const std::string& title, const std::string& help, int rows,
                                   GUI_ButtonBase::Callback scrollUp, GUI_ButtonBase::Callback scrollDown)
    : m_rows(rows), m_title(title), m_help(help) {
  m_background.SetTexture("skyline_sunset.jpg");
  m_back = MakeBackButton(MainMenu);
  AddButton(m_back);
  m_scrollUp = MakeScrollButton(scrollUp, 10);
  AddButton(m_scrollUp);
  m_scrollDown = MakeScrollButton(scrollDown, 8);
  AddButton(m_scrollDown);
  LayOut();
}

void GUI_SaveListMenu::MainMenu(int) { GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU); }

bool GUI_SaveListMenu::Scroll(int direction) {
  if (direction < 0 ? !CanScrollUp() : !CanScrollDown()) return false;
  GUI_GetSounds()->PlaySound(0);
  m_offset += direction < 0 ? -1 : 1;
  Scrolled();
  return true;
}

void GUI_SaveListMenu::ReadFolder() { m_names = SIM_SaveGame::ListSaves(); }

float GUI_SaveListMenu::MouseX() { return GetInput()->mouseX; }

float GUI_SaveListMenu::MouseY() { return GetInput()->mouseY; }

size_t GUI_SaveListMenu::FirstShown() const { return std::min(size_t(std::max(m_offset, 0)), m_names.size()); }

void GUI_SaveListMenu::LayOut() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  SetRect(&m_panel, int(W / 2 - 260), int(H / 2 - 310), int(W / 2 + 260), int(H / 2 + 250));
  PlaceBackButton(m_back);
  m_scrollUp->SetPosition(W / 2 + 200, H / 2 - 75, W / 2 + 240, H / 2 - 35);
  m_scrollDown->SetPosition(W / 2 + 200, H / 2 + 185, W / 2 + 240, H / 2 + 225);
  SizeStrip(m_strip);
}

void GUI_SaveListMenu::DrawBackground() {
  m_scrollUp->SetEnabled(CanScrollUp());
  m_scrollDown->SetEnabled(CanScrollDown());
  GetD3DEngine()->FillScreen(&m_background, 1.0f, 0.75f);
  m_strip.Draw();
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_FRAME, 30.0f, 1.0f);
}

void GUI_SaveListMenu::DrawTexts() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_title, 0.0f, m_panel.top + 20.0f, TEXT_BLACK, D3DEngine::W, LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  text->SetCurrentFont(kRowFont, 16.0f);
  const bool notice = !m_notice.empty();
  text->AddWrappedString(notice ? m_notice : m_help, m_panel.left + 20.0f, m_panel.top + 65.0f,
                         float(m_panel.right - m_panel.left) - 40.0f, notice ? kNoticeColour : TEXT_BLACK);
  text->ProcessTextQueue(-1);
}

std::string GUI_SaveListMenu::Fit(const std::string& text, float width) {
  LibTextEngine* engine = GetTextEngine();
  if (float(engine->GetStringLength(text)) <= width) return text;
  std::string cut = text;
  while (!cut.empty() && float(engine->GetStringLength(cut + "...")) > width) cut.pop_back();
  return cut + "...";
}
