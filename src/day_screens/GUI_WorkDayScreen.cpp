#include "GUI_WorkDayScreen.h"

#include "D3DEngine.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_CommuteMethodChooser.h"
#include "GUI_HintHelp.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "SIM_JobBase.h"
#include "SIM_JobEvent.h"
#include "SIM_JobInstance.h"
#include "SIM_NPC.h"
#include "SIM_SIM.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

GUI_WorkDayScreen* GUI_WorkDayScreen::PTheWindow = nullptr;

void GUI_WorkDayScreen::Create() {
  SIM_StandInLog::Record("GUI_WorkDayScreen::Create");
  Close();
  PTheWindow = new GUI_WorkDayScreen;
}

void GUI_WorkDayScreen::Close() {
  GUI_WorkDayScreen* page = PTheWindow;
  PTheWindow = nullptr;
  delete page;
}

std::string GUI_WorkDayScreen::EarningsText(float tip, float earnings, const std::string& industry,
                                            float performance) {
  std::string text;
  if (tip != -1.0f) {
    text = GTranslation::GetString(industry == "sales" ? "WORKDAY_EARNINGS_COMMISSION" : "WORKDAY_EARNINGS_TIPS");
    GTranslation::ReplaceToken(text, "<TIPS>", FormatMoney(tip));
  } else {
    text = GTranslation::GetString("WORKDAY_EARNINGS");
  }
  GTranslation::ReplaceToken(text, "<WORK_DESCRIPTION>", GTranslation::GetValueName(performance, "WORK_DESCRIPTION"));
  GTranslation::ReplaceToken(text, "<EARNINGS>", FormatMoney(earnings));
  return text;
}

GUI_WorkDayScreen::GUI_WorkDayScreen() : GUI_DiaryPage("TOOLTIP_WORKDAY_GOHOME", GoHome) {
  SetShowCash(true);
  SetLayout(250.0f, 20.0f);
  m_instance = SIM_GetVede()->GetJobInstance();
  m_event = m_instance ? m_instance->GetEvent() : nullptr;
  SIM_JobBase* job = SIM_GetVede()->GetJob();

  // A day without a story (none of the wanted kind was found, and that was reported where it was
  // looked for) shows the earnings alone.
  std::string title;
  std::string message;
  if (m_event) {
    title = m_event->GetTitle();
    message = m_event->GetDescription();
    GTranslation::ReplaceToken(message, "<EMPLOYERNAME>", job ? job->GetEmployerName() : std::string());
    GTranslation::ReplaceToken(message, "<TOWNNAME>", GetGame()->GetTownName());
    if (SIM_NPC* friendMade = m_instance->GetNewFriend()) {
      GTranslation::ReplaceToken(message, "<FRIENDNAME>", friendMade->GetFullName());
      GUI_GetSounds()->PlaySound(1);
    }
    SetColour(m_event->IsSpecial() ? kEmphasisColour : kInkColour);
  }
  SetTexts(title, message);

  if (job) {
    const float tip = job->GetLastTip();
    job->ClearLastTip();
    AddFurtherText(EarningsText(tip, job->GetLastEarnings(), job->GetIndustryName(), job->GetTodaysPerformance()));
  }

  m_changeCommute = new GUI_ButtonText("CHANGE_COMMUTE", ChangeCommute, 0);
  m_changeCommute->SetPosition(130.0f, D3DEngine::H - 124.0f, 420.0f, D3DEngine::H - 100.0f);
  AddButton(m_changeCommute);
  StartWriting("work day");
  GUI_HintHelp::Launch("workday");
}

GUI_WorkDayScreen::~GUI_WorkDayScreen() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_WorkDayScreen::GoHome(int) {
  GUI_ChangeNotifier::CloseAll();
  Close();
  SIM_GetSim()->ProcessCommuteBack();
}

void GUI_WorkDayScreen::ChangeCommute(int) { GUI_CommuteMethodChooser::Create(); }
