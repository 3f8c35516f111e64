#include "SIM_Script.h"

#include <cstdio>

#include "CSV.h"
#include "GDebug.h"
#include "GUI_BaseElement.h"
#include "GUI_NamedObject.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_SoloActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_TutHighlighter.h"
#include "GUI_Tutorial.h"
#include "GUI_TutorialWindow.h"
#include "MacFile.h"
#include "Paths.h"
#include "SIM_FunctionTable.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SmallTalk.h"
#include "SIM_Vede.h"
#include "StringUtils.h"
#include "Win32Types.h"

namespace {
const char* const kScriptFolder = "data/simulation/scripts/";

std::string TrimStart(const std::string& text) {
  size_t start = text.find_first_not_of(" \t\r\n");
  return start == std::string::npos ? std::string() : text.substr(start);
}
}  // namespace

SIM_Script* SIM_GetScript() {
  static SIM_Script script;
  return &script;
}

const std::string& SIM_Script::GetArgument(int index) const {
  static const std::string none;
  return (index >= 0 && index < MAX_ARGUMENTS) ? m_arguments[index] : none;
}

void SIM_Script::AddScriptableFunction(SIM_ScriptFunction function, const std::string& name) {
  m_functions.push_back({name, function});
}

bool SIM_Script::ReadScriptFile(const std::string& name, std::string& out, std::string& path) {
  path = kScriptFolder + name;
  FILE* file = Mac_fopen(path.c_str(), "rt");
  if (!file) {
    std::string modPath = GetUserFolder() + "/mods/scripts/" + name;
    file = std::fopen(modPath.c_str(), "rt");
    if (file) path = modPath;
  }
  if (!file) {
    GErrorOnce("script:" + path, GFormat("Failed to find %s", path.c_str()).c_str(), __FILE__, __LINE__);
    return false;
  }
  // Lines are joined without a separator, so one instruction may run over several lines.
  std::string line;
  int c;
  while ((c = std::fgetc(file)) != EOF) {
    if (c == '\n') {
      out += TrimEnd(line);
      line.clear();
    } else {
      line += (char)c;
    }
  }
  out += TrimEnd(line);
  std::fclose(file);
  return true;
}

void SIM_Script::RunScript(const std::string& text, float scale) {
  if (text.empty()) return;
  const float outerScale = m_scale;
  // A script started from inside a command (a hook that runs its own script) must not change the
  // weight of the instructions that follow in the outer script.
  auto finish = [&]() { m_scale = m_depth > 0 ? outerScale : 1.0f; };
  m_scale = scale;

  std::string script;
  std::string scriptName;
  if (text.find(".txt") != std::string::npos) {
    if (!ReadScriptFile(text, script, scriptName)) {
      finish();
      return;
    }
  } else {
    script = text;
    scriptName = "script \"" + (text.size() > 60 ? text.substr(0, 60) + "..." : text) + "\"";
  }

  if (script.size() >= MAX_SCRIPT_LENGTH) {
    std::string what = text.size() > 60 ? text.substr(0, 60) + "..." : text;
    GErrorOnce("script too long:" + what,
               GFormat("Script of %zu characters refused (the limit is %zu): %s", script.size(),
                       MAX_SCRIPT_LENGTH - 1, what.c_str())
                   .c_str(),
               __FILE__, __LINE__);
    finish();
    return;
  }

  std::vector<std::string> instructions;
  CSV csv;
  csv.SetPreserveQuotes(true);
  csv.Initialise(script.c_str(), ';');
  while (!csv.Finished()) {
    std::string piece = TrimStart(csv.GetNextString());
    if (!piece.empty()) instructions.push_back(piece);
  }

  // Whatever an instruction reports, however deep in the game, names the script and the
  // instruction; a script run from inside a command names the outer one too.
  const std::string outerName = m_scriptName;
  m_scriptName = scriptName;
  ++m_depth;
  for (size_t i = 0; i < instructions.size(); ++i) {
    GDataPlace place(GFormat("%s, instruction %zu: %s", scriptName.c_str(), i + 1, TrimEnd(instructions[i]).c_str()));
    ParseInstruction(instructions[i]);
  }
  --m_depth;
  m_scriptName = outerName;
  finish();
}

void SIM_Script::RunStoredScripts() {
  std::vector<std::string> scripts;
  scripts.swap(m_stored);
  for (const std::string& script : scripts) RunScript(script, 1.0f);
}

