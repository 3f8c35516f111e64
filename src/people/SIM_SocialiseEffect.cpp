#include "SIM_SocialiseEffect.h"

#include <algorithm>
#include <cstdlib>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "SIM_NPC.h"
#include "SIM_OutingInstances.h"
#include "SIM_Rumour.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

namespace {

bool HasOpinion(const std::vector<OPINION_COMMENT_TYPES>& list, OPINION_COMMENT_TYPES kind) {
  return std::find(list.begin(), list.end(), kind) != list.end();
}

void RemoveRandomOpinion(std::vector<OPINION_COMMENT_TYPES>& list) {
  if (list.empty()) return;
  list.erase(list.begin() + std::rand() % (int)list.size());
}

// Nobody gossips about the restaurant they are eating in, or the film they are watching.
bool IsRestaurantHere(SIM_SocialiseInstance* instance, const void* subject) {
  auto* restaurant = dynamic_cast<SIM_RestaurantInstance*>(instance);
  return restaurant && restaurant->GetChosen() == subject;
}

bool IsFilmHere(SIM_SocialiseInstance* instance, const void* subject) {
  auto* movie = dynamic_cast<SIM_MovieInstance*>(instance);
  return movie && movie->GetChosen() == subject;
}

std::string FirstNameOf(const SIM_Person* person) { return person ? person->GetForeName() : std::string(); }

}  // namespace

SIM_SocialiseEffect::SIM_SocialiseEffect(SIM_Person* person, SIM_SocialiseInstance* instance, float scalar)
    : m_person(person), m_instance(instance), m_scalar(scalar) {
  GAssert(instance != nullptr, __FILE__, __LINE__);
  if (instance) m_type = instance->GetType();
}

void SIM_SocialiseEffect::SetFactor(SOCIAL_EFFECT_CAUSE cause, float value) {
  if (cause >= 0 && cause < SOCIAL_EFFECT_COUNT) m_factors[cause] = value;
}

float SIM_SocialiseEffect::GetFactor(SOCIAL_EFFECT_CAUSE cause) const {
  return cause >= 0 && cause < SOCIAL_EFFECT_COUNT ? m_factors[cause] : 0.0f;
}

void SIM_SocialiseEffect::SetEnjoyment(float value) { m_enjoyment = std::clamp(value, 0.0f, 1.0f); }

void SIM_SocialiseEffect::AffectVede() {
  if (auto* npc = dynamic_cast<SIM_NPC*>(m_person)) npc->InfluenceVede(m_scalar);
}

void SIM_SocialiseEffect::Calculate() { ComposePostMortemComment(); }

std::string SIM_SocialiseEffect::GetEventHappinessString() const {
  float value = std::clamp(0.5f + 2.0f * (m_enjoyment - 0.5f), 0.0f, 1.0f);
  std::string text = GTranslation::GetValueName(value, "SOCIALISE_EVENTQUALITY");
  GTranslation::ReplaceToken(text, "<NAME>", m_person ? m_person->GetFullName() : std::string());
  return text;
}

void SIM_SocialiseEffect::ComposePostMortemComment() {
  m_gossip.clear();
  m_buffer.clear();
  if (m_person && m_person->IsIntroduced()) {
    m_buffer = GTranslation::GetString("POSTMORTEM_COMMENT_MASTER");
  } else {
    m_buffer = GTranslation::GetString("POSTMORTEM_COMMENT_FIRSTMEETING");
    GTranslation::ReplaceToken(m_buffer, "<NPCINTRO>", std::string(GTranslation::GetRandomString("POSTMORTEM_NPC_INTRO")));
    GTranslation::ReplaceToken(m_buffer, "<NPCNAME>", FirstNameOf(m_person));
  }
  const float attraction = m_factors[SOCIAL_EFFECT_ACTIVITYATTRACTIVENESS];
  GTranslation::ReplaceToken(m_buffer, "<EVENT_CHOICE_OPINION>",
                             std::string(GTranslation::GetValueName(attraction, "post_mortem_activitymatch")));
  bool conflict = (m_enjoyment >= 0.5f && attraction < 0.5f) || (m_enjoyment < 0.5f && attraction >= 0.5f);
  GTranslation::ReplaceToken(m_buffer, "<CLAUSE>",
                             GTranslation::GetString(conflict ? "POSTMORTEM_CLAUSE_CONFLICT" : "POSTMORTEM_CLAUSE_NOCONFLICT"));
  GTranslation::ReplaceToken(m_buffer, "<SUMMARY OF EVENING>",
                             std::string(GTranslation::GetValueName(m_enjoyment, "post_mortem_overall")));
  BuildViableCommentList();
  SelectComments();
  // The guest's words are quoted (the strings file cannot keep a leading quote); the opening
  // sentence and the comments after it are kept apart by one blank, and the quote closes straight
  // after the last word.
  if (m_buffer.empty() || m_buffer[0] != '\'') m_buffer.insert(0, "'");
  if (m_buffer.back() != ' ') m_buffer += ' ';
  TranslateComments();
  while (!m_buffer.empty() && m_buffer.back() == ' ') m_buffer.pop_back();
  m_buffer += "'";
  m_comment = m_buffer;
}

