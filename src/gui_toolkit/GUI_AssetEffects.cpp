#include "GUI_AssetEffects.h"

#include <string>

#include "CSV.h"
#include "GUI_AssetEffect.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_GlobalVariable.h"

namespace {
constexpr const char* kCommand = "ApplyEffect";

// An amount as scripts write it: a number, or "_KEY" for a tuning variable.
float ReadAmount(const std::string& field) {
  size_t start = field.find_first_not_of(' ');
  if (start != std::string::npos && field[start] == '_') {
    return SIM_GetGlobalVariables()->Get(field.substr(start + 1));
  }
  return CSV::ParseFloat(field.c_str());
}
}  // namespace

GUI_AssetEffects::GUI_AssetEffects(SIM_Asset* asset) { Populate(asset); }

void GUI_AssetEffects::Populate(SIM_Asset* asset) {
  if (!asset) return;
  const std::string& script = asset->GetOwnedScript();
  if (script.empty()) return;

  CSV commands;
  commands.Initialise(script.c_str(), ';');
  // Every command is read once; the bound keeps a malformed script from looping.
  for (size_t guard = 0; !commands.Finished() && guard <= script.size(); ++guard) {
    const std::string command = commands.GetNextString();
    const size_t at = command.find(kCommand);
    if (at == std::string::npos) continue;
    // The arguments start after "ApplyEffect(" (spaces before the command are allowed).
    const size_t open = at + std::string(kCommand).size() + 1;
    if (open > command.size()) continue;
    CSV fields;
    fields.Initialise(command.c_str() + open, ',');
    std::string name = fields.GetNextString();
    float amount = ReadAmount(fields.GetNextString());

    std::string label = name;
    bool bad = false;
    if (SIM_Attribute* attribute = SIM_Attribute::GetAttribute(name)) {
      // A hidden value is told through its visible opposite, with the sign turned.
      if (attribute->IsHidden() && attribute->GetOpposite()) {
        attribute = attribute->GetOpposite();
        amount = -amount;
      }
      label = attribute->GetGUIName();
      bad = attribute->IsHighGood() ? amount < 0.0f : amount >= 0.0f;
    }
    AddChild(new GUI_AssetEffect(amount, bad, label));
  }
}

void GUI_AssetEffects::PositionChildren() {
  int k = 0;
  for (GUI_WindowBase* row : m_children) {
    row->SetPosition((float)rect.left, (float)rect.top + EFFECTICONHEIGHT * (float)k, (float)rect.left + 240.0f,
                     (float)rect.top + EFFECTICONHEIGHT * (float)(k + 1));
    ++k;
  }
  m_positioned = true;
}

void GUI_AssetEffects::Draw() {
  if (!m_positioned) PositionChildren();
  DrawChildren();
}
