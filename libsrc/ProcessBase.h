#pragma once
// Objects processed once a simulated day, kept in one list in construction order. An object that
// is done calls Delete() and is deleted at the start of the next ProcessAll, so no object is
// destroyed while the day's pass is walking the list.
#include <list>

class ProcessBase {
 public:
  ProcessBase();
  ProcessBase(const ProcessBase&) = delete;
  ProcessBase& operator=(const ProcessBase&) = delete;
  virtual ~ProcessBase();
  virtual void Process() {}
  void Delete() { m_alive = false; }
  bool Alive() const { return m_alive; }

  // Deletes the objects marked dead, then calls Process on every object in list order; objects
  // made during the pass are processed in the same pass.
  static void ProcessAll();
  static void Cleanup();
  static bool CleanupObject();  // deletes the first dead object; false when there is none

  // Every live object (heap-allocated), in construction order. Entries may be null while a pass
  // is running (an object deleted by its owner during the pass).
  static std::list<ProcessBase*> All;

 private:
  bool m_alive = true;
};
