#pragma once
// The weekly cheques of a successful song or screenplay. Each success starts one stream; its income
// falls a little every week and the week's cheques of all streams are paid together, announced by
// a phone message whose report lists them. The list owns the streams, in the order they began.
#include <list>
#include <string>

class SIM_RoyaltyStream {
 public:
  enum TYPE { TYPE_SONG = 0, TYPE_SCREENPLAY = 1 };

  static void Create(const std::string& guiname, float income, TYPE type);
  static void Open();   // a new game or a load: no streams
  static void Close();  // deletes every stream
  static void NextWeekAll();  // the week's payment

  SIM_RoyaltyStream(const std::string& guiname, float income, TYPE type);
  virtual ~SIM_RoyaltyStream();
  SIM_RoyaltyStream(const SIM_RoyaltyStream&) = delete;
  SIM_RoyaltyStream& operator=(const SIM_RoyaltyStream&) = delete;

  float GetIncome() const { return m_income; }
  float GetTotal() const { return m_total; }
  float GetLastCheque() const { return m_lastcheque; }
  std::string GetGUIName() const { return m_guiname; }
  TYPE GetType() const { return m_type; }
  // The savegame's view: what was paid so far.
  void SetPaid(float total, float lastcheque) {
    m_total = total;
    m_lastcheque = lastcheque;
  }

  static std::list<SIM_RoyaltyStream*> All;

 private:
  float m_income;
  float m_total = 0.0f;
  float m_lastcheque = 0.0f;
  std::string m_guiname;
  TYPE m_type;
};
