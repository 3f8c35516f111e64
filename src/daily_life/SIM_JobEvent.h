#pragma once
// One story of a working day: a small text file under "data/simulation/jobevents/<folder>/". The
// held job asks for a story of a type (a good day, the first day, the sack, ...); the draw weighs
// the stories of that type that share a category with the job by their frequency. Drawing a story
// also runs its script, so stories carry the day's effects.
#include <string>
#include <vector>

class SIM_JobEvent {
 public:
  SIM_JobEvent();
  virtual ~SIM_JobEvent();

  static void Open();
  static void Close();
  // The story of the type for the player's job, or null when no story fits (one warning per
  // type and job).
  static SIM_JobEvent* GetEventByType(const std::string& type);

  void Load(const char* path);
  void Trigger();
  bool HasCategory(const std::string& name) const;

  std::string GetTitle() const { return m_title; }
  std::string GetDescription() const { return m_description; }
  const std::string& GetType() const { return m_type; }
  const std::vector<std::string>& GetCategories() const { return m_categories; }
  bool IsSpecial() const { return m_special; }
  bool IsLocked() const { return m_locked; }
  float GetFrequency() const { return m_frequency; }

  static std::vector<SIM_JobEvent*> All;

 private:
  std::vector<std::string> m_categories;
  std::string m_type;
  std::string m_title;
  std::string m_description;
  std::string m_onTrigger;
  bool m_locked = false;
  float m_frequency = 1.0f;
  bool m_special = false;
};
