#include "HOOK_EveningClassType.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GTranslation.h"
#include "ActivityHooks.h"
#include "GUI_EveningClassPostMortem.h"
#include "GUI_EveningClasses.h"
#include "GUI_Postit.h"
#include "Game.h"
#include "SIM_Calendar.h"
#include "SIM_Date.h"
#include "SIM_Description.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

HOOK_EveningClassType::ClassList HOOK_EveningClassType::AllClasses;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::Enrolled;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::DramaClasses;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::MedicalClasses;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::LawClasses;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::TechnicalClasses;
HOOK_EveningClassType::ClassList HOOK_EveningClassType::AdultClasses;

namespace {

// Prerequisite and progress fields are cut to this before they are read; the translation key of a
// class's name keeps at most this much of the name.
constexpr size_t kMaxClassField = 127;
constexpr size_t kMaxClassKeyName = 60;
constexpr size_t kMaxClassValueName = 63;

std::string CutClassField(const std::string& field, size_t most) {
  return field.size() > most ? field.substr(0, most) : field;
}

std::string FirstClassToken(const char* text) {
  const std::string all = text ? text : "";
  return all.substr(0, all.find(','));
}

bool IsClassWordStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

HOOK_EveningClassType::HOOK_EveningClassType() {
  SetNewFriendChance(0.25f);
  AllClasses.push_back(this);
}

HOOK_EveningClassType::~HOOK_EveningClassType() {
  for (ClassList* list : {&AllClasses, &Enrolled, &DramaClasses, &MedicalClasses, &LawClasses, &TechnicalClasses,
                          &AdultClasses})
    list->remove(this);
  // A note still showing belongs to the window manager and goes at the end of the day.
  m_reminder = nullptr;
}

void HOOK_EveningClassType::Open() {
  SIM_StandInLog::Record("HOOK_EveningClassType::Open");
  Close();
  LoadFromCSV("data/simulation/eveningclasses.csv", false);
  const std::string folder = GetGame() ? GetGame()->GetModClassesDir() : std::string();
  if (folder.empty()) return;
  GFileList files;
  files.AddFiles((folder + "/*.csv").c_str());
  for (const std::string& name : files.Names()) LoadFromCSV((folder + "/" + name).c_str(), true);
}

void HOOK_EveningClassType::Close() {
  while (!AllClasses.empty()) delete AllClasses.front();
}

void HOOK_EveningClassType::LoadFromCSV(const char* path, bool mod) {
  if (!path || !GFile::FileExists(path)) return;
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(path));
  if (!sheet) return;
  for (size_t row = 0; row < sheet->size(); ++row) {
    auto* cls = new HOOK_EveningClassType;
    if (!cls->Load(sheet->at(row), sheet->Origin(row), mod)) delete cls;
  }
}

void HOOK_EveningClassType::LoadFromText(const std::string& text, const char* origin, bool mod) {
  CSpreadsheet sheet;
  sheet.LoadFromText(text, origin);
  for (size_t row = 0; row < sheet.size(); ++row) {
    auto* cls = new HOOK_EveningClassType;
    if (!cls->Load(sheet.at(row), sheet.Origin(row), mod)) delete cls;
  }
}

