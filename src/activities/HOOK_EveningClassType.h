#pragma once
// The evening classes: courses at one of the five evening schools, one lesson an evening on the
// class's weekdays, until the player's progress in the class (a skill named after it) reaches 1.0.
// Each class is a solo activity read from a table of its own, so an enrolled class shows up in the
// solo activity chooser on its evenings. A class keeps one reminder note on those evenings and the
// calendar filled with its lessons for the coming week.
//
// The classes are built from "data/simulation/eveningclasses.csv" and then from every "*.csv" in
// the user's "mods/classes" folder, in name order.
#include <list>
#include <string>

#include "SIM_SoloActivityType.h"

class GUI_Postit;

class HOOK_EveningClassType : public SIM_SoloActivityType {
 public:
  typedef std::list<HOOK_EveningClassType*> ClassList;

  HOOK_EveningClassType();
  ~HOOK_EveningClassType() override;

  // Every class freed and the tables read again (a new game, a load, the hook).
  static void Open();
  static void Close();
  // One table; a file that cannot be opened adds nothing. Mod classes show their names unchanged.
  static void LoadFromCSV(const char* path, bool mod);
  // Rows from text in hand; `origin` names it in warnings (tests, the lint).
  static void LoadFromText(const std::string& text, const char* origin, bool mod);
  static HOOK_EveningClassType* GetClassByName(const char* name);  // null when none
  // Finishes the courses whose progress reached 1.0, then shows the notes in the day's last slot
  // (and writes the week's calendar) or takes them down before it.
  static void GenerateReminders();
  // Forgets the notes; GUI_Postit::Close deletes them right after.
  static void ClearReminders();

  void Enroll();
  bool IsEnrolled() const { return m_enrolled; }
  bool IsCompleted();
  bool IsEnrollable();
  bool RunsOnDay(int dayOfWeek) const { return GetDayAvailable(dayOfWeek); }
  GUI_Postit* GetReminder() const { return m_reminder; }

  bool IsAvailable() override;
  bool RightTimeOfDay() override;  // only in the day's last activity slot
  void ProcessChunk() override;    // one lesson
  using SIM_TimeChunkType::AddPreRequisite;
  // A value name that must be at least 1.0 (usually another class, completed first).
  virtual void AddPreRequisite(const char* text);

  void ProcessReminders(bool calendarOnly);
  void CourseFinished();
  void JoinList(const std::string& category);
  void AddClassModifier(const char* text);

  static ClassList AllClasses;  // owns the classes
  static ClassList Enrolled;    // in order of enrolment
  static ClassList DramaClasses;
  static ClassList MedicalClasses;
  static ClassList LawClasses;
  static ClassList TechnicalClasses;
  static ClassList AdultClasses;

 private:
  // One table row (after the marker); false when the row named no class.
  bool Load(const std::string& row, const std::string& origin, bool mod);
  void DropReminder();

  GUI_Postit* m_reminder = nullptr;
  bool m_enrolled = false;
};
