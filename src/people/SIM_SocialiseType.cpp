#include "SIM_SocialiseType.h"

#include <memory>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "SIM_Boredom.h"
#include "SIM_EventQuality.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Rumour.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_SocialiseType*> SIM_SocialiseType::All;

namespace {

// Every list field is cut to this before it is parsed.
constexpr size_t kMaxSocialListField = 127;

std::string CutSocialListField(const std::string& field) {
  return field.size() > kMaxSocialListField ? field.substr(0, kMaxSocialListField) : field;
}

// Reads fields up to the list's closing "#" field; false when the line ended first.
template <typename Each>
bool ReadSocialListUntilHash(CSV& csv, Each each) {
  while (!csv.Finished()) {
    std::string field = csv.GetNextString();
    if (!field.empty() && field[0] == '#') return true;
    if (!field.empty()) each(CutSocialListField(field));
  }
  return false;
}

}  // namespace

SIM_SocialiseType::SIM_SocialiseType() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_SocialiseType::~SIM_SocialiseType() {
  All.remove(this);
  for (Interest* interest : m_interests) delete interest;
  delete m_eventQuality;
}

void SIM_SocialiseType::Open() {
  SIM_StandInLog::Record("SIM_SocialiseType::Open");
  Close();
  LoadTypes();
}

void SIM_SocialiseType::Close() {
  // What the town says about this week's venues is about these very types: it goes with them.
  if (!All.empty()) SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_SOCIALTYPE);
  while (!All.empty()) delete All.front();
}

void SIM_SocialiseType::LoadTypes(const char* file) {
  if (!file || !GFile::FileExists(file)) {
    GWarnOnce(GFormat("social_events:%s", file ? file : ""),
              GFormat("%s: no social event types (file missing); nobody can go out", file ? file : "(no file)").c_str(),
              __FILE__, __LINE__);
    return;
  }
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(file));
  if (!sheet) return;
  for (size_t row = 0; row < sheet->size(); ++row) {
    auto* type = new SIM_SocialiseType;
    if (!type->Load(sheet->at(row), sheet->Origin(row))) delete type;
  }
}

void SIM_SocialiseType::LoadTypesFromText(const std::string& text, const char* origin) {
  CSpreadsheet sheet;
  sheet.LoadFromText(text, origin);
  for (size_t row = 0; row < sheet.size(); ++row) {
    auto* type = new SIM_SocialiseType;
    if (!type->Load(sheet.at(row), sheet.Origin(row))) delete type;
  }
}

bool SIM_SocialiseType::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_processFunction = csv.GetNextString();
  SetName(csv.GetNextString());
  if (m_name.empty()) {
    GWarnRow(origin, "a social event type without a name; the row is skipped");
    return false;
  }
  SetSource(m_name);
  SetGUIName(csv.GetNextString());
  SetDescription(csv.GetNextString());
  m_organiserDescription = csv.GetNextString();
  m_seventhColumn = csv.GetNextString();
  m_unlockThreshold = csv.GetNextFloat();
  m_locked = m_unlockThreshold > 0.0f;

  std::string flags = csv.GetNextString();
  if (flags.size() >= 2) {
    CSV flagList;
    flagList.Initialise(flags, ',', CSV::FieldOrigin(origin, flags.c_str()));
    while (!flagList.Finished()) {
      std::string flag = flagList.GetNextString();
      size_t start = flag.find_first_not_of(" \t");
      flag = start == std::string::npos ? std::string() : flag.substr(start);
      if (flag == "SOCFLAG_HOMEBASED") {
        m_flags[SOCFLAG_HOMEBASED] = true;
      } else if (!flag.empty()) {
        GWarnRow(origin, "unknown flag \"" + flag + "\" of social event type " + m_name + "; ignored");
      }
    }
  }

  m_attendScript = csv.GetNextString();
  m_hostScript = csv.GetNextString();
  std::string quality = csv.GetNextString();
  if (quality == "random_generator") {
    MakeEventQualityBand();
  } else {
    ParseQuality(CutSocialListField(quality).c_str());
  }
  for (std::string& description : m_qualityDescriptions) description = csv.GetNextString();
  m_inviteText = csv.GetNextString();

  std::string hostCost = csv.GetNextString();
  if (!hostCost.empty() && !CSV::IsNumber(hostCost, true)) {
    GWarnRow(origin, "host cost \"" + hostCost + "\" of " + m_name + " is not a number; taken as 0");
  }
  m_hostCost = CSV::ParseInt(hostCost.c_str());
  std::string costPerHead = csv.GetNextString();
  if (costPerHead == "VARIABLE") {
    m_costPerHead = kVariableCost;
  } else {
    if (!costPerHead.empty() && !CSV::IsNumber(costPerHead, true)) {
      GWarnRow(origin, "cost per head \"" + costPerHead + "\" of " + m_name + " is not a number or VARIABLE; taken as 0");
    }
    m_costPerHead = CSV::ParseInt(costPerHead.c_str());
  }
  int32_t startMonth = csv.GetNextInt();
  int32_t endMonth = csv.GetNextInt();
  SetMonths(startMonth, endMonth);
  for (bool& day : m_dayFlags) day = csv.GetNextInt() != 0;
  m_minAttendees = csv.GetNextInt();
  m_maxAttendees = csv.GetNextInt();
  if (m_maxAttendees == -1) m_maxAttendees = 99;
  csv.GetNextToken();  // an unused column

  bool closed = ReadSocialListUntilHash(csv, [this, &origin](const std::string& field) {
    CSV pair;
    pair.Initialise(field, ',', CSV::FieldOrigin(origin, field.c_str()));
    std::string name = pair.GetNextString();
    float weight = pair.Finished() ? 0.0f : pair.GetNextFloat();
    if (name.empty()) return;
    AddInterest(name, weight);
  });
  if (closed) {
    closed = ReadSocialListUntilHash(csv, [this](const std::string& field) { AddModifier(field.c_str()); });
  }
  if (!closed) {
    GWarnRow(origin, "the interests or effects of " + m_name + " are not closed by a \"#\" field; read to the end of the line");
    return true;
  }
  while (!csv.Finished()) {
    std::string field = csv.GetNextString();
    if (!field.empty()) AddPreRequisite(CutSocialListField(field).c_str(), false, false);
  }
  return true;
}

