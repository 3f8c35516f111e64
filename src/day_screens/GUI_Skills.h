#pragma once
// The panel in the bottom-left corner of the in-game screen listing the player's skills: one row
// per skill that is not zero, in up to five columns of seven (two unless expanded). While a
// post-mortem is on screen it shows only the skills that have just changed, and the post-mortem
// draws it over itself. A skill's change marker is placed beside that skill's row.
//
// The control panel makes it (as its child window) and it lives for the whole run; whatever adds
// a skill, starts or loads a game calls Refresh.
#include <list>
#include <string>

#include "GUI_WindowBase.h"

class GUI_IconButton;
class GUI_Indicator;
class SIM_NamedValue;

class GUI_Skills : public GUI_WindowBase {
 public:
  static constexpr float CHUNKWIDTH = 150.0f;  // one column of rows
  static constexpr float CHUNKHEIGHT = 30.0f;  // one row
  static constexpr int ROWS = 7;
  static constexpr int COLLAPSED_ROWS = 14;
  static constexpr int EXPANDED_ROWS = 35;

  // Deletes the panel there is and makes a new one.
  static GUI_Skills* Create();
  static void ToggleExpand(int);

  GUI_Skills();
  ~GUI_Skills() override;

  void Refresh();               // the normal layout
  void RefreshAsChangedOnly();  // the post-mortem's: only values whose change marker is showing
  void Populate();
  void AddIndicator(SIM_NamedValue* skill, float x, float y);
  GUI_Indicator* GetIndicator(const std::string& name);
  // The change markers of its rows; the mind state calls both every frame.
  void DrawNotification();
  void DrawNotificationText();

  void Draw() override;

  bool IsExpanded() const { return m_expanded; }
  GUI_IconButton* GetExpandButton() const { return m_expandButton; }
  const std::list<GUI_Indicator*>& GetIndicators() const { return m_indicators; }

  static GUI_Skills* PTheWindow;  // the panel, or null

 private:
  void ClearIndicators();

  std::list<GUI_Indicator*> m_indicators;  // each also a child window
  std::string m_title;                     // "IDTAB_SKILLS"
  std::string m_noSkills;                  // "NO_SKILLS"
  bool m_expanded = false;
  GUI_IconButton* m_expandButton = nullptr;  // in the button list
};
