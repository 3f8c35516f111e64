#pragma once
// The dialog in which the player steps through the ways of getting to work one at a time (name,
// description, range, cost per mile and the fare to the present job) and picks the one for the
// next trip. Opened from the morning and work-day pages; a left-hand window, modal, at most one.
#include <list>
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_CommuteMethod;

class GUI_CommuteMethodChooser : public GUI_Dialog {
 public:
  static void Create();
  static void Close();
  static void NextType(int);
  static void PrevType(int);
  static void ChooseMethod(int);

  GUI_CommuteMethodChooser();
  ~GUI_CommuteMethodChooser() override;

  void Draw() override;

  SIM_CommuteMethod* GetShownMethod() const;
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  GUI_ButtonText* GetChooseButton() const { return m_chooseButton; }
  const std::string& GetTotalCostLine() const { return m_totalCost; }
  // "<n> miles", or the word for no limit.
  std::string GetRangeText() const;
  std::string GetCostPerMileText() const;

  static GUI_CommuteMethodChooser* PTheWindow;

 private:
  void OnNewMethod();
  void UpdateScrollButtonStatus();

  GUI_IconButton* m_nextButton = nullptr;  // in the button list
  GUI_IconButton* m_prevButton = nullptr;  // in the button list
  GUI_ButtonText* m_chooseButton = nullptr;  // in the button list
  std::list<SIM_CommuteMethod*>::iterator m_shown;
  std::string m_rangeLabel;
  std::string m_miles;
  std::string m_costPerMileLabel;
  std::string m_unlimited;
  std::string m_totalCost;  // at most 127 characters
};
