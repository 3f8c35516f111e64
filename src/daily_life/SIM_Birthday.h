#pragma once
// The player's party at the end of each year of play: the people who think well enough of the
// player come, and how many came sets the mood for the new year.
class SIM_Birthday {
 public:
  // Counts the guests, runs the party's scripts and makes the player a year older.
  void ProcessBirthday();
  // How many came to the last party; the yearly review shows it.
  int GetPartyGuests() const { return m_partyGuests; }

  // Who comes: anyone fond enough of the player, or a little less fond but not snubbed.
  static int CountGuests();
  // The scales of "birthday_good.txt" and "birthday_depressing.txt" for a number of guests.
  static float GoodScale(int guests);
  static float DepressingScale(int guests);

 private:
  int m_partyGuests = 0;
};

SIM_Birthday* SIM_GetBirthday();
