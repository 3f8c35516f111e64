#include "GUI_JobAd.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_JobAdTemplate.h"
#include "StringUtils.h"
#include "GUI_WindowBackground.h"
#include "Game.h"
#include "SIM_JobBase.h"
#include "SIM_Vede.h"

const char* const GUI_JobAd::kPlainLayout =
    "<FONTNAME=anime16.dds><SIZE=16><COLOR=0,0,0,255><WRAP=340><GUINAME></N><EMPLOYERNAME></N><SALARY></N>"
    "<REQUIREMENTS><COMMUTE>";

GUI_JobAd::GUI_JobAd() {
  m_paper.SetTexture("ad_paper1.dds");
  m_commuteLabel = GTranslation::GetString("COMMUTE_DISTANCE");
  m_milesLabel = GTranslation::GetString("COMMUTE_MILES");
  m_lessThan = GTranslation::GetString("LESSTHAN");
}

void GUI_JobAd::Initialise(SIM_JobBase* job) {
  GAssert(job != nullptr, __FILE__, __LINE__);
  if (!job) return;
  m_job = job;
  m_template = GUI_JobAdTemplate::GetByName(job->GetAdTemplate());

  const char* currency = GetGame()->GetCurrency();
  const std::string low = NumToDelimitedChar((long)job->GetMinSalary());
  const std::string high = NumToDelimitedChar((long)job->GetMaxSalary());
  const std::string salaryLabel = GTranslation::GetString("JOBAD_SALARY");
  if (job->GetMinSalary() == job->GetMaxSalary())
    m_salaryText = GFormat("%s %s %s", salaryLabel.c_str(), currency, low.c_str());
  else
    m_salaryText = GFormat("%s %s %s - %s %s", salaryLabel.c_str(), currency, low.c_str(), currency, high.c_str());

  m_commuteText = GFormat("%s %.1f %s", m_commuteLabel.c_str(), (double)job->GetCommuteDistance(), m_milesLabel.c_str());

  m_requirementsText.clear();
  const std::string you = GTranslation::GetString("JOBAD_YOU");
  SIM_Vede* vede = SIM_GetVede();
  for (const SIM_TimeChunkType::TypeModifier* term : job->GetPreRequisites()) {
    m_requirementsText += "\t[";
    if (term->lessThan)
      m_requirementsText += GFormat(" %s %.0f%%", m_lessThan.c_str(), (double)(term->threshold * 100.0f));
    else
      m_requirementsText += GFormat("%.0f%%", (double)(term->threshold * 100.0f));
    m_requirementsText += "] " + term->guiName;
    m_requirementsText += GFormat(" (%s: %.0f%%)", you.c_str(), (double)(vede->GetValue(term->name) * 100.0f));
    m_requirementsText += "</N>";
  }
  // A heading of the advert's own may promise a list: an opening for anyone still says so.
  if (m_requirementsText.empty()) m_requirementsText = std::string("\t") + GTranslation::GetString("JOBAD_NOREQUIREMENTS") + "</N>";

  // Composed in a string: a long employer name or many requirements must not overflow a buffer.
  m_composed = m_template ? m_template->GetLayout() : kPlainLayout;
  GTranslation::ReplaceToken(m_composed, "<GUINAME>", job->GetGUIName());
  GTranslation::ReplaceToken(m_composed, "<EMPLOYERNAME>", job->GetEmployerName());
  GTranslation::ReplaceToken(m_composed, "<SALARY>", m_salaryText);
  GTranslation::ReplaceToken(m_composed, "<REQUIREMENTS>", m_requirementsText);
  GTranslation::ReplaceToken(m_composed, "<COMMUTE>", m_commuteText);
  m_text.SetTextBuffer(m_composed.c_str());
}

void GUI_JobAd::Draw() {
  if (!m_job) return;
  m_paper.SetSize(GetWidth() + 40.0f, GetHeight() + 28.0f);
  m_paper.PlaceLocal(GetCenterX(), GetCenterY());
  m_paper.Draw();
  if (m_template && !m_template->GetFrameName().empty()) {
    RECT frame = rect;
    frame.left += 4;
    frame.top += 4;
    frame.right -= 4;
    frame.bottom -= 4;
    GUI_WindowBackground::DrawTiled(frame, m_template->GetFrameName().c_str(), 16.0f, 1.0f);
  }
  m_text.Render((float)rect.left + 14.0f, (float)rect.top + 15.0f);
}