void SIM_SocialiseType::AddInterest(const std::string& name, float weight) {
  auto* interest = new Interest;
  interest->name = name;
  interest->weight = weight;
  m_interests.push_back(interest);
}

void SIM_SocialiseType::SetQualityDescriptions(const std::string& low, const std::string& middle,
                                               const std::string& high) {
  m_qualityDescriptions[0] = low;
  m_qualityDescriptions[1] = middle;
  m_qualityDescriptions[2] = high;
}

void SIM_SocialiseType::MakeEventQualityBand() {
  delete m_eventQuality;
  m_eventQuality = new SIM_EventQuality(this);
}

SIM_SocialiseType* SIM_SocialiseType::GetTypeByName(const std::string& name) {
  for (SIM_SocialiseType* type : All) {
    if (type->m_name == name) return type;
  }
  GError(GFormat("Failed to find socialsie type by name \"%s\"", name.c_str()).c_str(), __FILE__, __LINE__);
  return nullptr;
}

void SIM_SocialiseType::CheckUnlocks() {
  for (SIM_SocialiseType* type : All) {
    if (type->m_unlockThreshold < UnlockPoints) type->Unlock();
  }
}

SIM_SocialiseType* SIM_SocialiseType::ChooseForNPC(SIM_NPC* npc) {
  if (!npc) {
    GAssert(false, __FILE__, __LINE__);
    GError("Nobody to choose activity for", __FILE__, __LINE__);
    return nullptr;
  }
  float bestScore = 0.0f;
  SIM_SocialiseType* best = nullptr;
  for (SIM_SocialiseType* type : All) {
    if (!type->IsAvailable() || !type->MeetsNPCPrerequisites(npc)) continue;
    float price = type->m_hostCost != 0 ? (float)type->m_hostCost : (float)type->GetEffectiveCostPerHead();
    if (price > npc->GetCash() || npc->IsBored(type)) continue;
    if (type->m_processFunction == "ROMANTIC") {
      SIM_Romance* romance = SIM_GetRomance();
      if (!romance->IsCurrentPartner(npc) || romance->GetRomanticCredit() < 0.0f) continue;
    }
    float score = npc->GetActivityAttractiveness(type);
    for (SIM_Relationship* link : npc->GetRelationships()) {
      SIM_Person* other = link->GetOther(npc);
      if (other && !other->IsBored(type)) score += other->GetActivityAttractiveness(type);
    }
    if (score > bestScore) {
      bestScore = score;
      best = type;
    }
  }
  return best;
}

SIM_SocialiseType* SIM_SocialiseType::ChooseRandom() {
  if (All.empty()) return nullptr;
  auto it = All.begin();
  std::advance(it, rand() % (int)All.size());
  return *it;
}

float SIM_SocialiseType::GetEventQuality() {
  if (m_eventQuality) return m_eventQuality->GetQuality();
  return SIM_TimeChunkType::GetEventQuality();
}

const std::string& SIM_SocialiseType::GetEventQualityDesc(float quality) const {
  if (quality < 0.33f) return m_qualityDescriptions[0];
  if (quality < 0.66f) return m_qualityDescriptions[1];
  return m_qualityDescriptions[2];
}

int32_t SIM_SocialiseType::GetEffectiveCostPerHead() const {
  return m_costPerHead == kVariableCost ? kVariableCostEstimate : m_costPerHead;
}

int32_t SIM_SocialiseType::GetHostCost() const {
  if (m_processFunction != "ROMANTIC") return m_hostCost;
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  float earnings = job ? job->GetLastEarnings() : 0.0f;
  return (int32_t)((float)m_hostCost * earnings);
}

bool SIM_SocialiseType::IsTooTired() {
  for (TypeModifier* term : m_prerequisites) {
    if (term->name == "_energy") return SIM_GetVede()->GetValue("_energy") < term->threshold;
  }
  return false;
}

void SIM_SocialiseType::ResolveEvent(SIM_NPC* npc) {
  if (!npc) return;
  if (m_processFunction == "GAME" || m_processFunction == "BOWLING") {
    float gain = SIM_GetGlobalVariables()->Get("GV_GAMESKILL_GAIN") * GRandom::RandReal(0.9f, 1.1f);
    npc->ApplyEffect(m_name, gain, 0.0f);
  }
  if (SIM_Boredom* boredom = npc->GetBoredom()) boredom->AddEffect(m_name, 1.0f);
}
