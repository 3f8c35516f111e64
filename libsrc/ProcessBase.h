#pragma once
// Objects processed once a simulated day, kept in one list in construction order.
#include <list>

class ProcessBase {
 public:
  ProcessBase();
  virtual ~ProcessBase();
  virtual void Process() {}
  void Delete() { m_alive = false; }
  bool Alive() const { return m_alive; }
  static void ProcessAll();
  static void Cleanup();
  static bool CleanupObject();
  static std::list<ProcessBase*> All;

 private:
  bool m_alive = true;
};
