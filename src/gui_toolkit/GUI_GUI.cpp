#include "GUI_GUI.h"

#include <cstdio>

#include "ActivityHooks.h"
#include "BaseSprite.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_Assets.h"
#include "GUI_Calendar.h"
#include "GUI_Cash.h"
#include "GUI_ControlPanel.h"
#include "GUI_Cursor.h"
#include "GUI_Description.h"
#include "GUI_DragIcon.h"
#include "GUI_EventList.h"
#include "GUI_HintHelp.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_LoadingScreen.h"
#include "GUI_MenuMain.h"
#include "GUI_MindState.h"
#include "GUI_MobilePhone.h"
#include "GUI_MobilePhoneInbox.h"
#include "GUI_NPC.h"
#include "GUI_NPCIcon.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Postit.h"
#include "GUI_Relationship.h"
#include "GUI_SchoolPicker.h"
#include "GUI_Skills.h"
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

// The town scene, the phone and the career windows belong to parts of the game
// that are not built yet. Each call below stands where the real one goes, in the order the frame
// needs, and says once in the debug log that it is missing.
void SceneStandIn() {
  GStandIn("in-game scene (backdrop, fish, avatar, pets, snow, rain): a plain sky");
}
void CareerStandIn() { GStandIn("in-game career windows (job search, job browser, commute method chooser)"); }
void PhoneStandIn() { GStandIn("in-game phone (ringing, inbox, the P and Return keys)"); }
void SceneryLifeStandIn() {
  GStandIn("in-game scenery life (ambient sounds, rain sounds, avatar layers, dirt overlay, job adverts)");
}

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
  SceneryLifeStandIn();  // the job-advert templates load here
}

void GUI_GUI::Close() {
  SceneryLifeStandIn();  // the job-advert templates are freed here
  GUI_Postit::Close();
  SceneryLifeStandIn();  // the dirt overlay is cleaned here
  m_opened = false;
}

void GUI_GUI::StartNewGame() {
  SceneryLifeStandIn();  // the avatar refreshes its overridden layers
  GUI_GetEventList()->Clear();
  GUI_GetWindowManager()->CloseOnRestart();
  GUI_PhoneMessage::Clear();

  GUI_GetControlPanel()->Initialise();
  GUI_GetCash()->Initialise();
  PhoneStandIn();  // the mobile phone is reset
  GUI_GetDescription()->Initialise();
  GUI_GetCalendar()->Initialise();
  GUI_GetMindState()->Initialise();
  SceneryLifeStandIn();  // the dirt overlay is reset
  if (GUI_Skills::PTheWindow) GUI_Skills::PTheWindow->Refresh();
  SceneryLifeStandIn();  // the player's avatar is saved

  // Ends any drag that was under way when the last game was left.
  GetInput()->LeftMouseUp();
  GUI_GetAssets()->Refresh();
  if (!GUI_Tutorial::IsRunning()) GUI_WokeUpScreen::Create();
}

void GUI_GUI::ResetScreenSize() {
  SceneStandIn();  // the sky backdrop and the avatar are laid out again
  GUI_GetControlPanel()->Reset();
  GUI_GetMenuMain()->Reset();
  GUI_GetMindState()->Initialise();
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
  GUI_JobInstanceDetails::Close();
  CareerStandIn();  // the job search, job browser and commute method chooser close here
}

void GUI_GUI::LeftMouseUp() { GUI_DragIcon::Drop(); }

void GUI_GUI::Activate() {
  SceneryLifeStandIn();  // the rain sounds resume
  SIM_GetWeather()->UpdateWindSound();
  if (!GUI_GetWindowManager()->HasFullscreen()) PhoneStandIn();  // the phone may ring again
  GUI_GameModeBase::Activate();
}

void GUI_GUI::Deactivate() {
  SceneryLifeStandIn();  // the rain sounds pause
  SIM_GetWeather()->MuteWindSound();
  PhoneStandIn();  // the phone's sounds stop
  GUI_GameModeBase::Deactivate();
}

void GUI_GUI::DrawScene() {
  SceneStandIn();
  // A daylight sky from top to bottom, one pixel past every edge, where the town will stand.
  BaseSprite sky;
  sky.SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  sky.PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  sky.vertices[0].diffuse = sky.vertices[1].diffuse = SpriteColor(120, 170, 220);
  sky.vertices[2].diffuse = sky.vertices[3].diffuse = SpriteColor(200, 225, 240);
  GetD3DEngine()->SetTexture(0, 0);
  sky.DrawNoChecks();
  GUI_Relationship::DrawAll();  // under the avatar
  GUI_NPCIcon::DrawAll();       // last of the scene
}

void GUI_GUI::Draw() {
  SceneryLifeStandIn();  // the ambient sounds advance
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
  // The drinking habit is not simulated yet; its blood alcohol reads zero until it is.
  const float bloodAlcohol = 0.0f;
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
  CareerStandIn();  // the job browser scrolls first
  GUI_SoloActivityChooser::MouseWheelUp();
  GUI_SocialActivityChooser::MouseWheelUp();
}

void GUI_GUI::MouseWheelDown() {
  CareerStandIn();  // the job browser scrolls first
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
    } else {
      // With the phone's inbox open, Escape only hides it; the phone is not built yet, so its
      // inbox is never open and Escape asks whether to leave the game.
      GUI_ControlPanel::AttemptQuitGame(0);
    }
  }
  if (manager->HasFullscreen()) return;
  if (key == KEY_C) {
    GUI_SchoolPicker::Create();
  } else if (key == KEY_P || key == KEY_RETURN) {
    PhoneStandIn();  // the phone's inbox opens as a click on the phone would open it
  }
}

std::string GUI_GUI::GetBestMusic() {
  return GUI_Sounds::InGameMusic(SIM_GetVede()->GetValue("happiness"), GRandom::IsChance(0.5f));
}
