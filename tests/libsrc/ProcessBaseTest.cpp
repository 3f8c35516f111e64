// Daily processing, reference counts and decaying values.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ProcessBase.h"
#include "RefCounted.h"
#include "SIM_DegradingValueList.h"

namespace {

std::vector<std::string> g_log;

class Probe : public ProcessBase {
 public:
  explicit Probe(std::string name) : m_name(std::move(name)) {}
  ~Probe() override { g_log.push_back("~" + m_name); }
  void Process() override {
    g_log.push_back(m_name);
    std::function<void()> once = std::move(onProcess);
    onProcess = nullptr;
    if (once) once();
  }
  std::function<void()> onProcess;  // runs at the next Process only

 private:
  std::string m_name;
};

TEST(ProcessBase, DeadObjectsGoBeforeTheNextDaysProcessing) {
  g_log.clear();
  Probe* a = new Probe("a");
  Probe* b = new Probe("b");
  Probe* c = new Probe("c");
  b->onProcess = [c] {
    c->Delete();
    new Probe("late");  // made during the pass: processed in the same pass
  };
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_log, (std::vector<std::string>{"a", "b", "c", "late"}));

  g_log.clear();
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_log, (std::vector<std::string>{"~c", "a", "b", "late"}));

  // An owner deleting an object outright during the pass does not upset the walk.
  g_log.clear();
  a->onProcess = [b] { delete b; };
  ProcessBase::ProcessAll();
  EXPECT_EQ(g_log, (std::vector<std::string>{"a", "~b", "late"}));
  EXPECT_EQ(ProcessBase::All.size(), 2u);

  for (ProcessBase* p : ProcessBase::All) p->Delete();
  ProcessBase::Cleanup();
  EXPECT_TRUE(ProcessBase::All.empty());
}

class Shared : public RefCounted {
 public:
  explicit Shared(bool* gone) : m_gone(gone) {}
  ~Shared() override { *m_gone = true; }

 private:
  bool* m_gone;
};

TEST(RefCounted, DeletesItselfAtZero) {
  bool gone = false;
  Shared* s = new Shared(&gone);
  s->AddRefcount();
  EXPECT_EQ(s->RemoveRefcount(), 1);
  EXPECT_FALSE(gone);
  EXPECT_EQ(s->RemoveRefcount(), 0);
  EXPECT_TRUE(gone);
}

TEST(SIM_DegradingValueList, DecaysPrunesAndAverages) {
  SIM_DegradingValueList list;
  list.Process();  // empty: nothing happens
  EXPECT_EQ(list.GetAverage(), 0.0f);
  list.AddValue(1.0f, 0.5f);
  list.AddValue(-0.02f, 0.1f);
  list.Process();
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_FLOAT_EQ(list.GetAverage(), 0.5f);
  for (int i = 0; i < 10; ++i) list.Process();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(list.GetAverage(), 0.0f);
}

}  // namespace
