#pragma once
// One job as a newspaper advert, a child window of the job browser: the paper, the template's
// tiled frame and the template's layout with the job's name, employer, salary, requirements (each
// with the player's own value) and commute put in. Recomposed whenever the browser shows another
// job; draws nothing until the first.
#include <string>

#include "CTexturedSprite.h"
#include "FormattedText.h"
#include "GUI_WindowBase.h"

class GUI_JobAdTemplate;
class SIM_JobBase;

class GUI_JobAd : public GUI_WindowBase {
 public:
  GUI_JobAd();
  ~GUI_JobAd() override = default;

  // A job whose template is missing gets a plain advert: no frame, a bare layout of the tokens.
  void Initialise(SIM_JobBase* job);
  void Draw() override;

  SIM_JobBase* GetJob() const { return m_job; }
  const GUI_JobAdTemplate* GetTemplate() const { return m_template; }
  const std::string& GetSalaryText() const { return m_salaryText; }
  const std::string& GetCommuteText() const { return m_commuteText; }
  const std::string& GetRequirementsText() const { return m_requirementsText; }
  const std::string& GetComposed() const { return m_composed; }
  const FormattedText& GetText() const { return m_text; }

  // The layout a job without a template is shown in.
  static const char* const kPlainLayout;

 private:
  GUI_JobAdTemplate* m_template = nullptr;  // not owned
  SIM_JobBase* m_job = nullptr;             // not owned
  CTexturedSprite m_paper;
  std::string m_salaryText;
  std::string m_commuteLabel;
  std::string m_milesLabel;
  std::string m_commuteText;
  std::string m_requirementsText;
  std::string m_composed;
  FormattedText m_text;
  std::string m_lessThan;
};
