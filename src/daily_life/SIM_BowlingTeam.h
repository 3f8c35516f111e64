#pragma once
// The town's bowling team. A good bowler is invited once; a member plays a league match every 10 to
// 13 days, feels more confident and less lonely each day on the team, and is thrown off for good
// after missing a match. Only the two flags are saved: a loaded member gets a fresh match date.
#include "SIM_Date.h"

class SIM_BowlingTeam {
 public:
  void Reset();  // never joined (a new game, and before a load)
  bool IsOnTeam() const { return m_onTeam; }
  bool HasBeenOnTeam() const { return m_hasBeenOnTeam; }
  // Flags as a saved game holds them; the caller arranges the next match.
  void SetFlags(bool onTeam, bool hasBeenOnTeam) {
    m_onTeam = onTeam;
    m_hasBeenOnTeam = hasBeenOnTeam;
  }
  const SIM_Date& GetNextMatchDate() const { return m_nextMatch; }

  void JoinTeam();
  void ArrangeNextMatch();  // 10 to 13 days from today, scheduled with its reminder
  void Attended();          // the player plays today's match
  void LeaveTeam();
  void NextDay();

  // A match's score from the player's form (0..1) and a draw of 0..0.5.
  static float Score(float form, float draw) { return 0.5f * form + draw; }

 private:
  bool m_onTeam = false;
  bool m_hasBeenOnTeam = false;  // once true, stays true: no second invitation
  SIM_Date m_nextMatch;
};

SIM_BowlingTeam* SIM_GetBowlingTeam();
