#include "GUI_JobInstanceDetails.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_JobSearch.h"
#include "GUI_NamedObject.h"
#include "GUI_ValueBar.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_JobBase.h"
#include "SIM_JobInstance.h"
#include "SIM_Vede.h"
#include "StringUtils.h"

GUI_JobInstanceDetails* GUI_JobInstanceDetails::PTheWindow = nullptr;

namespace {

constexpr uint32_t kCareerInk = 0xFF101513u;  // near black: alpha 255, red 16, green 21, blue 19
constexpr int kGradeCount = 6;

}  // namespace

void GUI_JobInstanceDetails::Create(int) {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_JobInstanceDetails();
}

void GUI_JobInstanceDetails::Close() {
  GUI_JobInstanceDetails* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_JobInstanceDetails::JobSearch(int) {
  Close();
  GUI_JobSearch::Create();
}

GUI_JobInstanceDetails::GUI_JobInstanceDetails() : GUI_Dialog(true) {
  SIM_Vede* vede = SIM_GetVede();
  m_jobInstance = vede->GetJobInstance();
  PTheWindow = this;

  const int halfHeight = (int)GetD3DEngine()->GetScreenHeight() / 2;
  SetPosition(0.0f, (float)(halfHeight - (int)kHeight / 2), kWidth, (float)(halfHeight - (int)kHeight / 2) + kHeight);
  m_topMargin = 48.0f;
  m_bottomMargin = 38.0f;
  UpdateClientArea();

  m_gradeLabel = GTranslation::GetString("JOBINSTANCE_GRADE");
  m_dependsOnLabel = GTranslation::GetString("JOBINSTANCE_DEPENDSON");
  m_prospectsLabel = GTranslation::GetString("JOBINSTANCE_PROSPECTS");
  m_tooSoonText = GTranslation::GetString("JOBINSTANCE_PROSPECTS_TOOSOON");
  m_topGradeText = GTranslation::GetString("JOBINSTANCE_TOPGRADE");
  m_avePerformanceLabel = GTranslation::GetString("JOB_AVE_PERFORMANCE");

  SIM_JobBase* job = vede->GetJob();
  float avePerformance = 0.0f;
  if (job && m_jobInstance) {
    m_employerLine = std::string(GTranslation::GetString("JOBINSTANCE_EMPLOYER")) + " " + job->GetEmployerName();
    m_salaryLine = GFormat("%s %s %s", GTranslation::GetString("JOBINSTANCE_SALARY"), GetGame()->GetCurrency(),
                           NumToDelimitedChar((long)m_jobInstance->GetCurrentSalary()).c_str())
                       .substr(0, 255);
    m_titleLine = job->GetDesc(vede->GetGender());
    if (job->GetIndustryName() == "acting" || job->GetIndustryName() == "music")
      m_titleLine += " (" + job->GetGUIName() + ")";
    m_commuteLine = GTranslation::GetString("JOBINSTANCE_COMMUTEDISTANCE");
    GTranslation::ReplaceToken(m_commuteLine, "<DISTANCE>", GFormat("%.2f", (double)job->GetCommuteDistance()));
    avePerformance = m_jobInstance->GetAvePerformance();
  } else {
    GetDebug()->DebugOut("Career window: the player holds no job");
  }

  const RECT& c = m_clientArea;
  m_performanceBar = new GUI_ValueBar();
  m_performanceBar->SetPosition((float)c.left + 200.0f, (float)c.top + 149.0f, (float)c.left + 365.0f,
                                (float)c.top + 157.0f);
  m_performanceBar->SetValue(avePerformance, 1.0f, false);
  AddChild(m_performanceBar);

  m_searchButton = new GUI_ButtonText("JOB_SEARCH_BUTTON", JobSearch, 0);
  m_searchButton->SetTooltip("JOB_SEARCH_BUTTON_TOOLTIP", 60);
  m_searchButton->SetPosition(GetCenterX() - 100.0f, (float)rect.bottom - 35.0f, GetCenterX() + 100.0f,
                              (float)rect.bottom - 11.0f);
  AddButton(m_searchButton);
  GUI_NamedObject::Register("JobSearchButton", m_searchButton);

  SetTitle(GTranslation::GetString("JOBINSTANCE_TITLE"));
  GUI_HintHelp::Launch("jobinstance_dialog");
  GUI_NamedObject::Register("Career", this);
  GetDebug()->DebugOut(GFormat("Career window: job %d, %s", job ? job->GetGUID() : -1, m_titleLine.c_str()).c_str());
}

GUI_JobInstanceDetails::~GUI_JobInstanceDetails() {
  GUI_NamedObject::UnRegister(m_searchButton);
  GUI_NamedObject::UnRegister(this);
  if (PTheWindow == this) PTheWindow = nullptr;
}

bool GUI_JobInstanceDetails::HasLadder() const {
  const SIM_JobBase* job = m_jobInstance ? m_jobInstance->GetJob() : nullptr;
  return job && job->GetMaxSalary() != job->GetMinSalary();
}

std::string GUI_JobInstanceDetails::DependsOnList() const {
  std::string list;
  const SIM_JobBase* job = m_jobInstance ? m_jobInstance->GetJob() : nullptr;
  if (!job) return list;
  for (const SIM_JobPerformanceInfluence& influence : job->GetInfluences()) {
    if (!list.empty()) list += ", ";
    list += GTranslation::GetString("nv_" + influence.GetAttribute());
  }
  return list;
}

std::string GUI_JobInstanceDetails::ProspectsText() const {
  if (!HasLadder()) return "";
  if (m_jobInstance->AtTopGrade()) return m_topGradeText;
  if (!m_jobInstance->TooSoonToPromote())
    return GTranslation::GetValueName(m_jobInstance->GetAvePerformance(), "PROMOTION_PROSPECTS");
  return m_tooSoonText;
}

void GUI_JobInstanceDetails::Draw() {
  GUI_Dialog::Draw();
  LibTextEngine* text = GetTextEngine();
  const RECT& c = m_clientArea;
  const float left = (float)c.left;
  const float clientWidth = (float)(c.right - c.left);
  const auto centred = [&](const std::string& line, float y) {
    text->AddQueueString(line, left, y, kCareerInk, clientWidth, LibTextEngine::ALIGN_CENTER);
  };
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  float y = (float)c.top + 20.0f;
  centred(m_titleLine, y);
  y += 30.0f;
  centred(m_commuteLine, y);
  y += 30.0f;
  centred(m_employerLine, y);
  y += 30.0f;

  const bool ladder = HasLadder();
  if (ladder)
    text->AddQueueString(m_salaryLine, left + 25.0f, y, kCareerInk, 0.0f, LibTextEngine::ALIGN_LEFT);
  else
    text->AddQueueString(m_salaryLine, (float)rect.left, y, kCareerInk, GetWidth(), LibTextEngine::ALIGN_CENTER);

  text->AddQueueString(m_avePerformanceLabel, left + 45.0f, (float)c.top + 140.0f, kCareerInk, 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  DrawChildren();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  centred(m_dependsOnLabel, (float)c.top + 172.0f);
  // A job weighed on many attributes would run past the window's edges in the large type.
  const std::string dependsOn = DependsOnList();
  if ((float)text->GetStringLength(dependsOn) > clientWidth - 10.0f) text->SetCurrentFont("calibriblackbold16.dds", 16.0f);
  centred(dependsOn, (float)c.top + 196.0f);
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);

  if (ladder) {
    text->AddQueueString(m_gradeLabel, left + 240.0f, (float)c.top + 110.0f, kCareerInk, 0.0f,
                         LibTextEngine::ALIGN_LEFT);
    text->AddQueueString(GFormat("(%d/%d)", m_jobInstance->GetCurrentGrade() + 1, kGradeCount), left + 320.0f,
                         (float)c.top + 110.0f, kCareerInk, 0.0f, LibTextEngine::ALIGN_LEFT);
    const float prospectsY = (float)c.top + 220.0f;
    if (m_jobInstance->AtTopGrade()) {
      centred(m_topGradeText, prospectsY);
    } else {
      centred(m_prospectsLabel, prospectsY);
      centred(ProspectsText(), prospectsY + 20.0f);
    }
  }
  text->ProcessTextQueue(-1);
}
