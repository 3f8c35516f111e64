#include <gtest/gtest.h>

#include "SIM_Modifier.h"
#include "SIM_NamedValue.h"
#include "SimCoreTestSupport.h"

namespace {

struct OperatorCase {
  float start;
  const char* op;
  float x;
  float expected;
};

TEST(NamedValue, OperatorsClampToUnitRange) {
  const OperatorCase cases[] = {
      {0.8f, "+=", 0.5f, 1.0f},  {0.5f, "-=", 2.0f, 0.0f},   {0.5f, "*=", 3.0f, 1.0f},
      {0.5f, "/=", 2.0f, 0.25f}, {0.4f, "+=", 0.1f, 0.5f},    {0.4f, "%=", 0.1f, 0.4f},
      {3.0f, "x", 0.1f, 1.0f},   {-0.2f, "+ =", 0.1f, 0.0f},  {0.0f, "/=", 0.0f, 0.0f},
      {0.3f, "+=x", 0.5f, 0.3f},
  };
  for (const OperatorCase& c : cases) {
    SIM_NamedValue value("v", "V", 0.0f);
    value.SetValue(c.start);  // stored as given
    value.ProcOperator(c.op, c.x);
    EXPECT_FLOAT_EQ(value.GetValue(), c.expected) << c.start << " " << c.op << " " << c.x;
  }
}

TEST(NamedValueList, LookupMovesTheValueToTheFront) {
  SIM_NamedValueList list;
  SIM_NamedValue a("a", "A", 0.1f), b("b", "B", 0.2f), c("c", "C", 0.3f);
  list.AddValue(&a);
  list.AddValue(&b);
  list.AddValue(&c);
  EXPECT_EQ(list.GetNamedValue("b"), &b);
  std::vector<std::string> order;
  for (SIM_NamedValue* v : list.GetRawList()) order.push_back(v->GetName());
  EXPECT_EQ(order, (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_EQ(list.GetNamedValue("B"), nullptr);  // exact and case-sensitive
  list.RemoveAll();
}

TEST(NamedValueList, IsTrueAndForceGlobal) {
  simtest::ResetPlayerState();
  SIM_NamedValueList::ForceGlobal("flag_zero", 0.0f);
  SIM_NamedValueList::ForceGlobal("flag_negative", -0.2f);
  SIM_NamedValueList::ForceGlobal("glob_big", 3.0f);
  SIM_NamedValueList& g = SIM_NamedValueList::Globals;
  EXPECT_FALSE(g.IsTrue("flag_zero"));
  EXPECT_FALSE(g.IsTrue("flag_absent"));
  EXPECT_TRUE(g.IsTrue("flag_negative"));
  EXPECT_FLOAT_EQ(g.GetValue("glob_big"), 3.0f);  // a direct store is not clamped

  // A later modifier brings it back into range.
  SIM_Modifier modifier;
  ASSERT_TRUE(modifier.Parse("glob_big,0.1", "test"));
  modifier.Apply(1.0f);
  EXPECT_FLOAT_EQ(g.GetValue("glob_big"), 1.0f);
}

TEST(NamedValueList, DestroyedValueLeavesEveryList) {
  SIM_NamedValueList one, two;
  SIM_NamedValue* value = new SIM_NamedValue("x", "X", 0.5f);
  one.AddValue(value);
  two.AddValue(value);
  two.AddValue(value);
  delete value;
  EXPECT_EQ(one.Count(), 0u);
  EXPECT_EQ(two.Count(), 0u);
}

TEST(NamedValueList, ClearDestroysAValueListedTwiceOnce) {
  SIM_NamedValueList list;
  SIM_NamedValue* value = new SIM_NamedValue("x", "X", 0.5f);
  list.AddValue(value);
  list.AddValue(value);
  list.Clear();  // the sanitizer build catches a double delete
  EXPECT_EQ(list.Count(), 0u);
}

TEST(NamedValueList, MissingValueAndListAreReportedOncePerName) {
  GetDebug()->Initialise();
  SIM_NamedValueList list;
  list.SetName("attributes_of_nobody");
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(list.GetValue("nosuchvalue"), -1.0f);
    EXPECT_EQ(SIM_NamedValueList::GetList("nosuchlist"), nullptr);
  }
  EXPECT_EQ(SIM_NamedValueList::GetList("attributes_of_nobody"), &list);
  EXPECT_EQ(simtest::CountLogLines("Value not found: nosuchvalue"), 1);
  EXPECT_EQ(simtest::CountLogLines("Failed to find named value list: nosuchlist"), 1);
}

}  // namespace
