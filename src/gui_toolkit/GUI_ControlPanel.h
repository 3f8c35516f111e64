#pragma once
// The strip of six large buttons at the bottom right of the in-game screen: evening classes, solo
// activity, social activity, job, quit and end day. It is the player's only way to spend the
// evening and to end the day. The buttons follow the day turn every frame: the activity buttons
// work only in the evening, end day only once the day's activities are over, when a prompt with an
// arrow also points at it. One long-lived window that a new game or a load never closes.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;

class GUI_ControlPanel : public GUI_WindowBase {
 public:
  GUI_ControlPanel();
  ~GUI_ControlPanel() override;

  void Draw() override;

  // Lays the strip and the buttons out for the current screen size.
  void Reset();
  void Initialise() {}  // a new game changes nothing here
  // While set, a finished day shows no prompt (the web-surfing activity holds it back).
  void PostponeEndDay(bool postpone) { m_postponeEndDay = postpone; }
  bool IsEndDayPostponed() const { return m_postponeEndDay; }
  // The day turn's call when the day's activities are over; the prompt already says it.
  void HighlightEndDay() {}
  // The end-of-day prompt with its arrow; the first drawing of the day also runs the pre-bed step.
  void DrawEndDay();

  // The buttons' callbacks; each ignores its argument.
  static void EveningClasses(int);
  static void SoloActivity(int);
  static void SocialActivity(int);
  static void NextDay(int);
  static void AttemptQuitGame(int);
  static void QuitGame(int);

  GUI_IconButton* GetEveningClassButton() const { return m_eveningClassButton; }
  GUI_IconButton* GetSoloButton() const { return m_soloButton; }
  GUI_IconButton* GetSocialButton() const { return m_socialButton; }
  GUI_IconButton* GetJobButton() const { return m_jobButton; }
  GUI_IconButton* GetQuitButton() const { return m_quitButton; }
  GUI_IconButton* GetEndDayButton() const { return m_endDayButton; }
  const std::string& GetEndDayHint() const { return m_endDayHint; }

 private:
  // Sets the buttons' enabled states from the day turn's mode.
  void UpdateButtons();

  // Owned by the button list; these only name them.
  GUI_IconButton* m_soloButton = nullptr;
  GUI_IconButton* m_eveningClassButton = nullptr;
  GUI_IconButton* m_socialButton = nullptr;
  GUI_IconButton* m_jobButton = nullptr;
  GUI_IconButton* m_endDayButton = nullptr;
  GUI_IconButton* m_quitButton = nullptr;
  bool m_postponeEndDay = false;
  std::string m_endDayHint;
  CTexturedSprite m_strip;
};

// The one panel, made on the first call and never freed.
GUI_ControlPanel* GUI_GetControlPanel();
