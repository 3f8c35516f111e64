#include "GUI_SchoolButton.h"

#include "GUI_EveningClasses.h"
#include "GUI_SchoolPicker.h"
#include "GUI_Sounds.h"

GUI_SchoolButton* GUI_SchoolButton::PHighlighted = nullptr;

GUI_SchoolButton::GUI_SchoolButton(const char* icon, HOOK_EveningClassType::ClassList* classes,
                                   const std::string& description)
    : GUI_IconButton(icon, nullptr, 0), m_classes(classes), m_description(description) {
  SetHighlightTexture(icon);
  SetRawTooltip(m_description, 20);
  m_outline.SetTexture("class_outline.dds");
}

GUI_SchoolButton::~GUI_SchoolButton() {
  // Only compared, never followed; a button freed while remembered must not be mistaken for the
  // next one made at the same address.
  if (PHighlighted == this) PHighlighted = nullptr;
}

void GUI_SchoolButton::Draw() {
  const float cx = (float)(rect.left + rect.right) / 2.0f;
  const float cy = (float)(rect.top + rect.bottom) / 2.0f;
  if (MouseInside()) {
    if (PHighlighted != this) {
      GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
      PHighlighted = this;
    }
    m_outline.SetSize((float)width + 4.0f, (float)height + 4.0f);
    m_outline.PlaceLocal(cx, cy);
    m_outline.Draw();
  }
  GUI_IconButton::Draw();
}

void GUI_SchoolButton::Click() {
  HOOK_EveningClassType::ClassList* classes = m_classes;
  GUI_EveningClasses::Close();
  GUI_EveningClasses::Create();
  if (GUI_EveningClasses::PTheWindow) GUI_EveningClasses::PTheWindow->SelectSchool(classes);
  // Closing the picker frees this button: nothing of it is touched afterwards.
  GUI_SchoolPicker::Close();
  GUI_GetSounds()->PlaySound(0);
}
