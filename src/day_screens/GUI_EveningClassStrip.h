#pragma once
// One class on the class list: its name and, on the right, its fee per lesson or why it cannot be
// taken. Lit under the mouse when the player can enrol in it, and while it is the selected class.
// A click anywhere shows the class's details.
#include <string>

#include "GUI_WindowBase.h"

class HOOK_EveningClassType;

class GUI_EveningClassStrip : public GUI_WindowBase {
 public:
  explicit GUI_EveningClassStrip(HOOK_EveningClassType* cls);
  ~GUI_EveningClassStrip() override;

  void Draw() override;
  bool CheckClick(float x, float y) override;

  HOOK_EveningClassType* GetClass() const { return m_class; }
  bool IsEnrollable() const { return m_enrollable; }
  // The text at the strip's right-hand end.
  std::string RightHandText() const;

  // The strip the mouse last entered; the hover sound plays when it changes.
  static GUI_EveningClassStrip* PHighlighted;

 private:
  HOOK_EveningClassType* m_class;
  bool m_enrollable;  // both as they were when the strip was built
  bool m_completed;
  std::string m_completedText;
  std::string m_unavailableText;
  std::string m_enrolledText;
  std::string m_classText;
};
