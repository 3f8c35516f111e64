#pragma once
// An industry: the grouping the job search shows, the texts of the call after an application and
// the character types that gather among its people. One row of "data/simulation/industries.csv";
// the industries are made and freed with the jobs (SIM_JobBase::Open and Close).
#include <string>
#include <vector>

class CSV;
class SIM_CharacterType;

class SIM_Industry {
 public:
  SIM_Industry();
  virtual ~SIM_Industry();

  // Fills the industry from a table row; `csv` stands after the row marker. False (one warning
  // naming `origin`) for a row without a name: the caller deletes it.
  bool Load(CSV& csv, const std::string& origin);

  // Sets the game-wide value of every industry's name to 0.
  static void ClearGlobalFlags();
  // The first industry of that name, or null.
  static SIM_Industry* GetIndustry(const std::string& name);
  static void CloseAll();

  bool BoostsType(const std::string& characterType) const;
  bool BoostsType(const SIM_CharacterType* type) const;

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetJobOfferText() const { return m_jobOfferText; }
  const std::string& GetJobRejectionText() const { return m_jobRejectionText; }
  const std::vector<std::string>& GetBoostedTypes() const { return m_boostedTypes; }

  static std::vector<SIM_Industry*> All;

 private:
  std::string m_name;
  std::string m_guiName;
  std::string m_jobOfferText;
  std::string m_jobRejectionText;
  std::vector<std::string> m_boostedTypes;
};
