#pragma once
// The evening-school picker: the five schools as large icon buttons on a blackboard. Choosing one
// opens that school's class list. Opened by the control panel's evening-class button, the C key
// and the class list's go-back button.
#include "GUI_SchoolBoard.h"

class GUI_SchoolPicker : public GUI_SchoolBoard {
 public:
  // Opens the picker after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }

  GUI_SchoolPicker();
  ~GUI_SchoolPicker() override;
  void Draw() override;

  static GUI_SchoolPicker* PTheWindow;

 private:
  void PopulateSchools();
};
