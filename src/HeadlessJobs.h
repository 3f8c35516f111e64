#pragma once
// How the player without a window looks for work: now and then an evening goes on the job search,
// where he browses one industry and applies for the best-paid opening he qualifies for that pays
// more than his job; he opens the answers and the friends' tips from the phone and takes a job that
// pays better. It counts what happened, for vorla2-sim's report.
class HeadlessJobs {
 public:
  struct Counts {
    int applications = 0;
    int offers = 0;      // answers that offered the job
    int rejections = 0;  // answers that turned him down
    int unlocks = 0;     // jobs a friend put in a word for
    int changes = 0;     // jobs taken
  };

  static void StartGame();
  // True when the evening went on the job search: the slot is used.
  static bool SearchForJob();
  // Opens every answer and every friend's tip in the phone, taking the job when it pays better.
  static void OpenAnswers();
  static const Counts& GetCounts() { return TheCounts; }

 private:
  static Counts TheCounts;
};
