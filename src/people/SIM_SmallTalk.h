#pragma once
// What NPCs chat about before getting to the point: the day's topics (pets, the weather, the
// player's money, weight and drinking, a default) rebuilt each night, and temporary topics that
// notable happenings add for a few days (a promotion, a burglary, a finished project). A message
// uses the most intense topic; once used, a topic stays the favourite for the rest of the day.
#include <list>
#include <string>

class SIM_NPC;

struct SmallTalkTopic {
  SmallTalkTopic(const std::string& key, float intensity);
  float GetEffectiveIntensity() const;  // intensity less penalty, 0..1

  std::string key;  // a section of numbered lines in strings.ini
  float intensity = 0.0f;
  float penalty = 0.0f;
};

struct SIM_SmallTalkEvent {
  std::string key;
  float elapsed = 0.0f;   // days
  float duration = 0.0f;  // days
};

class SIM_SmallTalk {
 public:
  ~SIM_SmallTalk();

  // The night's step: temporary topics age one day (those past their time go), then the day's
  // topics are rebuilt.
  void NextDay();
  void AddTempEvent(const std::string& key, int days);
  void AddTopic(const std::string& key, float intensity);
  void Clear();  // every temporary topic goes (a new game, a load, closing)

  // The chat line of an NPC's message: a line of the most intense topic.
  std::string GetString(SIM_NPC* npc);
  std::string GetSalutation(SIM_NPC* npc);
  // How the NPC addresses the player: clever, darling, moneybags or plainly by the first name.
  std::string GetRavezIrer(SIM_NPC* npc);

  const std::list<SmallTalkTopic>& GetTopics() const { return m_topics; }
  const std::list<SIM_SmallTalkEvent*>& GetTempEvents() const { return m_tempEvents; }

 private:
  std::list<SmallTalkTopic> m_topics;
  std::list<SIM_SmallTalkEvent*> m_tempEvents;  // owned
};

SIM_SmallTalk* SIM_GetSmallTalk();