void SIM_Script::ParseInstruction(std::string& instruction) {
  instruction = TrimStart(instruction);
  GetDebug()->DebugOut(GFormat("ParseInstruction [%s]", instruction.c_str()).c_str());

  // Every instruction starts from empty slots: an argument it leaves out reads as empty (0), never
  // as what an earlier instruction gave.
  for (std::string& argument : m_arguments) argument.clear();

  size_t open = instruction.find('(');
  if (open == std::string::npos) {
    m_instructionName = TrimEnd(instruction);
  } else {
    m_instructionName = TrimEnd(instruction.substr(0, open));
    std::string argumentText = instruction.substr(open + 1);
    size_t close = argumentText.rfind(')');
    if (close != std::string::npos) argumentText.resize(close);

    CSV csv;
    csv.Initialise(argumentText.c_str(), ',');
    int slot = 0;
    while (!csv.Finished()) {
      std::string argument = TrimStart(csv.GetNextString());
      if (slot < MAX_ARGUMENTS) {
        m_arguments[slot++] = argument;
      } else {
        GWarnOnce("script arguments:" + m_scriptName + ":" + m_instructionName,
                  GFormat("%s: more than %d arguments; the rest are ignored", m_instructionName.c_str(),
                          MAX_ARGUMENTS)
                      .c_str(),
                  __FILE__, __LINE__);
        break;
      }
    }
  }
  Execute();
}

float SIM_Script::ReadAmount(const std::string& argument) const {
  if (!argument.empty() && argument[0] == '_') return SIM_GetGlobalVariables()->Get(argument);
  return CSV::ParseFloat(argument.c_str());
}

int SIM_Script::ReadInt(int index) const { return CSV::ParseInt(m_arguments[index].c_str()); }

void SIM_Script::Execute() {
  GetDebug()->DebugOut(GFormat("SimScript::Execute:FunctionName [%s]", m_instructionName.c_str()).c_str());

  for (const SIM_ScriptableFunction& registered : m_functions) {
    if (registered.name == m_instructionName) {
      if (registered.function) registered.function(0);
      return;
    }
  }

  const std::string& name = m_instructionName;
  const std::string* a = m_arguments;
  if (name == "ApplyEffect") {
    float amount = ReadAmount(a[1]) * m_scale;
    float degrade = ReadAmount(a[2]);
    SIM_GetVede()->ApplyEffect(a[0], amount, degrade, a[3]);
  } else if (name == "Call") {
    SIM_GetFunctionTable()->Trigger(a[0]);
  } else if (name == "SelectSocial") {
    GUI_SocialActivityChooser::ScrollToActivity(a[0].c_str());
  } else if (name == "SelectSolo") {
    GUI_SoloActivityChooser::ScrollToActivity(a[0].c_str());
  } else if (name == "PlayGenderSound") {
    const std::string& file = SIM_GetVede()->GetGender() == 0 ? a[0] : a[1];
    GUI_GetSounds()->PlaySound(("data/sounds/" + file).c_str(), false);
  } else if (name == "PlaySound") {
    GUI_GetSounds()->PlaySound(("data/sounds/" + a[0]).c_str(), false);
  } else if (name == "OverrideMusic") {
    GUI_GetSounds()->OverrideMusic(("data/sounds/" + a[0]).c_str(), ReadInt(1) != 0);
  } else if (name == "TutorialWindow") {
    GUI_TutorialWindow::Create(a[0], a[1], ReadInt(2) != 0, ReadInt(3), ReadInt(4));
  } else if (name == "Highlight") {
    GUI_TutHighlighter::SetHighlight(a[0].c_str());
  } else if (name == "HighlightRect") {
    RECT rect;
    SetRect(&rect, ReadInt(0), ReadInt(1), ReadInt(2), ReadInt(3));
    GUI_TutHighlighter::SetHighlight(rect);
  } else if (name == "AllowButton") {
    if (GUI_BaseElement* element = GUI_NamedObject::GetByName(a[0].c_str())) GUI_Tutorial::AddClickable(element);
  } else if (name == "CloseWindow") {
    if (GUI_BaseElement* element = GUI_NamedObject::GetByName(a[0].c_str())) delete element;
  } else if (name == "AddSmalltalk") {
    SIM_GetSmallTalk()->AddTempEvent(a[0], ReadInt(1));
  } else {
    // Once per name and script: the same typing error in another script is another place to fix.
    GWarnOnce("script function:" + m_scriptName + ":" + name,
              GFormat("Unknown scripted function \"%s\"", name.c_str()).c_str(), __FILE__, __LINE__);
  }
}
