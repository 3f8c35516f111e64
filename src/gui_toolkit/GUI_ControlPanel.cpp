#include "GUI_ControlPanel.h"

#include <initializer_list>

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_BookDetails.h"
#include "GUI_Cash.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_IconButton.h"
#include "GUI_JobInstanceDetails.h"
#include "GUI_NamedObject.h"
#include "GUI_SchoolPicker.h"
#include "GUI_Skills.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Health.h"
#include "SIM_SIM.h"

namespace {

constexpr int kSheetCells = 16;  // "bigbuttons.dds" is a 4 x 4 sheet
constexpr int kTooltipDelay = 60;
constexpr float kButtonSize = 64.0f;
constexpr float kButtonPitch = 74.0f;

// One button of the strip with its picture cells and tooltip.
GUI_IconButton* MakeButton(GUI_ControlPanel* panel, GUI_ButtonBase::Callback callback, const char* tooltip,
                           int normalCell, int highlightCell) {
  GUI_IconButton* button = new GUI_IconButton("bigbuttons.dds", callback, 0);
  button->SetTooltip(tooltip, kTooltipDelay);
  button->SetCells(kSheetCells, normalCell, highlightCell);
  panel->AddButton(button);
  return button;
}

}  // namespace

GUI_ControlPanel* GUI_GetControlPanel() {
  static GUI_ControlPanel* panel = new GUI_ControlPanel;
  return panel;
}

GUI_ControlPanel::GUI_ControlPanel() {
  SetBringToTop(false);
  SetCloseOnRestart(false);

  // The tutorial and the scripts find the buttons by these names.
  m_eveningClassButton = MakeButton(this, EveningClasses, "TOOLTIP_EVENINGCLASSES", 2, 3);
  GUI_NamedObject::Register("EveningClassButton", m_eveningClassButton);
  m_soloButton = MakeButton(this, SoloActivity, "TOOLTIP_SOLOACTIVITY", 10, 11);
  GUI_NamedObject::Register("SoloButton", m_soloButton);
  m_socialButton = MakeButton(this, SocialActivity, "TOOLTIP_SOCIALACTIVITY", 8, 9);
  GUI_NamedObject::Register("SocialButton", m_socialButton);
  m_jobButton = MakeButton(this, GUI_JobInstanceDetails::Create, "TOOLTIP_JOBSEARCH", 0, 1);
  GUI_NamedObject::Register("JobButton", m_jobButton);
  m_quitButton = MakeButton(this, AttemptQuitGame, "TOOLTIP_QUITGAMEBUTTON", 4, 5);
  m_endDayButton = MakeButton(this, NextDay, "TOOLTIP_NEXTDAY", 12, 13);
  GUI_NamedObject::Register("EndDayButton", m_endDayButton);
  m_endDayButton->SetDisabledClickExplanation("NEXTDAY_DISABLED");

  m_endDayHint = GTranslation::GetString("ENDDAY_HINT");
  AddToGUI();
  m_strip.SetTexture("menu_strip.dds");
  Reset();
  // The skills panel rides on the strip as a child window.
  AddChild(GUI_Skills::Create());
  GUI_NamedObject::Register("ControlPanel", this);
}

GUI_ControlPanel::~GUI_ControlPanel() {
  // Plain conversions, not casts: a cast would turn into a reinterpretation if a button's class
  // stopped being visible here.
  for (GUI_BaseElement* named : std::initializer_list<GUI_BaseElement*>{
           m_eveningClassButton, m_soloButton, m_socialButton, m_jobButton, m_endDayButton, this}) {
    GUI_NamedObject::UnRegister(named);
  }
}

void GUI_ControlPanel::Reset() {
  const float W = (float)GetD3DEngine()->GetScreenWidth();
  const float H = (float)GetD3DEngine()->GetScreenHeight();
  const float x0 = W - 370.0f - 68.0f;
  const float y0 = H + 1.0f - kButtonSize;
  SetPosition(x0, y0, W, H + 1.0f);

  GUI_IconButton* order[] = {m_eveningClassButton, m_soloButton, m_socialButton,
                             m_jobButton,          m_quitButton, m_endDayButton};
  for (int k = 0; k < 6; ++k) {
    const float left = x0 + kButtonPitch * (float)k;
    order[k]->SetPosition(left, y0, left + kButtonSize, H + 1.0f);
  }

  m_strip.SetSize(W, 128.0f);
  m_strip.PlaceLocal(W / 2.0f, H - 64.0f);
  // The skills panel stands on the screen's bottom edge.
  if (GUI_Skills::PTheWindow && GUI_Skills::PTheWindow->GetParent() == this) GUI_Skills::PTheWindow->Refresh();
}

void GUI_ControlPanel::UpdateButtons() {
  const SIM_SIM::TURNMODE mode = SIM_GetSim()->GetTurnMode();
  const bool evening = mode == SIM_SIM::TURNMODE_EVENING;
  m_eveningClassButton->SetEnabled(evening);
  m_soloButton->SetEnabled(evening);
  m_jobButton->SetEnabled(evening);
  m_socialButton->SetEnabled(evening && SIM_GetHealth()->IsHealthy());
  m_endDayButton->SetEnabled(mode == SIM_SIM::TURNMODE_DAYENDED);
  // The quit button is never touched: leaving is always allowed.
}

void GUI_ControlPanel::Draw() {
  m_strip.Draw();
  GUI_GetCash()->Draw();
  DrawChildren();
  UpdateButtons();
  DrawButtons();
  if (SIM_GetSim()->IsDayFinished()) DrawEndDay();
}

void GUI_ControlPanel::DrawEndDay() {
  if (m_postponeEndDay) return;
  const RECT& button = *m_endDayButton->GetRect();
  RECT box;
  SetRect(&box, button.left - 260, button.top - 5, button.left - 60, button.bottom);

  CTexturedSprite arrow;
  arrow.SetTexture("arrow.dds");
  arrow.SetSize(64.0f, 32.0f);
  arrow.PlaceLocal((float)(box.right + 25), (float)((box.top + box.bottom) / 2));
  arrow.Draw();

  GUI_WindowBackground::DrawTiled(box, GUI_WindowBackground::PRESET_CLIENT, 38.0f, 1.0f);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddWrappedString(m_endDayHint, (float)box.left + 20.0f, (float)box.top + 20.0f,
                         (float)(box.right - box.left) - 40.0f, 0xFF000000u);
  text->ProcessTextQueue(-1);

  // Acts once a day, so calling it on every frame of the prompt is harmless.
  SIM_GetSim()->ProcessPreBedTasks();
}

void GUI_ControlPanel::EveningClasses(int) { GUI_SchoolPicker::Create(); }

void GUI_ControlPanel::SoloActivity(int) { GUI_SoloActivityChooser::Create(); }

void GUI_ControlPanel::SocialActivity(int) { GUI_SocialActivityChooser::Create(); }

void GUI_ControlPanel::NextDay(int) {
  GUI_BookDetails::Close();
  SIM_GetSim()->NextDay();
}

void GUI_ControlPanel::AttemptQuitGame(int) {
  GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TEXT"),
                            GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TITLE"), QuitGame);
}

void GUI_ControlPanel::QuitGame(int) {
  // Nothing is saved: the player asked to leave this game.
  GetGame()->SetGameMode(Game::GAMEMODE_MAINMENU);
  GUI_GetSounds()->StopSound("data/sounds/telephone.ogg");
}
