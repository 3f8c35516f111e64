#pragma once
// The career window: the player's job (title, employer, commute, salary, grade on the salary ladder,
// average performance and what it depends on, promotion prospects) and the way into job hunting.
// One of the left-hand windows; the control panel's job button toggles it. Its texts are composed
// when it opens: a change of job shows after reopening.
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_ValueBar;
class SIM_JobInstance;

class GUI_JobInstanceDetails : public GUI_Dialog {
 public:
  static constexpr float kWidth = 445.0f;
  static constexpr float kHeight = 415.0f;

  // Opens the window after closing the other left-hand windows, or closes it when it is open; the
  // int is ignored (the job button's callback).
  static void Create(int);
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }
  static void JobSearch(int);  // the search button: on to the industry chooser

  ~GUI_JobInstanceDetails() override;
  void Draw() override;

  // A job has a salary ladder when its top salary differs from its starting one.
  bool HasLadder() const;
  const std::string& GetTitleLine() const { return m_titleLine; }
  const std::string& GetSalaryLine() const { return m_salaryLine; }
  const std::string& GetEmployerLine() const { return m_employerLine; }
  const std::string& GetCommuteLine() const { return m_commuteLine; }
  GUI_ButtonText* GetSearchButton() const { return m_searchButton; }
  GUI_ValueBar* GetPerformanceBar() const { return m_performanceBar; }
  // What the prospects area shows: the top-grade text, the graded prospects or the too-soon text;
  // empty without a ladder.
  std::string ProspectsText() const;
  // The translated names of the attributes the job's performance is weighed on, joined by ", ".
  std::string DependsOnList() const;

  static GUI_JobInstanceDetails* PTheWindow;

 private:
  GUI_JobInstanceDetails();

  SIM_JobInstance* m_jobInstance = nullptr;  // not owned
  GUI_ButtonText* m_searchButton = nullptr;  // in the button list
  std::string m_avePerformanceLabel;
  std::string m_titleLine;
  std::string m_salaryLine;
  std::string m_gradeLabel;
  std::string m_dependsOnLabel;
  std::string m_prospectsLabel;
  std::string m_tooSoonText;
  std::string m_topGradeText;
  std::string m_employerLine;
  std::string m_commuteLine;
  GUI_ValueBar* m_performanceBar = nullptr;  // a child
};
