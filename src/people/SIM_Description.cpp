#include "SIM_Description.h"

#include <algorithm>

#include "GTranslation.h"
#include "SIM_Alcohol.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_Dirt.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Health.h"
#include "SIM_JobBase.h"
#include "SIM_NamedValue.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {
constexpr float kUsedWordAdjuster = -0.2f;
constexpr float kAdjusterFade = 0.6f;

float DescClamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }

void FreeCandidates(std::list<SIM_Description::Candidate*>& candidates) {
  for (SIM_Description::Candidate* candidate : candidates) delete candidate;
  candidates.clear();
}

// The best candidate by `value` (a strictly higher value replaces the running best, so the earliest
// wins ties); null when none beats `floor`.
template <typename Value>
SIM_Description::Candidate* BestCandidate(const std::list<SIM_Description::Candidate*>& candidates, float floor,
                                 const SIM_Description::Candidate* skip, Value value) {
  SIM_Description::Candidate* best = nullptr;
  float bestValue = floor;
  for (SIM_Description::Candidate* candidate : candidates) {
    if (candidate == skip) continue;
    const float v = value(candidate);
    if (v > bestValue) {
      bestValue = v;
      best = candidate;
    }
  }
  return best;
}
}  // namespace

SIM_Description* SIM_GetDescription() {
  static SIM_Description* description = new SIM_Description();
  return description;
}

SIM_Description::~SIM_Description() {
  FreeCandidates(m_adjectiveCandidates);
  FreeCandidates(m_nounCandidates);
}

void SIM_Description::Initialise() {
  FreeCandidates(m_adjectiveCandidates);
  FreeCandidates(m_nounCandidates);
  m_adjusters.clear();
  m_description.clear();
  Reset();
}

void SIM_Description::Reset() {
  m_adjective1.clear();
  m_adjective2.clear();
  m_noun.clear();
}

float SIM_Description::GetAdjuster(const std::string& word) const {
  for (const Adjuster& adjuster : m_adjusters) {
    if (adjuster.word == word) return adjuster.value;
  }
  return 0.0f;
}

void SIM_Description::SetAdjuster(const std::string& word, float value) {
  for (Adjuster& adjuster : m_adjusters) {
    if (adjuster.word == word) {
      adjuster.value = value;
      return;
    }
  }
  m_adjusters.push_back({word, value});
}

void SIM_Description::DegradeAdjusters() {
  for (Adjuster& adjuster : m_adjusters) adjuster.value *= kAdjusterFade;
}

bool SIM_Description::NeedsAN(const std::string& word) {
  if (word == "Honest") return true;
  return !word.empty() && std::string("AEIOU").find(word[0]) != std::string::npos;
}

void SIM_Description::AddAdjectiveCandidate(const std::string& word, float weight) {
  const float total = weight + GetAdjuster(word);
  for (Candidate* candidate : m_adjectiveCandidates) {
    if (candidate->word == word) {
      if (weight > candidate->score) candidate->score = total;
      return;
    }
  }
  m_adjectiveCandidates.push_back(new Candidate{word, total});
}

void SIM_Description::AddNounCandidate(const std::string& word, float weight) {
  if (word == "NULL") return;
  for (Candidate* candidate : m_nounCandidates) {
    if (candidate->word == word) {
      candidate->score = DescClamp01(candidate->score + weight);
      return;
    }
  }
  m_nounCandidates.push_back(new Candidate{word, weight});
}

void SIM_Description::ClearAdjectives() { FreeCandidates(m_adjectiveCandidates); }

namespace {
void AddAttributeWords(SIM_Description* description, bool feelingsOnly) {
  for (SIM_Attribute* attribute : SIM_Attribute::All) {
    if (feelingsOnly && !attribute->IsFeeling()) continue;
    const float value = attribute->GetValue();
    if (value > 0.5f) {
      if (!attribute->GetHighDesc().empty()) {
        description->AddAdjectiveCandidate(GTranslation::GetString(attribute->GetHighDesc()), value);
      }
    } else if (!attribute->GetLowDesc().empty()) {
      description->AddAdjectiveCandidate(GTranslation::GetString(attribute->GetLowDesc()), 1.0f - value);
    }
  }
  const float dirt = SIM_Dirt::GetDirtValue()->GetValue();
  if (dirt > 0.5f) description->AddAdjectiveCandidate(GTranslation::GetString("DESC_GRUBBY"), dirt - 0.5f);
}
}  // namespace

void SIM_Description::PopulateFeelingCandidates() {
  ClearAdjectives();
  AddAttributeWords(this, true);
}

