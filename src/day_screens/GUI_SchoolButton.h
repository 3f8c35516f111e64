#pragma once
// One evening school on the picker: its icon, outlined while the mouse is over it, and the
// school's description as the tooltip. A click opens the school's class list.
#include <string>

#include "CTexturedSprite.h"
#include "HOOK_EveningClassType.h"
#include "GUI_IconButton.h"

class GUI_SchoolButton : public GUI_IconButton {
 public:
  GUI_SchoolButton(const char* icon, HOOK_EveningClassType::ClassList* classes, const std::string& description);
  ~GUI_SchoolButton() override;

  void Draw() override;
  void Click() override;

  HOOK_EveningClassType::ClassList* GetClasses() const { return m_classes; }
  const std::string& GetDescription() const { return m_description; }

  // The school the mouse last entered; the hover sound plays when it changes.
  static GUI_SchoolButton* PHighlighted;

 private:
  HOOK_EveningClassType::ClassList* m_classes;  // one of the schools' lists, not owned
  std::string m_description;
  CTexturedSprite m_outline;
};
