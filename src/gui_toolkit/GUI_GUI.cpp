#include "GUI_GUI.h"

#include <cstdio>

#include "ActivityHooks.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GRandom.h"
#include "GUI_AdvancedBackdrop.h"
#include "GUI_AmbientSounds.h"
#include "GUI_Assets.h"
#include "GUI_Avatar.h"
#include "GUI_Backdrop.h"
#include "GUI_Calendar.h"
#include "GUI_Cash.h"
#include "GUI_CommuteMethodChooser.h"
#include "GUI_ControlPanel.h"
#include "GUI_Cursor.h"
#include "GUI_Description.h"
#include "GUI_Dirt.h"
#include "GUI_DragIcon.h"
#include "GUI_EventList.h"
#include "GUI_Fish.h"
#include "GUI_HintHelp.h"
#include "GUI_JobAdTemplate.h"
#include "GUI_JobBrowser.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_JobSearch.h"
#include "GUI_LoadingScreen.h"
#include "GUI_MenuMain.h"
#include "GUI_MenuNew.h"
#include "GUI_MindState.h"
#include "GUI_MobilePhone.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NPC.h"
#include "GUI_NPCIcon.h"
#include "GUI_PetAvatar.h"
#include "GUI_PhoneMessage.h"
#include "GUI_PostMortem.h"
#include "GUI_Postit.h"
#include "GUI_Rain.h"
#include "GUI_Relationship.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_SchoolPicker.h"
#include "GUI_Skills.h"
#include "GUI_Snow.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "GUI_TutHighlighter.h"
#include "GUI_Tutorial.h"
#include "GUI_TutorialWindow.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowBase.h"
#include "GUI_WindowManager.h"
#include "GUI_WokeUpScreen.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Alcohol.h"
#include "SIM_Script.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

namespace {

GUI_GUI* g_gui = nullptr;

constexpr float kMaxRenderThrottle = 3.0f;

// Mac virtual key codes.
constexpr unsigned KEY_D = 2;
constexpr unsigned KEY_C = 8;
constexpr unsigned KEY_P = 35;
constexpr unsigned KEY_RETURN = 36;
constexpr unsigned KEY_ESCAPE = 53;
constexpr unsigned KEY_COMMAND = 55;
constexpr unsigned KEY_SHIFT = 56;

}  // namespace

GUI_GUI* GUI_GetGUI() {
  if (!g_gui) g_gui = new GUI_GUI;
  return g_gui;
}

GUI_GUI::GUI_GUI() { m_throttleTimer.StartTimer(); }

GUI_GUI::~GUI_GUI() { GUI_HintHelp::CloseData(); }

void GUI_GUI::Open() {
  if (m_opened) return;
  m_opened = true;
  GUI_WindowBackground::Open();
  GUI_Postit::Open();
  GUI_GetSounds()->Initialise();
  GUI_JobAdTemplate::Open();
}

void GUI_GUI::Close() {
  GUI_JobAdTemplate::Close();
  GUI_Postit::Close();
  GUI_GetDirt()->Clean();
  m_opened = false;
}

void GUI_GUI::StartNewGame() {
  GUI_GetAvatar()->RefreshOverridenLayers();
  GUI_GetEventList()->Clear();
  GUI_GetWindowManager()->CloseOnRestart();
  GUI_PhoneMessage::ClearAll();  // held-back messages of the last game included

  GUI_GetControlPanel()->Initialise();
  GUI_GetCash()->Initialise();
  GUI_GetMobilePhone()->Initialise();
  GUI_GetDescription()->Initialise();
  GUI_GetCalendar()->Initialise();
  GUI_GetMindState()->Initialise();
  GUI_GetDirt()->Initialise();
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
  GUI_GetAvatar()->SaveUserAvatar();

  // Ends any drag that was under way when the last game was left.
  GetInput()->LeftMouseUp();
  GUI_GetAssets()->Refresh();
  if (!GUI_Tutorial::IsRunning()) GUI_WokeUpScreen::Create();
}

void GUI_GUI::ResetScreenSize() {
  GUI_GetAdvancedBackdrop()->Reset();
  GUI_GetAvatar()->Reset();
  GUI_GetControlPanel()->Reset();
  GUI_GetMenuMain()->Reset();
  GUI_MenuNew::Get()->Reset();
  GUI_GetMindState()->Initialise();
  GUI_PostMortem::Reset();
  if (GUI_RestaurantInstance::PTheWindow) GUI_RestaurantInstance::PTheWindow->Reset();
  GUI_GetLoadingScreen()->Reset();
}

void GUI_GUI::UpdateRenderThrottle() {
  m_throttleTimer.Update();
  m_renderThrottle = m_throttleTimer.GetThrottle();
  if (m_renderThrottle > kMaxRenderThrottle) m_renderThrottle = kMaxRenderThrottle;
}

void GUI_GUI::EndDayGUI() {
  GUI_PhoneMessage::InputPending();
  GUI_GetMobilePhone()->CheckRinging();
  SIM_GetScript()->RunStoredScripts();
}

// The hook "enddaygui": what the end of an evening activity's window does in the GUI.
void SIM_Hook_EndDayGUI() { GUI_GetGUI()->EndDayGUI(); }

