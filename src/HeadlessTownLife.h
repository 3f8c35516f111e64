#pragma once
// How the player without a window answers the town: each evening slot the first invitation not yet
// answered gets a seeded answer (go, plead poverty, or let it lapse), and a romance offer is
// accepted or turned down the same way. It counts what happened, for vorla2-sim's report.
#include <set>

class HeadlessTownLife {
 public:
  struct Counts {
    int posted = 0;    // invitations received
    int accepted = 0;  // evenings gone to
    int pleaded = 0;   // declined for want of money
    int lapsed = 0;    // left unanswered: a snub at the day's end
    int friendsGained = 0;
    int friendsLost = 0;
    int romances = 0;  // offers accepted
  };

  static void StartGame();
  // True when the answer was to go: the evening ran and used the slot.
  static bool AnswerInvitations();
  static void AnswerRomanticOffer();
  // Before the night: the invitations never looked at (the evening went to another) lapse.
  static void BeforeNight();
  // After each night: friends made and lost since the last night; the day's answers forgotten.
  static void AfterNight();
  static const Counts& GetCounts() { return TheCounts; }

 private:
  static Counts TheCounts;
  static std::set<const void*> Answered;  // today's invitations already answered
  static std::set<int> Friends;           // the player's friends at the last night, by save identity
};
