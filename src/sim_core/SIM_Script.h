#pragma once
// The command-script interpreter: the glue between content and code. A script is a list of
// instructions "Name(arg,arg,...)" separated by ";", given inline or as the name of a ".txt" file
// in "data/simulation/scripts/" (then the user's "mods/scripts/"). Its commands apply effects to
// the player, call hooks, steer the activity choosers, play sounds and drive the tutorial.
#include <string>
#include <vector>

typedef void (*SIM_ScriptFunction)(int);

struct SIM_ScriptableFunction {
  std::string name;
  SIM_ScriptFunction function = nullptr;
};

class SIM_Script {
 public:
  static constexpr int MAX_ARGUMENTS = 5;
  // The tokenizer's limit: a longer script is refused.
  static constexpr size_t MAX_SCRIPT_LENGTH = 16384;

  // Runs a script now; `scale` weighs every ApplyEffect amount. An empty text does nothing.
  void RunScript(const std::string& text, float scale);
  void StoreScript(const std::string& text) { m_stored.push_back(text); }
  // Runs every stored script in order with scale 1.0 and leaves the list empty. Scripts stored
  // while they run wait for the next call.
  void RunStoredScripts();
  // A registered function takes precedence over the built-in commands of the same name.
  void AddScriptableFunction(SIM_ScriptFunction function, const std::string& name);

  void ParseInstruction(std::string& instruction);
  void Execute();

  float GetScale() const { return m_scale; }
  const std::string& GetInstructionName() const { return m_instructionName; }
  const std::string& GetArgument(int index) const;  // 0-based; "" outside the slots
  const std::vector<std::string>& GetStoredScripts() const { return m_stored; }

 private:
  // The script text of a ".txt" name and the path it was read from, or false after reporting the
  // missing file once.
  bool ReadScriptFile(const std::string& name, std::string& out, std::string& path);
  float ReadAmount(const std::string& argument) const;  // "_KEY" is a tuning variable
  int ReadInt(int index) const;

  std::vector<SIM_ScriptableFunction> m_functions;
  std::string m_instructionName;
  std::string m_arguments[MAX_ARGUMENTS];
  float m_scale = 1.0f;
  std::vector<std::string> m_stored;
  int m_depth = 0;  // scripts run from inside a command of another script
  std::string m_scriptName;  // the running script's file, or its first characters when inline
};

SIM_Script* SIM_GetScript();
