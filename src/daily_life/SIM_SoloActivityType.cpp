#include "SIM_SoloActivityType.h"

#include <algorithm>
#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "Game.h"
#include "SIM_Finances.h"
#include "SIM_Dirt.h"
#include "SIM_FriendGenerator.h"
#include "SIM_FunctionTable.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SoloActivityInstance.h"
#include "SIM_StandInLog.h"
#include "SIM_TVInstance.h"
#include "SIM_Vede.h"

std::list<SIM_SoloActivityType*> SIM_SoloActivityType::All;

namespace {

// Every modifier and prerequisite field is cut to this before it is parsed.
constexpr size_t kMaxSoloListField = 127;

std::string CutSoloListField(const std::string& field) {
  return field.size() > kMaxSoloListField ? field.substr(0, kMaxSoloListField) : field;
}

// A script calling a hook nobody registered would only fail on the evening it runs; the row says
// so when it is read.
void WarnUnknownHooks(const std::string& script, const std::string& origin, const std::string& name) {
  SIM_GetDirt();  // the home's dirt registers "cleanhome" when it is first made
  const SIM_FunctionTable* hooks = SIM_GetFunctionTable();
  for (size_t at = script.find("Call("); at != std::string::npos; at = script.find("Call(", at + 5)) {
    const size_t end = script.find(')', at);
    if (end == std::string::npos) break;
    std::string key = script.substr(at + 5, end - at - 5);
    const size_t first = key.find_first_not_of(" \t");
    const size_t last = key.find_last_not_of(" \t");
    key = first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
    if (!hooks->HasHook(key)) GWarnRow(origin, "solo activity " + name + " calls the unknown hook \"" + key + "\"");
  }
}

}  // namespace

SIM_SoloActivityType::SIM_SoloActivityType() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_SoloActivityType::~SIM_SoloActivityType() { All.remove(this); }

void SIM_SoloActivityType::Open() {
  SIM_StandInLog::Record("SIM_SoloActivityType::Open");
  Close();
  LoadTypes();
}

void SIM_SoloActivityType::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_SoloActivityType::LoadTypes(const char* file) {
  if (!file || !GFile::FileExists(file)) {
    GWarnOnce(GFormat("solo_activities:%s", file ? file : ""),
              GFormat("%s: no solo activities (file missing); the player has nothing to do alone", file ? file : "(no file)").c_str(),
              __FILE__, __LINE__);
    return;
  }
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(file));
  if (!sheet) return;
  for (size_t row = 0; row < sheet->size(); ++row) {
    auto* type = new SIM_SoloActivityType;
    if (!type->Load(sheet->at(row), sheet->Origin(row))) delete type;
  }
}

void SIM_SoloActivityType::LoadTypesFromText(const std::string& text, const char* origin) {
  CSpreadsheet sheet;
  sheet.LoadFromText(text, origin);
  for (size_t row = 0; row < sheet.size(); ++row) {
    auto* type = new SIM_SoloActivityType;
    if (!type->Load(sheet.at(row), sheet.Origin(row))) delete type;
  }
}

bool SIM_SoloActivityType::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_instanceKind = csv.GetNextString();
  SetName(csv.GetNextString());
  if (m_name.empty()) {
    GWarnRow(origin, "a solo activity without a name; the row is skipped");
    return false;
  }
  SetSource(m_name);
  SetGUIName(csv.GetNextString());
  std::string description = csv.GetNextString();
  for (size_t at = description.find("<TOWNNAME>"); at != std::string::npos; at = description.find("<TOWNNAME>", at)) {
    const std::string town = GetGame() ? GetGame()->GetTownName() : std::string();
    description.replace(at, 10, town);
    at += town.size();
  }
  SetDescription(description);
  m_descriptionNoun = csv.GetNextString();
  m_unlockThreshold = csv.GetNextFloat();
  m_locked = m_unlockThreshold > 0.0f;
  m_script = csv.GetNextString();
  WarnUnknownHooks(m_script, origin, m_name);
  m_variableEffects = csv.GetNextInt() != 0;
  m_detailsKey = csv.GetNextString();
  if (m_detailsKey.empty()) m_detailsKey = "default";
  m_newFriendChance = csv.GetNextFloat();
  m_ignoreModifiers = csv.GetNextInt() != 0;
  const std::string cost = csv.GetNextString();
  if (!cost.empty() && !CSV::IsNumber(cost))
    GWarnRow(origin, "cost \"" + cost + "\" of solo activity " + m_name + " is not a number; taken as 0");
  m_cost = CSV::IsNumber(cost) ? CSV::ParseFloat(cost.c_str()) : 0.0f;
  const int32_t startMonth = csv.GetNextInt();
  const int32_t endMonth = csv.GetNextInt();
  SetMonths(startMonth, endMonth);
  for (bool& day : m_dayFlags) day = csv.GetNextInt() != 0;
  csv.GetNextToken();  // an unused column

  bool closed = false;
  while (!csv.Finished()) {
    const std::string field = csv.GetNextString();
    if (!field.empty() && field[0] == '#') {
      closed = true;
      break;
    }
    if (!field.empty()) AddModifier(CutSoloListField(field).c_str());
  }
  if (!closed) {
    GWarnRow(origin, "the effects of solo activity " + m_name + " are not closed by a \"#\" field; read to the end of the line");
    return true;
  }
  while (!csv.Finished()) {
    const std::string field = csv.GetNextString();
    if (!field.empty()) AddPreRequisite(CutSoloListField(field).c_str(), false, false);
  }
  return true;
}

SIM_SoloActivityType* SIM_SoloActivityType::GetByName(const char* name) {
  const std::string wanted = name ? name : "";
  for (SIM_SoloActivityType* type : All) {
    if (type->m_name == wanted) return type;
  }
  GErrorOnce("SIM_SoloActivityType:" + wanted, ("SIM_SoloActivityType not found: " + wanted).c_str(), __FILE__, __LINE__);
  return nullptr;
}

void SIM_SoloActivityType::CheckUnlocks() {
  for (SIM_SoloActivityType* type : All) {
    if (type->m_unlockThreshold < UnlockPoints) type->Unlock();
  }
}

void SIM_SoloActivityType::ProcessChunk() {
  if (m_instanceKind == "TVINSTANCE") {
    SIM_TVInstance::Create(this);
  } else {
    SIM_SoloActivityInstance::Create(this);
  }
}

bool SIM_SoloActivityType::IsAffordable() const {
  return m_cost <= 0.0f || m_cost <= SIM_GetFinances()->GetCash();
}

float SIM_SoloActivityType::MeetingChance(float chance, int friendships, float extravert) {
  if (friendships > 6 || chance <= 0.0f) return 0.0f;
  // Somebody with hardly any friends goes out of the way to meet people.
  if (friendships <= 1) chance = std::clamp(chance * 2.0f, 0.0f, 1.0f);
  return chance * (1.0f + 0.5f * extravert - 0.25f);
}

void SIM_SoloActivityType::CheckForNewFriends() {
  SIM_Vede* vede = SIM_GetVede();
  const int friendships = vede->CountFriendships();
  if (friendships > 6 || m_newFriendChance <= 0.0f) return;
  if (!GRandom::IsChance(MeetingChance(m_newFriendChance, friendships, vede->GetValue("extravert")))) return;
  if (vede->GetValue("happiness") > SIM_GetGlobalVariables()->Get("NEWFRIEND_MINHAPPINESS") || friendships == 0)
    SIM_GetFriendGenerator()->MeetNewFriend();
}
