#include "GUI_MenuSave.h"

#include <cctype>

#include "CInput.h"
#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_SaveGameSlot.h"
#include "GUI_ScreenFader.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_SaveGame.h"

namespace {
constexpr unsigned kSaveMenuKeyDelete = 51;
constexpr unsigned kSaveMenuKeyEscape = 53;
constexpr double kCaretFlipMs = 200.0;
}  // namespace

GUI_MenuSave* GUI_GetMenuSave() {
  static GUI_MenuSave* menu = new GUI_MenuSave;
  return menu;
}

GUI_MenuSave::GUI_MenuSave()
    : GUI_SaveListMenu(GTranslation::GetString("SAVEGAME_TITLE"), GTranslation::GetString("SAVEGAME_HELP"), kRows,
                       ScrollUp, ScrollDown) {
  SetFileName(GetGame()->GetCurrentGameName());
  m_save = new GUI_ButtonText("MENU_SAVE", Save, 0);
  m_save->SetTooltip("TOOLTIP_MENU_SAVE", 30);
  AddButton(m_save);
}

GUI_MenuSave::~GUI_MenuSave() { KillSlots(); }

void GUI_MenuSave::Activate() {
  m_notice.clear();
  LayOut();
  ReadFolder();
  AssignSlots();
  m_caretShown = true;
  m_caretTimer.StartTimer();
  GUI_GetFader()->FadeIn();
}

void GUI_MenuSave::AssignSlots() {
  size_t next = FirstShown();
  KillSlots();
  const float x = D3DEngine::W / 2 - 200;
  float y = D3DEngine::H / 2 - 150;
  m_save->SetPosition(x + 100, y, x + 300, y + 24);
  SetRect(&m_nameBox, int(x), int(y - 36), int(x + GUI_SaveRow::kWidth), int(y - 6));
  y += 50;
  for (int row = 0; row < kRows; ++row, y += GUI_SaveRow::kPitch) {
    GUI_SaveGameSlot* slot = new GUI_SaveGameSlot(next < m_names.size() ? m_names[next++] : std::string());
    slot->SetPosition(x, y, x + GUI_SaveRow::kWidth, y + GUI_SaveRow::kHeight);
    m_slots.push_back(slot);
  }
}

void GUI_MenuSave::KillSlots() {
  for (GUI_SaveGameSlot* slot : m_slots) delete slot;
  m_slots.clear();
}

void GUI_MenuSave::SetFileName(const std::string& name) { m_name = name.substr(0, kMaxName); }

void GUI_MenuSave::AddCharacter(char c) {
  if (!c || m_name.size() >= kMaxName) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  if (float(text->GetStringLength(m_name)) + float(int(text->GetCharacterWidth(c))) < kMaxNameWidth) m_name += c;
}

void GUI_MenuSave::HandleKey(unsigned key) {
  if (key == kSaveMenuKeyEscape) {
    GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
  } else if (key == kSaveMenuKeyDelete) {
    if (!m_name.empty()) m_name.pop_back();
  } else {
    // Return and the other keys without a character type nothing.
    AddCharacter(DikToChar(key));
  }
}

bool GUI_MenuSave::CheckClick() { return ClickRows(m_slots) || GUIButtonList::CheckClick(); }

bool GUI_MenuSave::IsUsableName(const std::string& name) {
  for (char c : name)
    if (std::isalnum(static_cast<unsigned char>(c))) return true;
  return false;
}

void GUI_MenuSave::Save(int) {
  GUI_MenuSave* menu = GUI_GetMenuSave();
  menu->m_notice.clear();
  if (!IsUsableName(menu->m_name)) {
    menu->SetNotice(GTranslation::GetString("SAVEGAME_NEEDS_NAME"));
    return;
  }
  if (!SIM_GetSaveGame()->SaveGame(menu->m_name.c_str())) {
    std::string text = GTranslation::GetString("SAVEGAME_FAILED");
    GTranslation::ReplaceToken(text, "<NAME>", menu->m_name);
    menu->SetNotice(text);
    return;
  }
  GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
}

void GUI_MenuSave::ScrollUp(int) { GUI_GetMenuSave()->Scroll(-1); }

void GUI_MenuSave::ScrollDown(int) { GUI_GetMenuSave()->Scroll(1); }

void GUI_MenuSave::DrawCarat(float nameWidth) {
  m_caretTimer.Update();
  if (m_caretTimer.GetElapsed() > kCaretFlipMs) {
    m_caretTimer.StartTimer();
    m_caretShown = !m_caretShown;
  }
  if (!m_caretShown) return;
  const float x = D3DEngine::W / 2 + nameWidth / 2;
  RECT caret;
  SetRect(&caret, int(x + 2), int(D3DEngine::H / 2 - 180), int(x + 5), int(D3DEngine::H / 2 - 160));
  GetD3DEngine()->FillRect(&caret, 0xE0FFFFFFu);
}

void GUI_MenuSave::Draw() {
  DrawBackground();
  for (GUI_SaveGameSlot* slot : m_slots) slot->Draw();
  LibTextEngine* text = GetTextEngine();
  text->ProcessTextQueue(-1);
  DrawButtons();
  GetD3DEngine()->FillRect(&m_nameBox, 0xFF000000u);
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_name, 0.0f, D3DEngine::H / 2 - 180, TEXT_WHITE, D3DEngine::W, LibTextEngine::ALIGN_CENTER);
  DrawTexts();
  text->SetCurrentFont("anime16.dds", 16.0f);
  DrawCarat(float(text->GetStringLength(m_name)));
  FinishDraw();
}
