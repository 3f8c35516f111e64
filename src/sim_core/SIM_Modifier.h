#pragma once
// One effect of a content type on the player: "name,value[,degrade]". A value or degrade that
// begins with "_" is the key of a tuning variable.
#include <string>
#include <vector>

class SIM_Modifier {
 public:
  SIM_Modifier() = default;

  const std::string& GetName() const { return m_name; }
  const std::string& GetGUIName() const { return m_guiName; }
  const std::string& GetSource() const { return m_source; }
  const std::string& GetDegrade() const { return m_degrade; }
  float GetValue() const { return m_value; }
  void SetName(const std::string& name);  // also sets the GUI name from "nv_" + name
  void SetSource(const std::string& source) { m_source = source; }
  void SetValue(float value) { m_value = value; }
  void SetDegrade(const std::string& degrade) { m_degrade = degrade; }
  void Verify() {}

  // The daily degrade as a number: a "_" text is a tuning variable, anything else atof ("" = 0).
  float GetDegradeValue() const;
  // A "glob_" name changes the game-wide value; everything else goes to SIM_Vede::ApplyEffect.
  void Apply(float scale);

  // Parses one modifier text; false (and nothing reported) when it is too short or starts with
  // neither a letter, a digit nor "_". `origin` ("file:line" of the row that holds the text) names
  // the place in warnings about the text.
  bool Parse(const char* text, const std::string& source, const std::string& origin = std::string());

 private:
  std::string m_name;
  std::string m_guiName;
  std::string m_source;
  float m_value = 0.0f;
  std::string m_degrade;
};

class SIM_ModifierContainer {
 public:
  SIM_ModifierContainer() = default;
  virtual void AddModifier(const char* text);
  virtual ~SIM_ModifierContainer();  // destroys its modifiers
  SIM_ModifierContainer(const SIM_ModifierContainer&) = delete;
  SIM_ModifierContainer& operator=(const SIM_ModifierContainer&) = delete;

  void ApplyModifiers(float scale);  // every modifier in file order
  // The first modifier of that name; none: "Failed to get modifier value" and 0.
  float GetModifierValue(const std::string& name);

  const std::vector<SIM_Modifier*>& GetModifiers() const { return m_modifiers; }
  void SetSource(const std::string& source) { m_source = source; }
  const std::string& GetSource() const { return m_source; }
  // Where the type was read from ("file:line" of its row), set by the loader before the fields
  // that hold lists of their own are parsed, so that warnings about those fields say where.
  void SetOrigin(const std::string& origin) { m_origin = origin; }
  const std::string& GetOrigin() const { return m_origin; }

 protected:
  // "<origin>: " for the start of a warning, or "" when the type was not read from a table.
  std::string OriginPrefix() const { return m_origin.empty() ? std::string() : m_origin + ": "; }

  std::vector<SIM_Modifier*> m_modifiers;
  std::string m_source = "unset";
  std::string m_origin;
};