void SIM_Description::PopulateCandidates() {
  ClearAdjectives();
  AddAttributeWords(this, false);

  const float cash = SIM_GetFinances()->GetCash();
  if (cash > 1000.0f) AddAdjectiveCandidate(GTranslation::GetString("DESC_WEALTHY"), DescClamp01((cash - 1000.0f) / 1000.0f));
  if (cash < 5.0f) AddAdjectiveCandidate(GTranslation::GetString("DESC_POOR"), DescClamp01((5.0f - cash) / 5.0f));

  SIM_Vede* vede = SIM_GetVede();
  const int accomplishment = vede->GetAccomplishment();
  if (accomplishment > 7) {
    AddAdjectiveCandidate(GTranslation::GetString("DESC_ACCOMPLISHED"), DescClamp01((float)accomplishment / 14.0f));
  }
  if (SIM_NamedValueList::Globals.IsTrue("alcoholic")) {
    AddAdjectiveCandidate(GTranslation::GetString("DESC_ALCOHOLIC"), HOOK_GetAlcohol()->GetAddictionStrength());
  }
  const int friends = vede->CountFriendships();
  if (friends > 5) {
    AddAdjectiveCandidate(GTranslation::GetString("DESC_POPULAR"), 0.2f * (float)(friends - 5));
  } else if (friends < 4) {
    AddAdjectiveCandidate(GTranslation::GetString("DESC_RECLUSIVE"), 1.0f - 0.3f * (float)friends);
  }
  const int owned = SIM_Asset::CountOwned();
  if (owned > 9) {
    AddAdjectiveCandidate(GTranslation::GetString("DESC_MATERIALISTIC"), DescClamp01(0.5f + 0.2f * (float)(owned - 10)));
  }
}

void SIM_Description::SelectAdjectives() {
  if (m_adjectiveCandidates.empty()) return;
  m_adjective1.clear();
  m_adjective2.clear();
  auto score = [](const Candidate* c) { return c->score; };
  const Candidate* first = BestCandidate(m_adjectiveCandidates, -1.0f, nullptr, score);
  if (!first) return;
  m_adjective1 = first->word;
  if (const Candidate* second = BestCandidate(m_adjectiveCandidates, -1.0f, first, score)) m_adjective2 = second->word;
}

void SIM_Description::SelectNoun() {
  const float degrade = SIM_GetGlobalVariables()->Get("DESCRIPTION_NOUN_DEGRADE");
  for (Candidate* candidate : m_nounCandidates) candidate->score *= degrade;

  SIM_Vede* vede = SIM_GetVede();
  SIM_JobBase* job = vede->GetJob();
  const std::string jobNoun = job ? job->GetDesc(vede->GetGender()) : std::string();
  if (!jobNoun.empty()) {
    for (auto it = m_nounCandidates.begin(); it != m_nounCandidates.end(); ++it) {
      if ((*it)->word == jobNoun) {
        delete *it;
        m_nounCandidates.erase(it);
        break;
      }
    }
    AddNounCandidate(jobNoun, 0.5f);
  }

  const Candidate* best = BestCandidate(m_nounCandidates, 0.0f, nullptr, [this, &jobNoun](const Candidate* c) {
    return c->word == jobNoun ? c->score : c->score + GetAdjuster(c->word);
  });
  m_noun = best ? best->word : jobNoun;
}

void SIM_Description::Compose() {
  SIM_StandInLog::Record("SIM_Description::Compose");
  Reset();
  PopulateCandidates();
  SelectAdjectives();
  SelectNoun();
  if (!SIM_GetHealth()->IsHealthy()) {
    m_description = GTranslation::GetString("AVATAR_DESCRIPTION_ILL");
    return;
  }
  SetAdjuster(m_noun, kUsedWordAdjuster);
  SetAdjuster(m_adjective1, kUsedWordAdjuster);
  SetAdjuster(m_adjective2, kUsedWordAdjuster);
  std::string text = GTranslation::GetString(m_adjective2.empty() ? "AVATAR_DESCRIPTION_SINGLE" : "AVATAR_DESCRIPTION");
  GTranslation::ReplaceToken(text, "<NAME>", SIM_GetVede()->GetForeName());
  GTranslation::ReplaceToken(text, "<ADJECTIVE1>", m_adjective1);
  GTranslation::ReplaceToken(text, "<ADJECTIVE2>", m_adjective2);
  GTranslation::ReplaceToken(text, "<NOUN>", m_noun);
  GTranslation::ReplaceToken(text, "<PREFIX>",
                             GTranslation::GetString(NeedsAN(m_adjective1) ? "AVATAR_DESCRIPTION_AN" : "AVATAR_DESCRIPTION_A"));
  m_description = text;
  DegradeAdjusters();
}
