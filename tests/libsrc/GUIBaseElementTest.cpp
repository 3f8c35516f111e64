// The GUI base element (rectangle, hit test, placement on the screen, deletion through the base)
// and the polygon helper.
#include <gtest/gtest.h>

#include <memory>

#include "D3DEngine.h"
#include "GNgon.h"
#include "GUI_BaseElement.h"

namespace {

class BaseElementTest : public ::testing::Test {
 protected:
  void SetUp() override { GetD3DEngine()->Initialise(nullptr, nullptr, 1024, 768, 32, false, true); }
};

GUI_BaseElement ElementAt(float l, float t, float r, float b) {
  GUI_BaseElement e;
  e.SetPosition(l, t, r, b);
  return e;
}

TEST_F(BaseElementTest, PointsOnAnyEdgeAreOutside) {
  GUI_BaseElement e = ElementAt(10, 20, 110, 70);
  struct Case {
    float x, y;
    bool inside;
  };
  const Case cases[] = {{60, 45, true},   {10, 45, false},  {110, 45, false}, {60, 20, false},
                        {60, 70, false},  {11, 21, true},   {109, 69, true},  {10.9f, 45, false},
                        {11.5f, 45, true}, {109.9f, 45, true}};
  for (const Case& c : cases) EXPECT_EQ(e.PtInside(c.x, c.y), c.inside) << c.x << ", " << c.y;

  GUI_BaseElement thin = ElementAt(10, 10, 11, 50);
  GUI_BaseElement empty = ElementAt(10, 10, 10, 10);
  for (float x : {10.0f, 10.5f, 11.0f}) {
    EXPECT_FALSE(thin.PtInside(x, 30));
    EXPECT_FALSE(empty.PtInside(x, 10));
  }
}

TEST_F(BaseElementTest, FourValuesTruncateTowardZeroAndSetTheSize) {
  GUI_BaseElement e = ElementAt(10.7f, -3.7f, 110.2f, 50.9f);
  EXPECT_EQ(e.rect.left, 10);
  EXPECT_EQ(e.rect.top, -3);
  EXPECT_EQ(e.rect.right, 110);
  EXPECT_EQ(e.rect.bottom, 50);
  EXPECT_EQ(e.width, 99);  // (int)(110.2 - 10.7)
  EXPECT_EQ(e.height, 54);
}

TEST_F(BaseElementTest, SizeWaitsForThePosition) {
  GUI_BaseElement e;
  e.SetSize(200, 100);
  EXPECT_EQ(e.rect.right, 0);
  e.SetPosition(50, 60);
  EXPECT_EQ(e.rect.left, 50);
  EXPECT_EQ(e.rect.top, 60);
  EXPECT_EQ(e.rect.right, 250);
  EXPECT_EQ(e.rect.bottom, 160);
  EXPECT_EQ(e.GetCenterX(), 150.0f);
  EXPECT_EQ(e.GetCenterY(), 110.0f);
}

TEST_F(BaseElementTest, PlaceCentralAndForceOnscreen) {
  GUI_BaseElement e;
  e.SetSize(101, 50);
  e.PlaceCentral();
  EXPECT_EQ(e.rect.left, 462);
  EXPECT_EQ(e.rect.right, 563);
  EXPECT_EQ(e.rect.top, 359);

  GUI_BaseElement off = ElementAt(-10, -5, 90, 45);
  off.ForceOnscreen();
  EXPECT_EQ(off.rect.left, 0);
  EXPECT_EQ(off.rect.top, 0);
  EXPECT_EQ(off.rect.right, 100);
  EXPECT_EQ(off.rect.bottom, 50);

  GUI_BaseElement farRight = ElementAt(1000, 750, 1100, 800);
  farRight.ForceOnscreen();
  EXPECT_EQ(farRight.rect.right, 1024);
  EXPECT_EQ(farRight.rect.left, 924);
  EXPECT_EQ(farRight.rect.bottom, 768);
  EXPECT_EQ(farRight.rect.top, 718);

  GUI_BaseElement tooWide = ElementAt(0, 0, 2000, 900);
  tooWide.ForceOnscreen();
  EXPECT_EQ(tooWide.rect.left, 0);
  EXPECT_EQ(tooWide.rect.top, 0);
  EXPECT_EQ(tooWide.rect.bottom, 900);
}

int g_destroyed = 0;
class Panel : public GUI_BaseElement {
 public:
  ~Panel() override { ++g_destroyed; }
  std::unique_ptr<int[]> buffer{new int[64]};
};

TEST_F(BaseElementTest, AnElementDeletedThroughTheBaseRunsItsOwnDestructor) {
  GUI_BaseElement* element = new Panel;
  delete element;
  EXPECT_EQ(g_destroyed, 1);
}

class Counting : public GUI_BaseElement {
 public:
  explicit Counting(std::vector<int>* order, int id) : m_order(order), m_id(id) {}
  void Draw() override { m_order->push_back(m_id); }

 private:
  std::vector<int>* m_order;
  int m_id;
};

TEST_F(BaseElementTest, TheDrawQueueDrawsInOrderAndEmpties) {
  std::vector<int> order;
  Counting a(&order, 1), b(&order, 2);
  GUI_BaseElementList list;
  list.Add(&b);
  list.Add(&a);
  list.Draw();
  list.Draw();
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
  EXPECT_EQ(list.Count(), 0u);
}

TEST(Polygon, InsideByTheEvenOddRule) {
  GNgon square;
  for (V2 p : {V2(0, 0), V2(10, 0), V2(10, 10), V2(0, 10)}) square.AddPoint(p);
  EXPECT_TRUE(square.Inside(V2(5, 5)));
  EXPECT_FALSE(square.Inside(V2(10, 5)));
  EXPECT_TRUE(square.Inside(V2(0, 5)));
  EXPECT_FALSE(square.Inside(V2(5, 10)));
  EXPECT_FALSE(square.Inside(V2(15, 5)));
  EXPECT_FALSE(GNgon().Inside(V2(0, 0)));

  GNgon notch;  // a U shape: the gap between its arms is outside
  for (V2 p : {V2(0, 0), V2(3, 0), V2(3, 7), V2(7, 7), V2(7, 0), V2(10, 0), V2(10, 10), V2(0, 10)}) notch.AddPoint(p);
  EXPECT_FALSE(notch.Inside(V2(5, 3)));
  EXPECT_TRUE(notch.Inside(V2(1, 3)));
  EXPECT_TRUE(notch.Inside(V2(5, 8)));
}

TEST(Polygon, CentreSubdivisionAndPruning) {
  GNgon triangle;
  for (V2 p : {V2(0, 0), V2(6, 0), V2(0, 6)}) triangle.AddPoint(p);
  triangle.CalculateCenter();
  EXPECT_EQ(triangle.centre, V2(2, 2));
  triangle.Tesselate();
  ASSERT_EQ(triangle.points.size(), 6u);
  EXPECT_EQ(triangle.points[1], V2(3, 0));
  EXPECT_EQ(triangle.points[5], V2(0, 3));

  GNgon dupes;
  for (V2 p : {V2(1, 1), V2(2, 2), V2(1, 1)}) dupes.AddPoint(p);
  dupes.PruneDuplicatePoints();
  EXPECT_EQ(dupes.points, (std::vector<V2>{V2(1, 1), V2(2, 2)}));

  GNgon none;
  none.CalculateCenter();
  EXPECT_EQ(none.centre, V2(0, 0));
}

}  // namespace
