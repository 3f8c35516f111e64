#include "GUI_Tutorial.h"

#include <algorithm>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "GUI_ButtonText.h"
#include "GUI_Avatar.h"
#include "GUI_MenuIntro.h"
#include "GUI_TutHighlighter.h"
#include "GUI_TutorialWindow.h"
#include "Game.h"
#include "SIM_GameConfig.h"
#include "SIM_Names.h"
#include "SIM_Script.h"

namespace {
GUI_Tutorial* PTheTutorial = nullptr;
constexpr unsigned kKeyReturn = 36;
constexpr unsigned kKeyEscape = 53;
}  // namespace

GUI_Tutorial* GUI_GetTutorial() {
  if (!PTheTutorial) PTheTutorial = new GUI_Tutorial;
  return PTheTutorial;
}

GUI_Tutorial* GUI_Tutorial::Self() { return GUI_GetTutorial(); }

void GUI_Tutorial::Initialise() {
  GUI_Tutorial* self = Self();
  self->m_steps.clear();
  CSpreadsheet sheet("data/tutorialscripts.csv");
  for (size_t row = 0; row < sheet.size(); ++row) {
    CSV csv;
    csv.Initialise(sheet[row], ',', sheet.Origin(row));
    csv.GetNextToken();  // the "#"
    std::string script = csv.GetNextString();  // anything after it is a note for whoever writes the steps
    if (script.empty()) {
      GWarning(GFormat("%s: a tutorial step without a script name", sheet.Origin(row).c_str()).c_str(), __FILE__,
               __LINE__);
      continue;
    }
    self->m_steps.push_back(script);
  }
  GAssert(!self->m_steps.empty(), __FILE__, __LINE__);
  self->m_clickables.clear();
  if (self->m_steps.empty()) return;

  self->m_currentStep = 0;
  self->m_active = true;
  PrepareCharacter();
  // The intro page's start action, without the page: the tutorial is already running, so the new
  // game skips its opening script and the morning page and begins in the evening.
  GUI_MenuIntro::Start(0);
  ProcessCurrentStep();
}

// The tutorial's character wears the avatar the player last built (or the one drawn at start-up),
// with a random forename of that avatar's gender.
void GUI_Tutorial::PrepareCharacter() {
  GUI_AvatarLayer* skin = GUI_GetAvatar()->GetLayer(AVATAR_SKIN);
  GAssert(skin != nullptr, __FILE__, __LINE__);
  if (!skin) return;
  SIM_GameConfig* config = SIM_GetGameConfig();
  config->SetAvatarForeName(SIM_Names::GetForename(1969, "English", skin->GetGender(), true));
  config->SetAvatarTexture(skin->GetTexture(MOOD_NEUTRAL));
}

void GUI_Tutorial::ProcessCurrentStep() {
  GUI_Tutorial* self = Self();
  self->m_clickables.clear();
  GUI_TutHighlighter::Disable();
  if (self->m_currentStep >= self->m_steps.size()) return;
  // Copied: the script may end the tutorial and clear the steps while it runs.
  std::string script = self->m_steps[self->m_currentStep];
  // One line per step, so a run can be followed from the log alone.
  GetDebug()->DebugOut(GFormat("Tutorial step %d: %s", (int)self->m_currentStep + 1, script.c_str()).c_str());
  SIM_GetScript()->RunScript(script, 1.0f);
}

void GUI_Tutorial::NextStep() {
  GUI_Tutorial* self = Self();
  if (!self->m_active) return;
  ++self->m_currentStep;
  if (self->m_currentStep >= self->m_steps.size()) {
    Quit();
  } else {
    ProcessCurrentStep();
  }
}

void GUI_Tutorial::Quit() {
  GUI_Tutorial* self = Self();
  if (self->m_active) GetDebug()->DebugOut("Tutorial ended");
  GUI_TutorialWindow::Close();
  self->m_active = false;
  self->m_clickables.clear();
  GetGame()->SetGameInProgress(false);
  GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
  GUI_TutHighlighter::Disable();
}

void GUI_Tutorial::HandleKey(unsigned key) {
  if (key == kKeyReturn) {
    if (GUI_TutorialWindow::PTheWindow && GUI_TutorialWindow::PTheWindow->HasNextButton()) NextStep();
  } else if (key == kKeyEscape) {
    Quit();
  }
}

bool GUI_Tutorial::IsClickable(const GUI_BaseElement* button) {
  const GUI_Tutorial* self = Self();
  if (!self->m_active) return true;
  return std::find(self->m_clickables.begin(), self->m_clickables.end(), button) != self->m_clickables.end();
}

void GUI_Tutorial::AddClickable(GUI_BaseElement* button) {
  if (button) Self()->m_clickables.push_back(button);
}

void GUI_Tutorial::ClearClickables() { Self()->m_clickables.clear(); }

void GUI_Tutorial::ClickedNotify(const GUI_BaseElement* button) {
  if (!Self()->m_active || !IsClickable(button)) return;
  // The Next button moves on through its own callback; counting its click here too would skip a
  // step.
  GUI_TutorialWindow* window = GUI_TutorialWindow::PTheWindow;
  if (window && static_cast<const GUI_BaseElement*>(window->GetNextButton()) == button) return;
  NextStep();
}

bool GUI_Tutorial::IsRunning() { return Self()->m_active; }

const std::vector<GUI_BaseElement*>& GUI_Tutorial::GetClickables() { return Self()->m_clickables; }

const std::vector<std::string>& GUI_Tutorial::GetSteps() { return Self()->m_steps; }

int GUI_Tutorial::GetCurrentStep() { return (int)Self()->m_currentStep; }
