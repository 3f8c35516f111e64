#include "GUI_SchoolPicker.h"

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_NamedObject.h"
#include "GUI_SchoolButton.h"
#include "HOOK_EveningClassType.h"
#include "LibTextEngine.h"

GUI_SchoolPicker* GUI_SchoolPicker::PTheWindow = nullptr;

void GUI_SchoolPicker::Create() {
  if (PTheWindow) {
    Close();
    return;
  }
  GUI_GetGUI()->CloseLeftHandWindows();
  new GUI_SchoolPicker();
}

void GUI_SchoolPicker::Close() {
  GUI_SchoolPicker* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

GUI_SchoolPicker::GUI_SchoolPicker() : GUI_SchoolBoard(512.0f, 381.0f) {
  PTheWindow = this;
  PopulateSchools();
  SetModal(true);
  GUI_HintHelp::Launch("classes_dialog");
  GUI_NamedObject::Register("EveningClasses", this);
  GetDebug()->DebugOut("Evening schools: the picker opens");
}

GUI_SchoolPicker::~GUI_SchoolPicker() {
  GUI_NamedObject::UnRegister(this);
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_SchoolPicker::PopulateSchools() {
  const RECT& c = m_clientArea;
  const int h = (c.bottom - c.top - 40) / 2;
  const int w3 = (c.right - c.left - 40) / 3;
  const int w2 = (c.right - c.left - 40) / 2;
  const float row1 = (float)(c.top + 20 + h / 2);
  const float row2 = row1 + (float)h;
  struct School {
    const char* icon;
    const char* descriptionKey;
    HOOK_EveningClassType::ClassList* list;
    float x;
    float y;
  };
  const School schools[] = {
      {"class_acting.dds", "SCHOOL_DRAMA_DESC", &HOOK_EveningClassType::DramaClasses, (float)(c.left + 20 + w3 / 2), row1},
      {"class_medical.dds", "SCHOOL_MEDICAL_DESC", &HOOK_EveningClassType::MedicalClasses,
       (float)(c.left + 20 + w3 / 2 + w3), row1},
      {"class_law.dds", "SCHOOL_LAW_DESC", &HOOK_EveningClassType::LawClasses, (float)(c.left + 20 + w3 / 2 + 2 * w3),
       row1},
      {"class_science.dds", "SCHOOL_TECHNICAL_DESC", &HOOK_EveningClassType::TechnicalClasses,
       (float)(c.left + 20 + w2 / 2), row2},
      {"class_adult.dds", "SCHOOL_ADULT_DESC", &HOOK_EveningClassType::AdultClasses, (float)(c.left + 20 + w2 / 2 + w2),
       row2},
  };
  for (const School& school : schools) {
    auto* button = new GUI_SchoolButton(school.icon, school.list, GTranslation::GetString(school.descriptionKey));
    button->SetPosition(school.x - 64.0f, school.y - 64.0f, school.x + 64.0f, school.y + 64.0f);
    AddButton(button);
  }
}

void GUI_SchoolPicker::Draw() {
  DrawBoard();
  GetTextEngine()->ProcessTextQueue(-1);
}
