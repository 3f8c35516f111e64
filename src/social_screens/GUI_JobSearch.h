#pragma once
// The job search: a grid of industry icons, the step between the career window and the job
// browser. However it closes (an icon, back, Escape, its close button, another left-hand window),
// the evening's activity slot is used.
#include <vector>

#include "GUI_Dialog.h"

class GUI_IconButton;
class GUI_IndustryIcon;
class SIM_Industry;

class GUI_JobSearch : public GUI_Dialog {
 public:
  static constexpr float kWidth = 420.0f;
  static constexpr float kHeight = 368.0f;
  static constexpr int kIconsPerRow = 4;
  static constexpr unsigned KEY_ESCAPE = 53;

  static void Create();  // a toggle, like the career window
  static void Close();
  static bool IsOpen() { return PTheWindow != nullptr; }
  static void GoBack(int);  // back to the career window
  static void SetIndustry(SIM_Industry* industry);

  ~GUI_JobSearch() override;
  void HandleKey(unsigned key) override;
  void PopulateIndSelector();

  const std::vector<GUI_IndustryIcon*>& GetIcons() const { return m_icons; }
  GUI_IconButton* GetBackButton() const { return m_backButton; }

  static GUI_JobSearch* PTheWindow;

 private:
  GUI_JobSearch();

  GUI_IconButton* m_backButton = nullptr;  // in the button list
  std::vector<GUI_IndustryIcon*> m_icons;  // in the button list
};
