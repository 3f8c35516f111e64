#pragma once
// The town's restaurants. Every evening each one decides whether it has a table for the player,
// judging them by admission values weighted by the restaurant's style, and its waiter explains the
// verdict. The restaurants also start the odd rumour.
#include <array>
#include <cstdint>
#include <list>
#include <string>

class SIM_RestaurantOption;
class SIM_SocialiseType;

class SIM_Restaurant {
 public:
  enum STYLE { CHEAPO = 0, MIDRANGE = 1, SNOOTY = 2, HIP = 3 };
  static constexpr int kAdmissionValues = 8;

  SIM_Restaurant();
  virtual ~SIM_Restaurant();

  // Reads the restaurants and their dishes once per program run (later calls do nothing), then
  // draws tonight's tables. The file names are for tests; null means the game's tables.
  static void Open(const char* restaurantsFile = nullptr, const char* foodFile = nullptr);
  static void Close();  // every restaurant; the next Open reads the tables again
  static void CalculateTableAvailabilityAll();
  static void GenerateRumoursAll();

  void CalculateTableAvailability();
  // Tonight's verdict on admission values already read (0 the quietness of the day, 1 renown, 2
  // pay, 3 culture, 4 the restaurant's language, 5 cooking, 7 the suit; 6 is the food critic's
  // bonus): the chance of a table, the draw and, for a free table, its quality.
  void JudgeAdmission(const std::array<float, kAdmissionValues>& values, bool foodCritic);
  std::array<float, kAdmissionValues> ReadAdmissionValues() const;
  std::string GetWaitersComment() const;
  bool MatchesType(const SIM_SocialiseType* type) const;
  // Tonight's menu: the always-listed drinks, then drinks drawn until there are 4, then the
  // always-listed main courses and main courses drawn until there are 6 (drinks first). The draws
  // use the game's random source, so a seeded game serves the same menus.
  std::list<SIM_RestaurantOption*> DrawTodaysMenu() const;

  const std::list<SIM_RestaurantOption*>& GetOptions() const { return m_options; }
  const std::string& GetGUIName() const { return m_guiName; }
  // The description with "<TOWNNAME>" put in at the time it is shown: the town has a name only
  // once a game runs.
  std::string GetDescription() const;
  float GetMinCost() const { return m_minCost; }
  float GetMaxCost() const { return m_maxCost; }
  bool HasFreeTable() const { return m_hasFreeTable; }
  const std::string& GetMusic() const { return m_music; }
  const std::string& GetMenuTexture() const { return m_menuTexture; }
  uint32_t GetTextColor() const { return m_textColor; }  // the text engine's packing
  float GetQuality() const { return m_quality; }
  int GetStyle() const { return m_style; }
  const std::string& GetEventTypeName() const { return m_eventTypeName; }
  const std::string& GetLanguageValueName() const { return m_languageValueName; }
  const std::string& GetRumourText() const { return m_rumourText; }
  float GetAdmissionValue(int index) const { return m_admissionValues[(size_t)index]; }
  float GetChance() const;  // the sum of the weighted factors of the last calculation, 0..1

  // For tests that set a restaurant up by hand.
  void SetStyle(int style) { m_style = style; }
  void SetEventTypeName(const std::string& name) { m_eventTypeName = name; }
  void SetGUIName(const std::string& name) { m_guiName = name; }
  void SetCosts(float least, float most) {
    m_minCost = least;
    m_maxCost = most;
  }

  static std::list<SIM_Restaurant*> All;  // owned
  static bool BOpened;

 private:
  void Load(const std::string& row, const std::string& origin);
  void Initialise(const std::string& origin);

  std::list<SIM_RestaurantOption*> m_options;  // not owned
  std::string m_guiName;
  std::string m_unused;
  std::string m_description;
  float m_minCost = 0.0f;
  float m_maxCost = 0.0f;
  std::string m_eventTypeName;
  std::string m_menuName;
  std::string m_music;
  std::string m_languageValueName;
  std::string m_rumourText;
  int m_style = MIDRANGE;
  bool m_hasFreeTable = false;
  float m_quality = 0.5f;
  std::string m_menuTexture;
  uint32_t m_textColor = 0xFF000000u;
  std::array<float, kAdmissionValues> m_weightedFactors{};
  std::array<float, kAdmissionValues> m_admissionValues{};
};
