#pragma once
// One magazine issue: its cover, what the title is about and how much of the issue has been read.
// Modal; at most one open.
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_ValueBar;
class SIM_MagazineAsset;

class GUI_MagazineDetails : public GUI_Dialog {
 public:
  static void Create(SIM_MagazineAsset* issue);
  static void Close();

  explicit GUI_MagazineDetails(SIM_MagazineAsset* issue);
  ~GUI_MagazineDetails() override;

  void Draw() override;

  SIM_MagazineAsset* GetIssue() const { return m_issue; }
  GUI_ValueBar* GetProgressBar() const { return m_progress; }

  static GUI_MagazineDetails* PTheWindow;

 private:
  BaseSprite m_picture;
  SIM_MagazineAsset* m_issue;
  GUI_ValueBar* m_progress = nullptr;  // a child window
  std::string m_label;
};