void SIM_SocialiseEffect::BuildViableCommentList() {
  m_rumours.clear();
  if (m_host && m_host == SIM_GetVede()) {
    (m_enjoyment >= 0.5f ? m_positive : m_negative).push_back(OPINION_INVITATION);
  }
  if (m_attendance > 1) {
    (m_factors[SOCIAL_EFFECT_BESTCHEMISTRY] >= 0.5f ? m_positive : m_negative).push_back(OPINION_CONVERSATION);
  }
  auto* npc = dynamic_cast<SIM_NPC*>(m_person);
  if (npc && npc->HasCharacterType("introvert") && m_attendance > 3) m_negative.push_back(OPINION_INTROVERT);
  if (m_factors[SOCIAL_EFFECT_MOOD] < 0.33f) {
    m_negative.push_back(OPINION_MOOD);
  } else if (m_factors[SOCIAL_EFFECT_MOOD] > 0.66f) {
    m_positive.push_back(OPINION_MOOD);
  }
  if (m_attendance > 1 && m_instance) {
    if (m_instance->GetFirstPersonality("irritating", m_person)) {
      m_negative.push_back(OPINION_PERSONALITY);
    } else if (m_instance->GetFirstPersonality("charismatic", m_person)) {
      m_positive.push_back(OPINION_PERSONALITY);
    }
  }
  if (ChooseRumour()) m_rumours.push_back(OPINION_RUMOUR);
}

void SIM_SocialiseEffect::SelectComments() {
  int positives = (int)m_positive.size();
  int negatives = (int)m_negative.size();
  int total = positives + negatives;
  if (m_enjoyment >= 0.5f) {
    for (int i = 0; i < negatives - positives && total > 1; ++i, --total) RemoveRandomOpinion(m_negative);
  } else {
    for (int i = 0; i < positives - negatives && total > 1; ++i, --total) RemoveRandomOpinion(m_positive);
  }
  const int target = 1 + std::rand() % 2;
  while (total > target) {
    bool fromNegative = m_enjoyment >= 0.5f ? !m_negative.empty() : m_positive.empty();
    RemoveRandomOpinion(fromNegative ? m_negative : m_positive);
    --total;
  }
  // Gossip only between few other words, and then half the time.
  if (total >= 3 || GRandom::IsChance(0.5f)) m_rumours.clear();
  m_chosen.clear();
  for (int kind = OPINION_INVITATION; kind <= OPINION_RUMOUR; ++kind) {
    auto k = (OPINION_COMMENT_TYPES)kind;
    if (HasOpinion(m_positive, k) || HasOpinion(m_negative, k) || HasOpinion(m_rumours, k)) m_chosen.push_back(k);
  }
}

