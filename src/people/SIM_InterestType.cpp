#include "SIM_InterestType.h"

#include <cstdlib>

#include "CSV.h"
#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GRandom.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_TableNumber.h"

std::list<SIM_InterestType*> SIM_InterestType::All;

namespace {
void ReleaseInterestsAtExit() { SIM_InterestType::Close(); }

// Trait values of a person for the interest draw: strong when the person has the type, weak else.
constexpr float kStrongTrait = 1.0f;
constexpr float kWeakTrait = 0.25f;
}  // namespace

// ---- SIM_InterestType -------------------------------------------------------------------------

SIM_InterestType::SIM_InterestType(const std::string& name, const std::string& guiName, float chemistryWorth,
                                   TYPE culture, TYPE intelligence, const std::string& category)
    : m_category(category),
      m_name(name),
      m_guiName(guiName),
      m_chemistryWorth(chemistryWorth),
      m_culture(culture),
      m_intelligence(intelligence) {
  RegisterExitCleanup(ReleaseInterestsAtExit);
  All.push_back(this);
}

SIM_InterestType::~SIM_InterestType() { All.remove(this); }

SIM_InterestType::TYPE SIM_InterestType::StrToType(const std::string& text) {
  if (text == "LOW") return LOW;
  if (text == "MEDIUM") return MEDIUM;
  if (text == "HIGH") return HIGH;
  return NONE;
}

void SIM_InterestType::Open(const char* file) {
  Close();
  CSpreadsheet table(file);
  for (size_t i = 0; i < table.size(); ++i) {
    CSV csv;
    csv.Initialise(table[i], ',', table.Origin(i));
    csv.GetNextToken();  // the row marker
    std::string name = csv.GetNextString();
    std::string guiName = csv.GetNextString();
    float worth = people::TableFloat(csv.GetNextToken(), table.Origin(i), "chemistry worth");
    std::string culture = csv.GetNextString();
    std::string intelligence = csv.GetNextString();
    std::string category = csv.GetNextString();
    if (name.empty()) {
      std::string text = GFormat("Interest row without a name in %s", table.Origin(i).c_str());
      GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
      continue;
    }
    if (category.empty()) category = "#";
    new SIM_InterestType(name, guiName, worth, StrToType(culture), StrToType(intelligence), category);
  }
  if (All.empty()) {
    std::string text = GFormat("No interest types in %s", file);
    GWarnOnce(text, text.c_str(), __FILE__, __LINE__);
  }
}

void SIM_InterestType::Close() {
  while (!All.empty()) delete All.front();
}

SIM_InterestType* SIM_InterestType::GetType(const std::string& name) {
  for (SIM_InterestType* type : All) {
    if (type->m_name == name) return type;
  }
  return nullptr;
}

// ---- SIM_Interest -----------------------------------------------------------------------------

SIM_Interest::SIM_Interest(SIM_InterestType* type) : SIM_NamedValue(type->GetName(), type->GetGUIName(), 0.0f), m_type(type) {}

SIM_Interest* SIM_Interest::Create(const std::string& name) {
  std::string current = name;
  if (current == "card games") current = "cardgames";
  if (current == "museums") current = "museum";
  SIM_InterestType* type = SIM_InterestType::GetType(current);
  if (!type) {
    GError("Interest type not found", __FILE__, __LINE__);
    return nullptr;
  }
  return new SIM_Interest(type);
}

SIM_Interest* SIM_Interest::CreateRandom() {
  if (SIM_InterestType::All.empty()) return nullptr;
  auto it = SIM_InterestType::All.begin();
  std::advance(it, std::rand() % (int)SIM_InterestType::All.size());
  return new SIM_Interest(*it);
}

// ---- SIM_InterestList -------------------------------------------------------------------------

SIM_InterestList::~SIM_InterestList() { Clear(); }

