#pragma once
// How well the player character can concentrate and what holds it back (stress, alcohol,
// tiredness), as four labelled bars. Embedded in the windows of study-like activities: the owner
// makes it a child window, gives it its rectangle and deletes it with itself. It shows the state
// of the moment it was made.
#include <string>

#include "GUI_WindowBase.h"

class GUI_ValueBar;

class GUI_Concentration : public GUI_WindowBase {
 public:
  GUI_Concentration();

  void Draw() override;

  float GetStress() const { return m_stress; }
  float GetAlcohol() const { return m_alcohol; }
  float GetTiredness() const { return m_tiredness; }
  GUI_ValueBar* GetConcentrationBar() const { return m_concentrationBar; }

 private:
  std::string m_title;
  std::string m_stressLabel;
  std::string m_alcoholLabel;
  std::string m_tirednessLabel;
  float m_stress = 0.0f;
  float m_alcohol = 0.0f;
  float m_tiredness = 0.0f;
  GUI_ValueBar* m_concentrationBar = nullptr;  // child windows
  GUI_ValueBar* m_stressBar = nullptr;
  GUI_ValueBar* m_alcoholBar = nullptr;
  GUI_ValueBar* m_tirednessBar = nullptr;
};