void SIM_SocialiseEffect::TranslateComments() {
  for (OPINION_COMMENT_TYPES kind : m_chosen) {
    std::string part;
    switch (kind) {
      case OPINION_INVITATION:
        part = GTranslation::GetValueName(m_enjoyment, "post_mortem_invite_comment");
        break;
      case OPINION_INTROVERT:
        part = GTranslation::GetString("POSTMORTEM_COMMENT_INTROVERT");
        break;
      case OPINION_CONVERSATION:
        part = ConversationComment();
        break;
      case OPINION_PERSONALITY:
        part = PersonalityComment();
        break;
      case OPINION_MOOD:
        part = GTranslation::GetValueName(m_factors[SOCIAL_EFFECT_MOOD], "post_mortem_mood");
        break;
      case OPINION_RUMOUR:
        if (m_rumour) {
          m_gossip = "'" + m_rumour->GetText() + ".'";
          SIM_Rumour::Remove(m_rumour);
          m_rumour = nullptr;
        }
        continue;
    }
    m_buffer += part;
    m_buffer += !m_buffer.empty() && m_buffer.back() == '?' ? " " : ". ";
  }
}

std::string SIM_SocialiseEffect::ConversationComment() const {
  if (m_attendance <= 1) return std::string();
  std::string text;
  if (m_factors[SOCIAL_EFFECT_BESTCHEMISTRY] > 0.5f) {
    text = GTranslation::GetRandomString("POSTMORTEM_COMMONINTEREST");
    GTranslation::ReplaceToken(text, "<PERSON>", FirstNameOf(m_bestChemistry));
    GTranslation::ReplaceToken(text, "<INTEREST>", SIM_Person::GetBestInterestName(m_bestChemistry, m_person));
  } else {
    text = GTranslation::GetRandomString("POSTMORTEM_NOCHEMISTRY");
  }
  bool male = m_person && m_person->GetGender() == SIM_MALE;
  GTranslation::ReplaceToken(text, "<GENDER>", GTranslation::GetString(male ? "POSTMORTEM_HE" : "POSTMORTEM_SHE"));
  return text;
}

std::string SIM_SocialiseEffect::PersonalityComment() const {
  if (!m_instance) return std::string();
  static const char* const kKinds[2][2] = {{"irritating", "POSTMORTEM_IRRITATING_PERSONALITY"},
                                           {"charismatic", "POSTMORTEM_CHARISMATIC_PERSONALITY"}};
  for (const auto& kind : kKinds) {
    if (SIM_Person* other = m_instance->GetFirstPersonality(kind[0], m_person)) {
      std::string text = GTranslation::GetRandomString(kind[1]);
      GTranslation::ReplaceToken(text, "<NAME>", other->GetForeName());
      return text;
    }
  }
  return std::string();
}

bool SIM_SocialiseEffect::ChooseRumour() {
  m_rumour = nullptr;
  if (!m_person || !m_instance) return false;
  SIM_SocialiseType* type = m_instance->GetType();
  std::vector<SIM_Rumour*> candidates;
  for (SIM_Rumour* rumour : SIM_Rumour::All) {
    switch (rumour->GetType()) {
      case SIM_Rumour::RUMOUR_RESTAURANT:
        if (!m_person->GetInterests().HasInterest(std::string("food"))) break;
        if (type && type->GetProcessFunction() == "RESTAURANT" && IsRestaurantHere(m_instance, rumour->GetSubject())) break;
        candidates.push_back(rumour);
        break;
      case SIM_Rumour::RUMOUR_SOCIALTYPE: {
        auto* subject = static_cast<SIM_SocialiseType*>(rumour->GetSubject());
        GAssert(subject != nullptr, __FILE__, __LINE__);
        if (subject && m_person->GetActivityAttractiveness(subject) > 0.0f) candidates.push_back(rumour);
        break;
      }
      case SIM_Rumour::RUMOUR_MOVIE: {
        GAssert(rumour->GetSubject() != nullptr, __FILE__, __LINE__);
        if (type && type->GetName() == "cinema" && IsFilmHere(m_instance, rumour->GetSubject())) break;
        SIM_SocialiseType* cinema = nullptr;
        for (SIM_SocialiseType* t : SIM_SocialiseType::All) {
          if (t->GetName() == "cinema") {
            cinema = t;
            break;
          }
        }
        if (cinema && m_person->GetActivityAttractiveness(cinema) > 0.0f) candidates.push_back(rumour);
        break;
      }
    }
  }
  if (candidates.empty()) return false;
  m_rumour = candidates[std::rand() % (int)candidates.size()];
  return true;
}