bool HOOK_EveningClassType::Load(const std::string& row, const std::string& origin, bool mod) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  const std::string category = csv.GetNextString();
  const std::string name = csv.GetNextString();
  if (name.empty()) {
    GWarnRow(origin, "an evening class without a name; the row is skipped");
    return false;
  }
  SetName(name);
  SetSource(name);
  JoinList(category);
  if (category != "ADULT" && category != "MEDICAL" && category != "LAW" && category != "DRAMA" &&
      category != "TECHNICAL")
    GWarnRow(origin, "evening class " + name + " has the unknown category \"" + category +
                             "\"; it joins no school");
  SetGUIName(mod ? name : GTranslation::GetString("nv_" + CutClassField(name, kMaxClassKeyName)));
  SetDescription(csv.GetNextString());
  SetScript(csv.GetNextString());
  const std::string fee = csv.GetNextString();
  if (!CSV::IsNumber(fee))
    GWarnRow(origin, "the fee \"" + fee + "\" of evening class " + name + " is not a number; taken as 0");
  SetCost(CSV::IsNumber(fee) ? CSV::ParseFloat(fee.c_str()) : 0.0f);
  const int32_t firstMonth = csv.GetNextInt();
  const int32_t lastMonth = csv.GetNextInt();
  SetMonths(firstMonth, lastMonth);
  for (bool& day : m_dayFlags) day = csv.GetNextInt() != 0;
  csv.GetNextToken();  // an unused column

  bool closed = false;
  while (!csv.Finished()) {
    const std::string field = csv.GetNextString();
    if (!field.empty() && field[0] == '#') {
      closed = true;
      break;
    }
    AddPreRequisite(CutClassField(field, kMaxClassField).c_str());
  }
  if (!closed) {
    GWarnRow(origin, "the prerequisites of evening class " + name +
                             " are not closed by a \"#\" field; the class has no progress per lesson");
  } else {
    AddClassModifier(CutClassField(csv.GetNextString(), kMaxClassField).c_str());
    if (m_modifiers.empty())
      GWarnRow(origin, "evening class " + name + " has no usable progress per lesson; its lessons teach nothing");
  }
  AddModifier("boredom,-0.1f,0.25f");
  AddModifier("loneliness,-0.1f,0.25f");
  return true;
}

void HOOK_EveningClassType::JoinList(const std::string& category) {
  if (category == "ADULT") AdultClasses.push_back(this);
  else if (category == "MEDICAL") MedicalClasses.push_back(this);
  else if (category == "LAW") LawClasses.push_back(this);
  else if (category == "DRAMA") DramaClasses.push_back(this);
  else if (category == "TECHNICAL") TechnicalClasses.push_back(this);
}

void HOOK_EveningClassType::AddPreRequisite(const char* text) {
  if (!text || std::string(text).size() <= 2) return;
  const std::string valueName = CutClassField(FirstClassToken(text), kMaxClassValueName);
  if (valueName.size() <= 1) return;
  m_prerequisites.push_back(new TypeModifier(valueName, 1.0f, false, false));
}

void HOOK_EveningClassType::AddClassModifier(const char* text) {
  if (!text || std::string(text).size() < 2 || !IsClassWordStart(text[0])) return;
  auto* progress = new SIM_Modifier;
  progress->SetName(m_name);
  progress->SetSource(GetSource());
  progress->SetValue(CSV::ParseFloat(FirstClassToken(text).c_str()));
  progress->SetDegrade("1.0f");
  m_modifiers.push_back(progress);
}

HOOK_EveningClassType* HOOK_EveningClassType::GetClassByName(const char* name) {
  const std::string wanted = name ? name : "";
  for (HOOK_EveningClassType* cls : AllClasses) {
    if (cls->m_name == wanted) return cls;
  }
  return nullptr;
}

void HOOK_EveningClassType::Enroll() {
  Enrolled.push_back(this);
  ProcessReminders(true);
  m_enrolled = true;
}

bool HOOK_EveningClassType::IsCompleted() {
  if (m_modifiers.empty()) return false;
  return SIM_GetVede()->GetValue(m_modifiers.front()->GetName()) >= 1.0f;
}

bool HOOK_EveningClassType::IsEnrollable() { return !IsCompleted() && !m_enrolled && MeetsPrerequisites(); }

bool HOOK_EveningClassType::IsAvailable() {
  if (!m_enrolled) return false;
  return SIM_TimeChunkType::IsAvailable();
}

bool HOOK_EveningClassType::RightTimeOfDay() { return SIM_GetSim()->IsEvening(); }

