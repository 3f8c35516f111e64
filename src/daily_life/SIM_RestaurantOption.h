#pragma once
// One dish or drink on a restaurant's menu, with what it does to whoever eats it (its modifiers).
// Every option lives in SIM_RestaurantOption::All; the restaurants pick theirs by menu name.
#include <list>
#include <string>

#include "SIM_Modifier.h"

class SIM_RestaurantOption : public SIM_ModifierContainer {
 public:
  enum MENUTYPE { MAINCOURSE = 0, DRINK = 1 };

  SIM_RestaurantOption();
  ~SIM_RestaurantOption() override;

  // Forgets every option, then reads the dishes of `file` (the game's table by default).
  static void Open(const char* file = nullptr);
  static void Close();

  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetDescription() const { return m_description; }
  float GetCost() const { return m_cost; }
  MENUTYPE GetType() const { return m_type; }
  bool IsAlwaysListed() const { return m_alwaysListed; }
  const std::string& GetTypeName() const { return m_menuName; }  // the menu it belongs to
  // The table's "MAINCOURSE" or "DRINK"; anything else is reported and leaves a main course.
  void SetType(const std::string& text);

  // For tests that set a menu up by hand.
  void SetGUIName(const std::string& name) { m_guiName = name; }
  void SetCost(float cost) { m_cost = cost; }
  void SetMenuName(const std::string& name) { m_menuName = name; }
  void SetAlwaysListed(bool listed) { m_alwaysListed = listed; }

  // The values the menu has an icon for ("stress" shows on the relaxation icon, sign turned).
  static bool HasMenuIcon(const std::string& value);

  static std::list<SIM_RestaurantOption*> All;

 private:
  void Load(const std::string& row, const std::string& origin);

  std::string m_guiName;
  std::string m_description;
  float m_cost = 0.0f;
  MENUTYPE m_type = MAINCOURSE;
  std::string m_menuName;
  bool m_alwaysListed = false;
};
