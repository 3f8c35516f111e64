#pragma once
// The selected class under the class list: its name, fee, description and weekdays with the enrol
// button, or, while the player lacks what it requires, the list of those requirements.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_ButtonText;
class HOOK_EveningClassType;

class GUI_EveningClassDetails : public GUI_WindowBase {
 public:
  GUI_EveningClassDetails();
  ~GUI_EveningClassDetails() override;

  void Draw() override;
  void SetType(HOOK_EveningClassType* cls);
  // The enrol button: the player joins the open list's selected class, the list closes and the
  // activity slot is used. The argument is not read: the panel is the open list's.
  static void Enroll(int);
  void DrawReqsMet();
  void DrawReqsNotMet();

  HOOK_EveningClassType* GetType() const { return m_class; }
  GUI_ButtonText* GetEnrollButton() const { return m_enrollButton; }
  bool GetReqsMet() const { return m_reqsMet; }
  // The fee as the panel prints it (at most 31 characters).
  std::string PriceText() const;

 private:
  void PlaceEnrollButton();

  HOOK_EveningClassType* m_class = nullptr;
  GUI_ButtonText* m_enrollButton = nullptr;  // in the button list, which owns it
  bool m_reqsMet = false;
  std::string m_unavailableText;
  std::string m_requiresText;
  std::string m_classText;
  CTexturedSprite m_dayBox;
};