void HOOK_EveningClassType::ProcessChunk() {
  SIM_GetScript()->RunScript(GetScript(), 1.0f);
  // The chooser weighed the fee before it offered the lesson.
  SIM_GetFinances()->SpendCash(GetCost());
  // Even a player who cannot think straight picks up a little.
  const float concentration = std::clamp(std::max(SIM_GetVede()->GetConcentration(), 0.2f), 0.0f, 1.0f);
  ApplyModifiers(concentration);
  if (SIM_GetVede()->GetValue(m_name) >= 1.0f) CourseFinished();
  GUI_EveningClassPostMortem::Create(this, concentration);
  SIM_GetStatistics()->ChangeCounter(1, "CLASSESATTENDED");
  SIM_GetDescription()->AddNounCandidate(GTranslation::GetString("DESC_NOUN_STUDENT"),
                                         SIM_GetGlobalVariables()->Get("SOLO_DESC_NOUN_VALUE"));
  DropReminder();
  GetDebug()->DebugOut(GFormat("Evening class: %s (progress %.3f)", m_name.c_str(),
                               (double)SIM_GetVede()->GetValue(m_name))
                           .c_str());
}

void HOOK_EveningClassType::DropReminder() {
  delete m_reminder;
  m_reminder = nullptr;
}

void HOOK_EveningClassType::CourseFinished() {
  m_enrolled = false;
  Enrolled.remove(this);
  DropReminder();
  SIM_GetCalendar()->RemoveByName(GetGUIName());
  SIM_GetScript()->RunScript("course_completed.txt", 1.0f);
  GetDebug()->DebugOut(GFormat("Evening class completed: %s", m_name.c_str()).c_str());
}

void HOOK_EveningClassType::ProcessReminders(bool calendarOnly) {
  // A second call on the same evening would otherwise leave the first note stuck on the scene.
  DropReminder();
  if (!SIM_Date::PPresentDay) return;
  const int today = SIM_Date::PPresentDay->GetDayOfWeek();
  if (!calendarOnly && RunsOnDay(today)) {
    if (GUI_Postit* note = GUI_Postit::Create(GTranslation::GetString("REMINDER_EVENING_CLASS"),
                                              GUI_Postit::TYPE_EVENINGCLASS)) {
      note->SetContextString(m_name);
      m_reminder = note;
    }
  }
  for (int offset = 0; offset < 7; ++offset) {
    if (!RunsOnDay((today + offset) % 7)) continue;
    SIM_Date day = *SIM_Date::PPresentDay;
    day.IncrementDays(offset);
    SIM_GetCalendar()->AddEntry(day, GetGUIName());
  }
}

void HOOK_EveningClassType::GenerateReminders() {
  SIM_StandInLog::Record("HOOK_EveningClassType::GenerateReminders");
  const ClassList enrolled = Enrolled;  // finishing a course takes it out of the list
  for (HOOK_EveningClassType* cls : enrolled) {
    if (cls->IsCompleted()) cls->CourseFinished();
  }
  const bool evening = SIM_GetSim()->IsEvening();
  for (HOOK_EveningClassType* cls : Enrolled) {
    if (evening) cls->ProcessReminders(false);
    else cls->DropReminder();
  }
}

void HOOK_EveningClassType::ClearReminders() {
  SIM_StandInLog::Record("HOOK_EveningClassType::ClearReminders");
  for (HOOK_EveningClassType* cls : Enrolled) cls->DropReminder();
}

// The hook "eveningclasses": the classes are read again (a mod may have added some) and the class
// list opens with no school chosen, or closes. Rebuilding makes new classes, so the player's
// enrolments are carried over by name; otherwise every course under way would silently end.
void SIM_HookEveningClasses() {
  std::vector<std::string> enrolled;
  for (HOOK_EveningClassType* cls : HOOK_EveningClassType::Enrolled) enrolled.push_back(cls->GetName());
  HOOK_EveningClassType::Open();
  for (const std::string& name : enrolled) {
    HOOK_EveningClassType* cls = HOOK_EveningClassType::GetClassByName(name.c_str());
    if (cls && !cls->IsEnrolled()) cls->Enroll();
  }
  GUI_EveningClasses::Create();
}
