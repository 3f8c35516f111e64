#include "SIM_SmallTalk.h"

#include <algorithm>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

SIM_SmallTalk* SIM_GetSmallTalk() {
  static SIM_SmallTalk smallTalk;
  return &smallTalk;
}

SmallTalkTopic::SmallTalkTopic(const std::string& topicKey, float topicIntensity)
    : key(topicKey), intensity(std::clamp(topicIntensity, 0.0f, 1.0f)) {}

float SmallTalkTopic::GetEffectiveIntensity() const { return std::clamp(intensity - penalty, 0.0f, 1.0f); }

SIM_SmallTalk::~SIM_SmallTalk() { Clear(); }

void SIM_SmallTalk::Clear() {
  for (SIM_SmallTalkEvent* event : m_tempEvents) delete event;
  m_tempEvents.clear();
}

void SIM_SmallTalk::AddTempEvent(const std::string& key, int days) {
  m_tempEvents.push_back(new SIM_SmallTalkEvent{key, 0.0f, (float)days});
}

void SIM_SmallTalk::AddTopic(const std::string& key, float intensity) { m_topics.emplace_back(key, intensity); }

void SIM_SmallTalk::NextDay() {
  SIM_StandInLog::Record("SIM_SmallTalk::NextDay");
  // Every temporary topic ages exactly one day a night, then those whose time is up go.
  for (auto it = m_tempEvents.begin(); it != m_tempEvents.end();) {
    SIM_SmallTalkEvent* event = *it;
    event->elapsed += 1.0f;
    if (event->elapsed >= event->duration) {
      delete event;
      it = m_tempEvents.erase(it);
    } else {
      ++it;
    }
  }

  m_topics.clear();
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  if (globals.IsTrue("dog")) AddTopic("SMALLTALK_DOG", 0.5f);
  if (globals.IsTrue("cat")) AddTopic("SMALLTALK_CAT", 0.5f);
  if (globals.IsTrue("guitar")) AddTopic("SMALLTALK_GUITAR", 0.5f);

  static const char* const kWeatherTopics[4] = {"SMALLTALK_WEATHER_SUN", "SMALLTALK_WEATHER_CLOUD",
                                                "SMALLTALK_WEATHER_RAIN", "SMALLTALK_WEATHER_SNOW"};
  SIM_Weather* weather = SIM_GetWeather();
  const int type = weather->GetType();
  if (type >= 0 && type < 4) {
    AddTopic(kWeatherTopics[type], weather->GetIntensity(type));
  } else {
    GWarnOnce("smalltalk-weather", GFormat("Unknown weather type %d: no weather to talk about", type).c_str(),
              __FILE__, __LINE__);
  }

  SIM_Vede* vede = SIM_GetVede();
  const float cash = SIM_GetFinances()->GetCash();
  if (cash > 1000.0f) AddTopic("SMALLTALK_WEALTHY", cash / 5000.0f);
  const float weight = vede->GetValue("weight");
  if (weight > 0.7f) {
    AddTopic("SMALLTALK_FAT", (weight - 0.7f) / 0.3f);
  } else if (weight < 0.3f) {
    AddTopic("SMALLTALK_SLIM", 1.0f - weight / 0.3f);
  }
  const float alcohol = vede->GetValue("alcohol");
  if (alcohol > 0.7f) AddTopic("SMALLTALK_DRUNK", (alcohol - 0.7f) / 0.3f);
  AddTopic("SMALLTALK_DEFAULT", 0.1f);

  for (const SIM_SmallTalkEvent* event : m_tempEvents) {
    GAssert(!event->key.empty(), __FILE__, __LINE__);
    if (!event->key.empty()) AddTopic(event->key, 0.5f);
  }
}

std::string SIM_SmallTalk::GetString(SIM_NPC* npc) {
  SmallTalkTopic* best = nullptr;
  float bestIntensity = -100.0f;
  for (SmallTalkTopic& topic : m_topics) {
    if (topic.GetEffectiveIntensity() > bestIntensity) {
      bestIntensity = topic.GetEffectiveIntensity();
      best = &topic;
    }
  }
  if (!best) return std::string();
  std::string text = GTranslation::GetRandomString(best->key.c_str());
  GTranslation::ReplaceToken(text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  GTranslation::ReplaceToken(text, "<SALUTATION>", GetSalutation(npc));
  // Lowered, not raised: a topic once used stays the favourite for the rest of the day.
  best->penalty -= 0.5f;
  return text;
}

std::string SIM_SmallTalk::GetSalutation(SIM_NPC* npc) {
  const bool cultured = npc && npc->HasCharacterType("cultured");
  return GTranslation::GetRandomString(cultured ? "SMALLTALK_SALUTATION_UPPER" : "SMALLTALK_SALUTATION_LOWER");
}

std::string SIM_SmallTalk::GetRavezIrer(SIM_NPC* npc) {
  SIM_Vede* vede = SIM_GetVede();
  const float iq = vede->GetValue("iq");
  if (iq > 0.7f && GRandom::IsChance(iq)) return GTranslation::GetRandomString("VEDE_NAME_CLEVER");
  if (npc && SIM_GetRomance()->IsCurrentPartner(npc)) {
    const SIM_Relationship* link = npc->GetRelationship(vede);
    if (link && GRandom::IsChance(link->GetStrength())) {
      return GTranslation::GetRandomString(vede->GetGender() != SIM_MALE ? "VEDE_NAME_PARTNER_FEMALE"
                                                                          : "VEDE_NAME_PARTNER_MALE");
    }
  }
  const float cash = SIM_GetFinances()->GetCash();
  if (cash > 500.0f && GRandom::IsChance(cash / 2000.0f)) return GTranslation::GetRandomString("VEDE_NAME_WEALTHY");
  return vede->GetForeName();
}