float SIM_InterestList::GetAdjuster(SIM_InterestType::TYPE level, float value) {
  const bool low = value < 0.33f;
  const bool middle = !low && value < 0.66f;
  switch (level) {
    case SIM_InterestType::LOW:
      return low ? 1.5f : (middle ? 0.5f : 0.25f);
    case SIM_InterestType::MEDIUM:
      return middle ? 1.5f : 0.5f;
    case SIM_InterestType::HIGH:
      return low ? 0.25f : (middle ? 0.5f : 1.5f);
    default:
      return 1.0f;
  }
}

void SIM_InterestList::BuildList(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  ClearProbabilities();
  const float culture = npc && npc->HasCharacterType("cultured") ? kStrongTrait : kWeakTrait;
  const float intelligence = npc && npc->HasCharacterType("intelligent") ? kStrongTrait : kWeakTrait;
  for (SIM_InterestType* type : SIM_InterestType::All) {
    float p = GetAdjuster(type->GetCultureLevel(), culture) * GetAdjuster(type->GetIntelligenceLevel(), intelligence);
    int holders = 0;
    for (const SIM_NPC* other : SIM_NPC::All) {
      if (other != npc && !other->IsHidden() && other->GetInterests().HasInterest(type)) ++holders;
    }
    if (holders > 1) p *= 0.5f;
    m_probabilities.push_back({type, p});
  }
}

SIM_InterestType* SIM_InterestList::ChooseAType() {
  float total = 0.0f;
  for (const Probability& entry : m_probabilities) total += entry.probability;
  if (total <= 0.0f) {
    GError("No interest probabilities", __FILE__, __LINE__);
    return nullptr;
  }
  const float r = GRandom::RandReal(0.0f, total);
  float sum = 0.0f;
  for (const Probability& entry : m_probabilities) {
    sum += entry.probability;
    if (sum >= r) return entry.type;
  }
  GError("Interest probability error", __FILE__, __LINE__);
  return nullptr;
}

void SIM_InterestList::FillRandomly(SIM_NPC* npc) {
  BuildList(npc);
  SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
  const int count = (int)GRandom::RandReal(gv->Get("GV_INTERESTS_MIN"), gv->Get("GV_INTERESTS_MAX"));
  // Only types with a weight can be drawn, and a type already held is drawn again: once every
  // drawable type is held the count can never be reached, so the draw stops there.
  int chosen = 0;
  while (chosen < count) {
    bool anyLeft = false;
    for (const Probability& entry : m_probabilities) {
      if (entry.probability > 0.0f && !HasInterest(entry.type)) {
        anyLeft = true;
        break;
      }
    }
    if (!anyLeft) break;
    SIM_InterestType* type = ChooseAType();
    if (!type) break;
    if (HasInterest(type)) continue;
    Add(new SIM_Interest(type));
    if (type->GetCategory() != "#" && !HasInterest(type->GetCategory())) {
      if (SIM_InterestType* category = SIM_InterestType::GetType(type->GetCategory())) Add(new SIM_Interest(category));
    }
    ++chosen;
  }
}

bool SIM_InterestList::HasInterest(const SIM_InterestType* type) const {
  for (const SIM_Interest* interest : m_interests) {
    if (interest->GetType() == type) return true;
  }
  return false;
}

bool SIM_InterestList::HasInterest(const std::string& name) const {
  for (const SIM_Interest* interest : m_interests) {
    if (interest->GetName() == name) return true;
  }
  return false;
}

void SIM_InterestList::UnhideNextInterest() {
  m_someHidden = false;
  bool unhidden = false;
  for (SIM_Interest* interest : m_interests) {
    if (interest->IsVisible()) continue;
    if (!unhidden) {
      interest->SetVisible(true);
      unhidden = true;
    } else {
      m_someHidden = true;
      break;
    }
  }
}

void SIM_InterestList::UnhideAllInterests() {
  for (SIM_Interest* interest : m_interests) interest->SetVisible(true);
  m_someHidden = false;
}

void SIM_InterestList::Clear() {
  for (SIM_Interest* interest : m_interests) delete interest;
  m_interests.clear();
}
