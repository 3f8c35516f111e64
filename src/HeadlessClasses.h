#pragma once
// How the player without a window takes evening classes: now and then, while in fewer than two
// courses, it opens the picker, chooses a school and enrols in one of the courses it may take; on a
// class evening it takes the lesson from the solo activity chooser and closes the report. It counts
// enrolments, lessons and finished courses for vorla2-sim's report.
class HeadlessClasses {
 public:
  struct Counts {
    int enrolments = 0;
    int lessons = 0;
    int completed = 0;
  };

  // True when a lesson or an enrolment used tonight's slot.
  static bool SpendEvening();
  // A lesson's report left open (the random solo evening can land on a class) is read and closed.
  static void FinishOpenReport();
  static void StartGame() { Tally = Counts(); }
  static const Counts& GetCounts() { return Tally; }
  // Tonight's lesson of a course the player is in, taken: a course paid for comes before an
  // evening out. False when there is none tonight.
  static bool TakeLesson();

 private:
  static bool Enrol();

  static Counts Tally;
};
