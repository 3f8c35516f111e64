#include "GUI_MenuLoad.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_DeleteGameButton.h"
#include "GUI_LoadGameSlot.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveGame.h"

namespace {
// Why the loader turned a save down, in the player's words.
const char* RefusalReason(SIM_LoadGame::FAILURE failure) {
  switch (failure) {
    case SIM_LoadGame::LOAD_MISSING:
      return GTranslation::GetString("LOADGAME_REFUSED_MISSING");
    case SIM_LoadGame::LOAD_UNREADABLE:
      return GTranslation::GetString("LOADGAME_REFUSED_UNREADABLE");
    case SIM_LoadGame::LOAD_VERSION:
      return GTranslation::GetString("LOADGAME_REFUSED_VERSION");
    default:
      return GTranslation::GetString("LOADGAME_REFUSED_DAMAGED");
  }
}
}  // namespace

GUI_MenuLoad* GUI_GetMenuLoad() {
  static GUI_MenuLoad* menu = new GUI_MenuLoad;
  return menu;
}

GUI_MenuLoad::GUI_MenuLoad()
    : GUI_SaveListMenu(GTranslation::GetString("LOADGAME_TITLE"), GTranslation::GetString("LOADGAME_HELP"), kRows,
                       ScrollUp, ScrollDown) {}

GUI_MenuLoad::~GUI_MenuLoad() {
  KillSlots();
  // The bins go with the button list.
}

void GUI_MenuLoad::Activate() {
  m_notice.clear();
  LayOut();
  BuildFilenameList();
  GUI_GetFader()->FadeIn();
}

void GUI_MenuLoad::BuildFilenameList() {
  ReadFolder();
  AssignSlots();
}

void GUI_MenuLoad::AssignSlots() {
  size_t next = FirstShown();
  KillSlots();
  KillDeleteButtons();
  const float x = D3DEngine::W / 2 - 200;
  float y = D3DEngine::H / 2 - 170;
  for (int row = 0; row < kRows; ++row, y += GUI_SaveRow::kPitch) {
    const std::string name = next < m_names.size() ? m_names[next++] : std::string();
    GUI_LoadGameSlot* slot = new GUI_LoadGameSlot(name);
    slot->SetPosition(x, y, x + GUI_SaveRow::kWidth, y + GUI_SaveRow::kHeight);
    m_slots.push_back(slot);
    if (name.empty()) continue;
    GUI_DeleteGameButton* bin = new GUI_DeleteGameButton(name);
    bin->SetPosition(x - 45, y + 13, x - 5, y + 13 + GUI_DeleteGameButton::kSize);
    AddButton(bin);
    m_deleteButtons.push_back(bin);
  }
}

void GUI_MenuLoad::KillSlots() {
  for (GUI_LoadGameSlot* slot : m_slots) delete slot;
  m_slots.clear();
}

void GUI_MenuLoad::KillDeleteButtons() {
  for (GUI_DeleteGameButton* bin : m_deleteButtons) {
    RemoveButton(bin);
    delete bin;
  }
  m_deleteButtons.clear();
}

bool GUI_MenuLoad::CheckClick() { return ClickRows(m_slots) || GUIButtonList::CheckClick(); }

void GUI_MenuLoad::Load(const std::string& name) {
  m_notice.clear();
  SIM_LoadGame* loader = SIM_GetLoadGame();
  if (loader->LoadGame(name.c_str())) return;
  std::string text = GTranslation::GetString("LOADGAME_REFUSED");
  GTranslation::ReplaceToken(text, "<NAME>", name);
  GTranslation::ReplaceToken(text, "<REASON>", RefusalReason(loader->GetFailure()));
  SetNotice(text);
}

void GUI_MenuLoad::Delete(const std::string& name) {
  m_notice.clear();
  if (SIM_SaveGame::DeleteSave(name)) {
    GUI_GetSounds()->PlaySound("data/sounds/trash.ogg", false);
  } else {
    // The folder's own line in the debug log says what stood in the way.
    std::string text = GTranslation::GetString("LOADGAME_DELETE_FAILED");
    GTranslation::ReplaceToken(text, "<NAME>", name);
    SetNotice(text);
  }
  // Whatever happened, the rows show what the folder holds now.
  Refresh();
}

void GUI_MenuLoad::ScrollUp(int) { GUI_GetMenuLoad()->Scroll(-1); }

void GUI_MenuLoad::ScrollDown(int) { GUI_GetMenuLoad()->Scroll(1); }

void GUI_MenuLoad::Draw() {
  DrawBackground();
  DrawButtons();
  for (GUI_LoadGameSlot* slot : m_slots) slot->Draw();
  GetTextEngine()->ProcessTextQueue(-1);
  DrawTexts();
  FinishDraw();
  if (m_rebuild) {
    m_rebuild = false;
    BuildFilenameList();
  }
}
