#pragma once
// One evening school's classes on a blackboard: a strip per class, ten to a page, the classes the
// player can enrol in first, and below them the details of the selected class with the enrol
// button. Not treated as a dialog: it neither lies above the other windows nor goes on Escape.
#include <list>

#include "GUI_SchoolBoard.h"
#include "HOOK_EveningClassType.h"

class GUI_EveningClassDetails;
class GUI_IconButton;

class GUI_EveningClasses : public GUI_SchoolBoard {
 public:
  static constexpr int kStripsPerPage = 10;

  // Opens the list with no school chosen (after closing the left-hand windows), or closes it.
  static void Create();
  static void Close();
  static void NextPage(int);
  static void PrevPage(int);
  static void GoBack(int);

  GUI_EveningClasses();
  ~GUI_EveningClasses() override;
  void Draw() override;
  bool IsDialog() override { return false; }

  void SelectSchool(HOOK_EveningClassType::ClassList* classes);
  void Populate();
  void ShowDetails(HOOK_EveningClassType* cls);
  HOOK_EveningClassType* GetHighlighted() const { return m_selected; }
  void UpdatePageButtonStatus();

  int GetPage() const { return m_page; }
  const std::list<HOOK_EveningClassType*>& GetDisplayList() const { return m_display; }
  GUI_EveningClassDetails* GetDetails() const { return m_details; }
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  GUI_IconButton* GetBackButton() const { return m_backButton; }

  static GUI_EveningClasses* PTheWindow;

 private:
  bool HasMorePages() const;

  int m_page = 0;
  GUI_IconButton* m_nextButton = nullptr;  // the buttons belong to the button list
  GUI_IconButton* m_prevButton = nullptr;
  GUI_IconButton* m_backButton = nullptr;
  GUI_EveningClassDetails* m_details = nullptr;  // a child window
  HOOK_EveningClassType* m_selected = nullptr;
  HOOK_EveningClassType::ClassList* m_school = nullptr;  // not owned
  std::list<HOOK_EveningClassType*> m_display;
};
