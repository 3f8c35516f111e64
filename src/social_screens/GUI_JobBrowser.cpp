#include "GUI_JobBrowser.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_IconButton.h"
#include "GUI_JobAd.h"
#include "GUI_JobSearch.h"
#include "GUI_Sounds.h"
#include "LibTextEngine.h"
#include "SIM_Industry.h"
#include "SIM_JobBase.h"
#include "SIM_JobOffer.h"

GUI_JobBrowser* GUI_JobBrowser::PTheWindow = nullptr;

namespace {

GUI_IconButton* BrowserIconButton(GUI_ButtonBase::Callback callback, int normalCell, const char* tooltip) {
  GUI_IconButton* button = new GUI_IconButton("smallbuttons.dds", callback, 0);
  button->SetHighlightTexture("smallbuttons.dds");
  button->SetCells(16, normalCell, normalCell + 1);
  button->SetTooltip(tooltip, 60);
  return button;
}

}  // namespace

void GUI_JobBrowser::Create(SIM_Industry* industry) {
  Close();
  GAssert(industry != nullptr, __FILE__, __LINE__);
  if (!industry) return;
  new GUI_JobBrowser(industry);
}

void GUI_JobBrowser::Close() {
  GUI_JobBrowser* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_JobBrowser::GoBack(int) {
  Close();
  GUI_JobSearch::Create();
}

void GUI_JobBrowser::ChooseJob(int) {
  if (!PTheWindow || !PTheWindow->m_job) return;
  SIM_JobBase* job = PTheWindow->m_job;
  job->Apply();
  SIM_JobOffer::Create(job);
  GetDebug()->DebugOut(GFormat("Applied for the job %d (%s)", job->GetGUID(), job->GetGUIName().c_str()).c_str());
  Close();
}

void GUI_JobBrowser::NextType(int) {
  if (PTheWindow) PTheWindow->Step(+1);
}

void GUI_JobBrowser::PrevType(int) {
  if (PTheWindow) PTheWindow->Step(-1);
}

void GUI_JobBrowser::MouseWheelUp() { PrevType(0); }

void GUI_JobBrowser::MouseWheelDown() { NextType(0); }

void GUI_JobBrowser::Step(int direction) {
  const std::vector<SIM_JobBase*>& jobs = SIM_JobBase::ValidJobs;
  if (jobs.empty()) return;
  if (direction > 0) {
    if (m_position + 1 >= jobs.size()) return;
    ++m_position;
  } else {
    if (m_position == 0) return;
    --m_position;
  }
  SetJob(jobs[m_position]);
  GUI_GetSounds()->PlaySound(0);
}

GUI_JobBrowser::GUI_JobBrowser(SIM_Industry* industry) : GUI_Dialog(true), m_industry(industry) {
  PTheWindow = this;
  const int halfHeight = GetD3DEngine()->GetScreenHeight() / 2;
  const float top = (float)(halfHeight - (int)kHeight / 2);
  SetPosition(0.0f, top, kWidth, top + kHeight);
  UpdateClientArea();
  SetTitle(GTranslation::GetString("JOBSEARCH_TITLE"));
  SetModal(true);
  GUI_GetGUI()->SetInputHandler(this);
  m_noJobsText = GTranslation::GetString("NO_JOBS_FOUND");

  const RECT& c = m_clientArea;
  m_nextButton = BrowserIconButton(NextType, 2, "JOBBROWSER_NEXT_TOOLTIP");
  m_nextButton->SetPosition((float)c.right - 52.0f, (float)c.bottom - 52.0f, (float)c.right - 20.0f,
                            (float)c.bottom - 20.0f);
  m_nextButton->SetSilent(true);
  AddButton(m_nextButton);
  m_prevButton = BrowserIconButton(PrevType, 0, "JOBBROWSER_PREV_TOOLTIP");
  m_prevButton->SetPosition((float)c.left + 20.0f, (float)c.bottom - 52.0f, (float)c.left + 52.0f,
                            (float)c.bottom - 20.0f);
  m_prevButton->SetSilent(true);
  AddButton(m_prevButton);
  m_chooseButton = new GUI_ButtonText("CHOOSE_JOB", ChooseJob, 0);
  m_chooseButton->SetPosition((float)c.left + 62.0f, (float)c.bottom - 44.0f, (float)c.right - 62.0f,
                              (float)c.bottom - 20.0f);
  m_chooseButton->SetTooltip("CHOOSE_JOB_TOOLTIP", 60);
  m_chooseButton->SetDisabledClickExplanation("CHOOSE_JOB_DISABLED");
  AddButton(m_chooseButton);
  m_backButton = BrowserIconButton(GoBack, 0, "CHOOSE_JOB_GOBACK");
  m_backButton->SetPosition((float)rect.left + 15.0f, (float)rect.top + 15.0f, (float)rect.left + 47.0f,
                            (float)rect.top + 47.0f);
  AddButton(m_backButton);
  Populate();
}

GUI_JobBrowser::~GUI_JobBrowser() {
  GUI_GetGUI()->RemoveInputHandler(this);
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetGUI()->EndDayGUI();
}

void GUI_JobBrowser::Populate() {
  SIM_JobBase::RebuildValidJobsList(m_industry->GetName(), false);
  m_position = 0;
  if (SIM_JobBase::ValidJobs.empty()) {
    m_job = nullptr;
    m_chooseButton->SetEnabled(false);
  } else {
    m_job = SIM_JobBase::ValidJobs.front();
    m_nextButton->SetVisible(true);
    m_prevButton->SetVisible(true);
  }
  const RECT& c = m_clientArea;
  m_ad = new GUI_JobAd();
  m_ad->SetPosition((float)c.left + 31.0f, (float)c.top + 31.0f, (float)c.right - 31.0f, (float)c.bottom - 60.0f);
  AddChild(m_ad);
  GetDebug()->DebugOut(GFormat("Job browser: %s, %d jobs", m_industry->GetName().c_str(),
                               (int)SIM_JobBase::ValidJobs.size()).c_str());
  SetJob(m_job);
  UpdateButtons();
}

void GUI_JobBrowser::SetJob(SIM_JobBase* job) {
  m_job = job;
  if (!job) return;
  m_ad->Initialise(job);
  // A run without a screen, and the window tests, follow the paging and what may be applied for.
  GetDebug()->DebugOut(GFormat("Job advert: %d %s (%s)", job->GetGUID(), job->GetGUIName().c_str(),
                               job->MeetsPrerequisites() ? "can apply" : "requirements not met")
                           .c_str());
}

void GUI_JobBrowser::UpdateButtons() {
  const std::vector<SIM_JobBase*>& jobs = SIM_JobBase::ValidJobs;
  if (jobs.empty()) {
    m_nextButton->SetVisible(false);
    m_prevButton->SetVisible(false);
  } else {
    m_prevButton->SetEnabled(m_position > 0);
    m_nextButton->SetEnabled(m_position + 1 < jobs.size());
  }
  m_chooseButton->SetEnabled(m_job && m_job->MeetsPrerequisites());
}

void GUI_JobBrowser::Draw() {
  UpdateButtons();
  GUI_Dialog::Draw();
  if (!m_job) {
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("anime16.dds", 16.0f);
    text->AddWrappedString(m_noJobsText, (float)m_clientArea.left + 20.0f, (float)m_clientArea.top + 30.0f,
                           (float)(m_clientArea.right - m_clientArea.left) - 40.0f, VBColor(0, 0, 0));
    text->ProcessTextQueue(-1);
  } else {
    DrawChildren();
  }
}
