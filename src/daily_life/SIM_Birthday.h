#pragma once
// The player's yearly birthday party. Stand-in until the daily-life subsystem arrives: the party
// is logged and counted.
class SIM_Birthday {
 public:
  void ProcessBirthday();
  int GetPartyCount() const { return m_parties; }
  // How many came to the last party; the yearly review shows it. Stand-in: nobody yet.
  int GetPartyGuests() const;

 private:
  int m_parties = 0;
};

SIM_Birthday* SIM_GetBirthday();
