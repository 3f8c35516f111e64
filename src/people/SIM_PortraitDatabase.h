#pragma once
// The portrait pictures for new people: the .png files of data/bitmaps/male_portraits/ and
// female_portraits/, then those of the user's mods/portraits_m/ and mods/portraits_f/ (names
// containing "_grey" are not portraits). Each gender keeps the full list and a pool of those not
// yet used by a person the player has met, so the people the player knows look different for as
// long as the pool lasts.
#include <string>
#include <vector>

#include "SIM_Person.h"

class SIM_PortraitDatabase {
 public:
  void Open();
  void Close();

  // A name from the unused pool of the gender, or from the full list once the pool is empty;
  // the name stays in its pool. "" (with one warning) when the gender has no portrait at all.
  std::string GetMalePortrait();
  std::string GetFemalePortrait();
  std::string GetPortrait(SIM_GENDER gender) { return gender == SIM_MALE ? GetMalePortrait() : GetFemalePortrait(); }

  // Appends the bare names of the files matching the pattern to both lists.
  void FillList(std::vector<std::string>& all, std::vector<std::string>& unused, const char* pattern);
  // A uniformly drawn name, removed (every copy) when asked; "" when the list is empty.
  static std::string GetRandom(std::vector<std::string>& list, bool remove);

  void SetUsed(const std::string& name, SIM_GENDER gender);
  void ReusePortrait(const std::string& name, SIM_GENDER gender);

  const std::vector<std::string>& GetAllMale() const { return m_allMale; }
  const std::vector<std::string>& GetAllFemale() const { return m_allFemale; }
  const std::vector<std::string>& GetUnusedMale() const { return m_unusedMale; }
  const std::vector<std::string>& GetUnusedFemale() const { return m_unusedFemale; }

 private:
  std::vector<std::string> m_allMale;
  std::vector<std::string> m_allFemale;
  std::vector<std::string> m_unusedMale;
  std::vector<std::string> m_unusedFemale;
};

SIM_PortraitDatabase* SIM_GetPortraits();
