#include "GUI_MenuNew.h"

#include "D3DEngine.h"
#include "CInput.h"
#include "GDebug.h"
#include "GUI_Avatar.h"
#include "GUI_AvatarBuilder.h"
#include "GUI_Cursor.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_NameEditor.h"
#include "GUI_ScreenFader.h"
#include "GUI_Tooltip.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_Names.h"

GUI_MenuNew* GUI_MenuNew::PTheWindow = nullptr;

namespace {
constexpr unsigned kKeyEscape = 53;

std::string RandomForename(SIM_GENDER gender) { return SIM_Names::GetForename(1969, "English", gender, false); }
}  // namespace

GUI_MenuNew* GUI_MenuNew::Get() {
  if (!PTheWindow) new GUI_MenuNew;
  return PTheWindow;
}

GUI_MenuNew::GUI_MenuNew() {
  // Set first: the avatar made below may already ask the screen for a forename.
  PTheWindow = this;
  m_start = new GUI_IconButton("bigbuttons.dds", Start, 0);
  m_start->SetTooltip("TOOLTIP_MENU_START", 30);
  m_start->SetCells(16, 6, 7);
  m_start->SetFadeFirst();
  AddButton(m_start);
  m_back = MakeBackButton(MainMenu);
  AddButton(m_back);


  m_builder = new GUI_AvatarBuilder;
  GUI_GetAvatar();
  SIM_GENDER gender = SIM_MALE;
  SkinGender(&gender);
  m_forename = new GUI_NameEditor(RandomForename(gender).c_str(), "NAMEEDITOR_TITLE");
  m_surname = new GUI_NameEditor(SIM_Names::GetSurname().c_str(), "SURNAMEEDITOR_TITLE");
  m_town = new GUI_NameEditor(SIM_Names::GetTownName().c_str(), "TOWNEDITOR_TITLE");
  Reset();
  GUI_HintHelp::Launch("newgame");
}

GUI_MenuNew::~GUI_MenuNew() {
  delete m_forename;
  delete m_surname;
  delete m_town;
  delete m_builder;
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_MenuNew::Reset() {
  const float W = float(D3DEngine::W);
  m_start->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_back->SetPosition(10.0f, 701.0f, 78.0f, 769.0f);
  SizeBackdrop(m_background);
  SizeStrip(m_strip);

  const int w = int(D3DEngine::W), h = int(D3DEngine::H);
  m_builder->SetPosition(float(w / 2 - 148), 72.0f, float(w / 2 + 404), float(h - 110));
  m_builder->Initialise();
  const RECT& box = *m_builder->GetRect();
  const int centreY = (box.top + box.bottom) / 2;
  m_forename->SetPosition(32.0f, float(box.top), 360.0f, float(box.top + 120));
  m_surname->SetPosition(32.0f, float(centreY - 60), 360.0f, float(centreY + 60));
  m_town->SetPosition(32.0f, float(box.bottom - 120), 360.0f, float(box.bottom));
}

void GUI_MenuNew::Draw() {
  DrawFrame(m_background, m_strip);
  m_forename->Draw();
  m_surname->Draw();
  m_town->Draw();
  m_builder->Draw();
  DrawButtons();
  GUI_HintHelp::DrawAll();
  GUI_Tooltip::DrawAll();
  GUI_GetCursor()->Draw();
}

void GUI_MenuNew::ProcessInput() {
  m_builder->ProcessInput();
  m_forename->ProcessInput();
  m_surname->ProcessInput();
  m_town->ProcessInput();
  GUI_MenuBase::ProcessInput();
}

bool GUI_MenuNew::CheckClick() {
  GUI_HintHelp::CheckClickAll();
  GUI_NameEditor* editors[] = {m_forename, m_surname, m_town};
  for (GUI_NameEditor* editor : editors) {
    if (!editor->CheckClick()) continue;
    for (GUI_NameEditor* other : editors) other->StopEditing();
    editor->StartEditing();
    return true;
  }
  for (GUI_NameEditor* editor : editors) editor->StopEditing();
  const CInput* input = GetInput();
  if (m_builder->CheckClick(input->mouseX, input->mouseY)) return true;
  return GUI_MenuBase::CheckClick();
}

void GUI_MenuNew::HandleKey(unsigned key) {
  m_forename->HandleKey(key);
  m_surname->HandleKey(key);
  m_town->HandleKey(key);
  if (key == kKeyEscape) GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
}

void GUI_MenuNew::Activate() {
  ClearStates();
  GUI_GetFader()->FadeIn();
}

void GUI_MenuNew::Deactivate() {}

void GUI_MenuNew::RefreshNameFromGender(SIM_GENDER gender) {
  // The avatar may change its skin while this screen is still being made: the forename editor,
  // made after the avatar, then draws its own name.
  if (m_forename) m_forename->SetName(RandomForename(gender).c_str());
}

bool GUI_MenuNew::SkinGender(SIM_GENDER* gender) {
  GUI_AvatarLayer* skin = GUI_GetAvatar()->GetLayer(AVATAR_SKIN);
  GAssert(skin != nullptr, __FILE__, __LINE__);
  if (!skin) return false;
  *gender = skin->GetGender();
  return true;
}

void GUI_MenuNew::Start(int) {
  GUI_MenuNew* screen = Get();
  SIM_GameConfig* config = SIM_GetGameConfig();
  config->SetAvatarForeName(screen->m_forename->GetName());
  config->SetAvatarLastName(screen->m_surname->GetName());
  // The skin's texture name: its first letter gives the player's gender when the game is set up.
  // Without a skin the config keeps what it had.
  if (GUI_AvatarLayer* skin = GUI_GetAvatar()->GetLayer(AVATAR_SKIN))
    config->SetAvatarTexture(skin->GetTexture(MOOD_NEUTRAL));
  GetGame()->SetTownName(screen->m_town->GetName());
  GetGame()->SetGameMode(Game::GAMEMODE_INTRO);
}

void GUI_MenuNew::MainMenu(int) { GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU); }
