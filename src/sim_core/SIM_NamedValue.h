#pragma once
// Everything the simulation knows about the player and the world is a float under a text key.
// Changes through ProcOperator are clamped to 0..1; SetValue stores as given.
#include <list>
#include <memory>
#include <string>

class GUI_ChangeNotifier;

class SIM_NamedValue {
 public:
  SIM_NamedValue(const std::string& name, const std::string& guiName, float value);
  // Removes the value from every named-value list that still holds it, so no list is left with a
  // dangling entry whoever destroys the value.
  virtual ~SIM_NamedValue();
  SIM_NamedValue(const SIM_NamedValue&) = delete;
  SIM_NamedValue& operator=(const SIM_NamedValue&) = delete;

  virtual void CalculateValue() {}
  virtual void Clicked() {}
  // Starts the value's change marker beside its row in the skills panel, when that panel shows it.
  virtual void ShowEffect(float amount);

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  float GetValue() const { return m_value; }
  void SetValue(float value) { m_value = value; }
  GUI_ChangeNotifier* GetNotifier() { return m_notifier.get(); }

  // "+=", "-=", "*=" or "/=" (the whole text must match); any other text leaves the value. The
  // result is clamped to 0..1 in every case.
  void ProcOperator(const char* op, float x);

 protected:
  std::string m_guiName;
  std::string m_name;
  float m_value = 0.0f;
  std::unique_ptr<GUI_ChangeNotifier> m_notifier;
};

// A list of named values. Lookups are exact, case-sensitive and linear, and move the value found
// to the front. A list owns its values only through Clear. Globals owns what it holds; its values
// are destroyed when the program exits.
class SIM_NamedValueList {
 public:
  SIM_NamedValueList();
  virtual ~SIM_NamedValueList();
  SIM_NamedValueList(const SIM_NamedValueList&) = delete;
  SIM_NamedValueList& operator=(const SIM_NamedValueList&) = delete;

  void SetName(const std::string& name) { m_name = name; }
  const std::string& GetName() const { return m_name; }
  std::list<SIM_NamedValue*>& GetRawList() { return m_values; }
  size_t Count() const { return m_values.size(); }

  SIM_NamedValue* GetNamedValue(const std::string& name);  // null when absent
  bool HasValue(const std::string& name);
  // Absent: "Value not found" once per name, and -1.0.
  float GetValue(const std::string& name);
  bool IsTrue(const std::string& name);  // present and not exactly 0.0

  void AddValue(SIM_NamedValue* value);
  void AddValueToFront(SIM_NamedValue* value);
  void RemoveValue(SIM_NamedValue* value);  // every entry of that pointer; the value lives on
  void RemoveAll();                         // empties the list without destroying the values
  void Clear();                             // destroys every value, then empties the list
  void Calculate();                         // CalculateValue of every value in list order

  // The first registered list of that name; absent: "Failed to find named value list", null.
  static SIM_NamedValueList* GetList(const std::string& name);
  // Sets (unclamped) or creates the game-wide value.
  static void ForceGlobal(const std::string& name, float value);

  static std::list<SIM_NamedValueList*> AllLists;
  static SIM_NamedValueList Globals;

 private:
  std::string m_name;
  std::list<SIM_NamedValue*> m_values;
};