void GUI_GUI::CloseLeftHandWindows() {
  GUI_MobilePhoneInbox::Close(0);
  GUI_SoloActivityChooser::Close();
  GUI_SocialActivityChooser::Close();
  GUI_SchoolPicker::Close();
  GUI_JobSearch::Close();
  GUI_JobBrowser::Close();
  GUI_CommuteMethodChooser::Close();
  GUI_JobInstanceDetails::Close();
}

void GUI_GUI::LeftMouseUp() { GUI_DragIcon::Drop(); }

void GUI_GUI::Activate() {
  GUI_GetRain()->ResumeSounds();
  SIM_GetWeather()->UpdateWindSound();
  if (!GUI_GetWindowManager()->HasFullscreen()) GUI_GetMobilePhone()->CheckRinging();
  GUI_GameModeBase::Activate();
}

void GUI_GUI::Deactivate() {
  GUI_GetRain()->PauseSounds();
  SIM_GetWeather()->MuteWindSound();
  GUI_GetMobilePhone()->StopSounds();
  GUI_GameModeBase::Deactivate();
}

void GUI_GUI::DrawScene() {
  GUI_GetBackdrop()->Draw();
  GUI_GetFish()->Draw();
  GUI_Relationship::DrawAll();
  GUI_GetAvatar()->Draw();
  GUI_GetPetAvatar()->Draw();
  GUI_GetSnow()->Draw();
  GUI_GetRain()->Draw();
  GUI_NPCIcon::DrawAll();
}

void GUI_GUI::Draw() {
  GUI_GetAmbientSounds()->Process();
  GUI_GetSounds()->Process();

  GUI_WindowManager* manager = GUI_GetWindowManager();
  if (!manager->HasFullscreen()) DrawScene();
  if (!manager->DrawFullscreen()) {
    manager->Draw();
    GUI_Postit::DrawAll();
  }

  GUI_TutHighlighter::Draw();
  GUI_TutorialWindow::DrawAll();
  GUI_DragIcon::DrawAll();
  GUI_Tooltip::DrawAll();
  DrawDebugData();
  GUI_GetCursor()->Draw();
}

void GUI_GUI::DrawDebugData() {
  CInput* input = GetInput();
  if (!input->KeyDown(KEY_SHIFT) || !input->KeyDown(KEY_D)) return;
  RECT panel;
  SetRect(&panel, 32, 32, 232, 232);
  GetD3DEngine()->FillRect(&panel, 0xC0000000u);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  char line[128];
  const double bloodAlcohol = static_cast<double>(HOOK_GetAlcohol()->GetBloodAlcohol());
  std::snprintf(line, sizeof line, "blood-alcohol: %.2f", bloodAlcohol);
  text->AddQueueString(line, 42.0f, 38.0f, 0xFFFFFFFFu, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}

bool GUI_GUI::CheckClick() {
  SIM_GetStatistics()->ChangeCounter(1, "MCLICKS");
  if (GUI_Tutorial::IsRunning()) GUI_TutorialWindow::CheckClickAll();
  if (GUI_GetWindowManager()->CheckClick()) return true;
  GUI_NPCIcon::CheckClickAll();
  return false;
}

bool GUI_GUI::CheckRightClick() {
  SIM_GetStatistics()->ChangeCounter(1, "MCLICKS");
  if (GUI_NPC::CheckRightClickAll()) return true;
  GUI_NPCIcon::CheckRightClickAll();
  return false;
}

void GUI_GUI::ProcessInput() {
  GUI_GetWindowManager()->ProcessInput();
  if (!GetInput()->IsMouseMovesEaten()) GUI_NPCIcon::ProcessInputAll();
}

void GUI_GUI::MouseWheelUp() {
  GUI_JobBrowser::MouseWheelUp();
  GUI_SoloActivityChooser::MouseWheelUp();
  GUI_SocialActivityChooser::MouseWheelUp();
}

void GUI_GUI::MouseWheelDown() {
  GUI_JobBrowser::MouseWheelDown();
  GUI_SoloActivityChooser::MouseWheelDown();
  GUI_SocialActivityChooser::MouseWheelDown();
}

void GUI_GUI::HandleKey(unsigned key) {
  if (GUI_Tutorial::IsRunning()) {
    GUI_Tutorial::HandleKey(key);
    return;
  }
  if (key == KEY_RETURN && GetInput()->KeyDown(KEY_COMMAND)) {
    GetGame()->ToggleFullscreen();
    return;
  }
  if (m_inputHandler) {
    m_inputHandler->HandleKey(key);
    return;
  }
  GUI_WindowManager* manager = GUI_GetWindowManager();
  if (key == KEY_ESCAPE) {
    if (manager->DialogActive()) {
      manager->CloseTopDialog();
    } else if (GUI_MobilePhoneInbox::IsOpen()) {
      GUI_MobilePhoneInbox::Hide(0);
    } else {
      GUI_ControlPanel::AttemptQuitGame(0);
    }
  }
  if (manager->HasFullscreen()) return;
  if (key == KEY_C) {
    GUI_SchoolPicker::Create();
  } else if (key == KEY_P || key == KEY_RETURN) {
    GUI_GetMobilePhone()->Clicked();
  }
}

// The track is the scenery's draw: when a track runs out depends on the clock, and a seeded game must
// not hang on it.
std::string GUI_GUI::GetBestMusic() {
  return GUI_Sounds::InGameMusic(SIM_GetVede()->GetValue("happiness"), GRandom::Scene().IsChance(0.5f));
}
