#pragma once
// The pools of forenames, surnames and town names ("data/simulation/maleforenames.csv",
// "femaleforenames.csv", "surnames.csv", "townnames.csv"). Draws from an empty pool give "".
#include <list>
#include <string>

#include "SIM_Person.h"

class SIM_Name {
 public:
  explicit SIM_Name(const std::string& name) : m_name(name) {}
  const std::string& Get() const { return m_name; }

 private:
  std::string m_name;
};

class SIM_Names {
 public:
  static void Open();
  static void Close();
  static void LoadNames(const char* file, std::list<SIM_Name*>& list);
  static std::string GetName(const std::list<SIM_Name*>& list);

  static std::string GetSurname() { return GetName(Surnames); }
  static std::string GetTownName() { return GetName(TownNames); }
  // A forename of the gender (the int and the nationality are not used); with notPlayersName a
  // draw equal to the player's forename is drawn again, a bounded number of times.
  static std::string GetForename(int unused, const std::string& nationality, SIM_GENDER gender, bool notPlayersName);

  static std::list<SIM_Name*> MaleForenames;
  static std::list<SIM_Name*> FemaleForenames;
  static std::list<SIM_Name*> Surnames;
  static std::list<SIM_Name*> TownNames;

 private:
  static void ClearList(std::list<SIM_Name*>& list);
};
