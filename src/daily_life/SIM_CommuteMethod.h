#pragma once
// One way of getting to work (a row of "data/simulation/commute.csv"), the list of them all in
// file order and the player's current choice. The rules of choosing live here: what the player
// must own, know and afford, how far a method can go, and the fallback to the feet (or the bus
// when the job is beyond walking distance) once a method is no longer possible.
#include <list>
#include <string>

class SIM_CommuteMethod {
 public:
  static constexpr const char* kFile = "data/simulation/commute.csv";

  SIM_CommuteMethod();  // appended to All
  virtual ~SIM_CommuteMethod();
  SIM_CommuteMethod(const SIM_CommuteMethod&) = delete;
  SIM_CommuteMethod& operator=(const SIM_CommuteMethod&) = delete;

  // Every method of the file, the first one current. A missing or empty file leaves no method:
  // one warning, and every leg is then free.
  static void Open(const char* file = kFile);
  static void Close();
  // One row as the table reader gives it ("#" marker first); `origin` names it in warnings.
  void Load(const std::string& row, const std::string& origin = "");

  static void SetMethodByName(const std::string& name);
  static SIM_CommuteMethod* GetByName(const std::string& name);
  static SIM_CommuteMethod* GetCurrent() { return CurrentIt == All.end() ? nullptr : *CurrentIt; }
  // Makes this method the current one.
  void MakeCurrent();
  // The current method stays only while it is selectable, else the player walks; a job beyond the
  // current method's range then takes the bus.
  static void CheckValidMethod();

  float GetCost(float miles) const;
  float GetStress(int weatherType) const;  // 0 sun, 1 cloud, 2 rain, 3 snow
  bool IsInRange() const;
  bool HasSkills() const;
  bool HasAssets() const;
  bool Affordable() const;
  bool IsSelectable() const;

  std::string GetName() const { return m_name; }
  std::string GetVerbData() const { return m_verbData; }
  std::string GetGUIName() const { return m_guiName; }
  std::string GetDescription() const { return m_description; }
  std::string GetSound() const { return m_sound; }
  std::string GetCurrentPlan() const { return m_currentPlan; }
  std::string GetPerMileScript() const { return m_perMileScript; }
  std::string GetBoredomScript() const { return m_boredomScript; }
  std::string GetOneOffScript() const { return m_oneOffScript; }
  std::string GetRequiredValue() const { return m_requiredValue; }
  float GetCostPerMile() const { return m_costPerMile; }
  float GetMinimumFare() const { return m_minimumFare; }
  float GetRange() const { return m_range; }
  bool CanUseMP3() const { return m_canUseMP3; }
  bool MaySwitchForWayHome() const { return m_maySwitch; }

  static std::list<SIM_CommuteMethod*> All;  // owns the methods
  static std::list<SIM_CommuteMethod*>::iterator CurrentIt;  // All.end() when there is none

 private:
  std::string m_name;
  std::string m_verbData;
  std::string m_guiName;
  std::string m_description;
  std::string m_sound;
  std::string m_currentPlan;
  std::string m_perMileScript;
  std::string m_boredomScript;
  std::string m_oneOffScript;
  std::string m_requiredValue;
  float m_range = 0.0f;
  float m_costPerMile = 0.0f;
  float m_minimumFare = 0.0f;
  float m_stress[4] = {};
  bool m_canUseMP3 = false;
  bool m_maySwitch = false;
};
