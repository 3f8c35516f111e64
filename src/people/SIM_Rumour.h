#pragma once
// What the town is saying about its films, restaurants and this week's venues. Each producer
// replaces its own kind when its facts change; guests pass rumours on as gossip (a told rumour is
// gone) and phone messages read them round-robin. The read position stays valid whatever is
// removed: it moves on to the rumour that followed the one it pointed at.
#include <list>
#include <string>

class SIM_Rumour {
 public:
  enum RUMOURTYPE { RUMOUR_MOVIE = 0, RUMOUR_RESTAURANT = 1, RUMOUR_SOCIALTYPE = 2 };

  SIM_Rumour(const std::string& text, RUMOURTYPE type, void* subject)
      : m_subject(subject), m_text(text), m_type(type) {}
  virtual ~SIM_Rumour() = default;

  // Appends a rumour; reading starts again at the first.
  static SIM_Rumour* AddRumour(const std::string& text, RUMOURTYPE type, void* subject);
  static void KillRumours(RUMOURTYPE type);
  // Round-robin over All; null when there are none.
  static SIM_Rumour* GetNextRumour();
  // A rumour told as gossip: out of the list and freed.
  static void Remove(SIM_Rumour* rumour);
  static void Open();
  static void Close();

  const std::string& GetText() const { return m_text; }
  RUMOURTYPE GetType() const { return m_type; }
  void* GetSubject() const { return m_subject; }

  static std::list<SIM_Rumour*> All;  // owned
  static std::list<SIM_Rumour*>::iterator ItCurrent;

 private:
  void* m_subject;  // not owned; a SIM_Movie, SIM_Restaurant or SIM_SocialiseType by the type
  std::string m_text;
  RUMOURTYPE m_type;
};
