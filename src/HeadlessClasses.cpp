#include "HeadlessClasses.h"

#include <vector>

#include "GRandom.h"
#include "GUI_ButtonText.h"
#include "GUI_EveningClassDetails.h"
#include "GUI_EveningClassPostMortem.h"
#include "GUI_EveningClasses.h"
#include "GUI_SchoolPicker.h"
#include "GUI_SoloActivityChooser.h"
#include "HOOK_EveningClassType.h"
#include "SIM_Finances.h"

HeadlessClasses::Counts HeadlessClasses::Tally;

namespace {
// How keen the player is to sign up for something on a free evening, and for how many courses at
// once.
constexpr float kEnrolChance = 0.12f;
constexpr size_t kMostCourses = 2;
// A course is a commitment of weeks of fees: only a player with savings signs up.
constexpr float kSavingsToEnrol = 400.0f;
}  // namespace

void HeadlessClasses::FinishOpenReport() {
  GUI_EveningClassPostMortem* report = GUI_EveningClassPostMortem::PTheWindow;
  if (!report) return;
  if (!report->IsProgressForm()) ++Tally.completed;
  GUI_EveningClassPostMortem::Finished(0);
}

bool HeadlessClasses::SpendEvening() {
  if (TakeLesson()) return true;
  if (HOOK_EveningClassType::Enrolled.size() >= kMostCourses || SIM_GetFinances()->GetCash() < kSavingsToEnrol ||
      !GRandom::IsChance(kEnrolChance))
    return false;
  return Enrol();
}

bool HeadlessClasses::TakeLesson() {
  for (HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) {
    if (!cls->IsAvailable()) continue;
    // As the reminder note would: the chooser opens on the class.
    GUI_SoloActivityChooser::ScrollToActivity(cls->GetName().c_str());
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::PTheWindow;
    if (!chooser) return false;
    if (chooser->GetType() != cls || !chooser->GetStartButton()->IsEnabled()) {
      GUI_SoloActivityChooser::Close();
      return false;
    }
    ++Tally.lessons;
    GUI_SoloActivityChooser::StartActivity(0);
    FinishOpenReport();
    return true;
  }
  return false;
}

bool HeadlessClasses::Enrol() {
  GUI_SchoolPicker::Create();
  if (!GUI_SchoolPicker::IsOpen()) return false;
  HOOK_EveningClassType::ClassList* schools[] = {
      &HOOK_EveningClassType::DramaClasses, &HOOK_EveningClassType::MedicalClasses,
      &HOOK_EveningClassType::LawClasses, &HOOK_EveningClassType::TechnicalClasses,
      &HOOK_EveningClassType::AdultClasses};
  HOOK_EveningClassType::ClassList* school = schools[(int)GRandom::RandReal(0.0f, 4.999f)];
  // The school's button, as a click would: the list opens and the picker closes.
  GUI_SchoolPicker::Close();
  GUI_EveningClasses::Create();
  GUI_EveningClasses* list = GUI_EveningClasses::PTheWindow;
  if (!list) return false;
  list->SelectSchool(school);
  std::vector<HOOK_EveningClassType*> open;
  for (HOOK_EveningClassType* cls : list->GetDisplayList()) {
    if (cls->IsEnrollable()) open.push_back(cls);
  }
  // Only what the first page shows can be clicked without turning it.
  if (open.size() > (size_t)GUI_EveningClasses::kStripsPerPage) open.resize(GUI_EveningClasses::kStripsPerPage);
  if (open.empty()) {
    GUI_EveningClasses::Close();
    return false;
  }
  list->ShowDetails(open[(size_t)GRandom::RandReal(0.0f, (float)open.size() - 0.001f)]);
  GUI_ButtonText* enrol = list->GetDetails()->GetEnrollButton();
  if (!enrol->IsVisible()) {
    GUI_EveningClasses::Close();
    return false;
  }
  ++Tally.enrolments;
  enrol->GetCallback()(enrol->GetArgument());  // closes the list and uses the slot
  return true;
}
