// The attribute window beside its row and the full-screen attribute graph: averaging of the
// history, spacing of the points, which lines show.
#include "GTranslation.h"
#include "GUI_Attribute.h"
#include "GUI_AttributeGraph.h"
#include "GUI_AttributeGraphButton.h"
#include "GUI_AttributeGraphLine.h"
#include "GUI_Indicator.h"
#include "GUI_MindState.h"
#include "HudTestSupport.h"

using namespace guitest;
using namespace hudtest;

namespace {
std::vector<float> Ramp(int n) {
  std::vector<float> h;
  for (int i = 0; i < n; ++i) h.push_back((float)i / 1000.0f);
  return h;
}
}  // namespace

TEST(AttributeGraphLine, LongHistoriesAreAveragedIntoTwelveToTwentyThreePoints) {
  // Up to 23 days every sample is a point.
  EXPECT_EQ(GUI_AttributeGraphLine::AveragePoints(Ramp(23)), Ramp(23));
  EXPECT_EQ(GUI_AttributeGraphLine::AveragePoints(Ramp(1)).size(), 1u);
  EXPECT_TRUE(GUI_AttributeGraphLine::AveragePoints({}).empty());

  // 24 days: twelve two-day means.
  std::vector<float> two = GUI_AttributeGraphLine::AveragePoints(Ramp(24));
  ASSERT_EQ(two.size(), 12u);
  EXPECT_FLOAT_EQ(two[0], 0.0005f);
  EXPECT_FLOAT_EQ(two[11], 0.0225f);

  // A year and five days: twelve 30-day means; the last five days are left out.
  std::vector<float> year = GUI_AttributeGraphLine::AveragePoints(Ramp(365));
  ASSERT_EQ(year.size(), 12u);
  EXPECT_NEAR(year[0], 0.0145f, 1e-6);    // days 0..29
  EXPECT_NEAR(year[11], 0.3445f, 1e-5);   // days 330..359

  // 47 days: runs of 3, the last two days dropped.
  EXPECT_EQ(GUI_AttributeGraphLine::AveragePoints(Ramp(47)).size(), 15u);
}

TEST_F(GuiTest, AttributeGraphShowsOnlyHappinessAtFirstAndSpacesShortHistories) {
  SIM_Attribute* happiness = AddSimple("happiness", 0.5f, true);
  SIM_Attribute* stress = AddSimple("stress", 0.3f, true, false);
  AddSimple("secret", 0.3f, false, true, "", true);
  AddAttribute("#,iq_logic,Logic,,,0.25,0,0,0,1,,D,L,H,,0,stress,0.25\n");
  SIM_Attribute::ResolveLinks();
  happiness->NextDay();
  happiness->SetValue(1.0f);
  happiness->NextDay();

  GUI_AttributeGraph::Create(0);
  GUI_AttributeGraph* graph = GUI_AttributeGraph::PTheWindow;
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(GUI_GetWindowManager()->GetTopFullscreen(), graph);
  RECT plot = graph->GetGraphRect();
  EXPECT_EQ(plot.left, 210);
  EXPECT_EQ(plot.top, 124);
  EXPECT_EQ(plot.right, 814);
  EXPECT_EQ(plot.bottom, 602);

  // One line and one toggle per visible top-level attribute: happiness and stress.
  std::vector<GUI_AttributeGraphLine*> lines;
  std::vector<GUI_AttributeGraphButton*> toggles;
  for (GUI_WindowBase* child : graph->GetChildren()) {
    if (auto* line = dynamic_cast<GUI_AttributeGraphLine*>(child)) lines.push_back(line);
    if (auto* toggle = dynamic_cast<GUI_AttributeGraphButton*>(child)) toggles.push_back(toggle);
  }
  ASSERT_EQ(lines.size(), 2u);
  ASSERT_EQ(toggles.size(), 2u);
  EXPECT_EQ(lines[0]->GetAttribute(), happiness);
  EXPECT_EQ(lines[1]->GetAttribute(), stress);
  EXPECT_TRUE(lines[0]->IsVisible());
  EXPECT_FALSE(lines[1]->IsVisible());
  EXPECT_TRUE(toggles[0]->IsOn());
  EXPECT_FALSE(toggles[1]->IsOn());
  EXPECT_EQ(toggles[1]->GetRect()->top, toggles[0]->GetRect()->top + 28);

  // Two points 100 pixels apart (not half the plot), from the bottom (0.5) toward the top (1.0).
  const std::vector<BaseSprite>& dots = lines[0]->GetDots();
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_FLOAT_EQ(dots[0].GetCenterX(), 210.0f);
  EXPECT_FLOAT_EQ(dots[1].GetCenterX(), 310.0f);
  EXPECT_FLOAT_EQ(dots[0].GetCenterY(), 602.0f - 478.0f * 0.5f);
  EXPECT_FLOAT_EQ(dots[1].GetCenterY(), 124.0f);
  ASSERT_EQ(lines[0]->GetSegments().size(), 1u);

  // A toggle shows its line; the continue button closes the graph.
  EXPECT_TRUE(ClickAt(toggles[1]->GetCenterX(), toggles[1]->GetCenterY()));
  EXPECT_TRUE(lines[1]->IsVisible());
  D3DEngine::GetRecorder().Clear();
  Frame();
  EXPECT_NE(D3DEngine::GetRecorder().FindTexture("skyline_sunset.jpg"), nullptr);
  EXPECT_NE(D3DEngine::GetRecorder().FindTexture("graph_dot.png"), nullptr);
  GUI_AttributeGraph::Continue(0);
  EXPECT_EQ(GUI_AttributeGraph::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_GetWindowManager()->HasFullscreen());
}

// The window beside the row: its height follows the description as it is drawn (in
// "calibriblackbold16.dds"), and the grey connector runs to the row's left edge.
TEST_F(GuiTest, AttributeWindowSitsBesideItsRowAndFitsItsDescription) {
  SIM_Attribute* happiness =
      AddAttribute("#,happiness,Happiness,,,0.5,0,1,1,1,,ATTRIB_DESC_HAPPINESS,L,H,below,0.25,\n");
  GUI_GetMindState()->Initialise();
  GUI_Attribute* window = GUI_Attribute::Create(happiness);
  ASSERT_NE(window, nullptr);
  D3DEngine::GetRecorder().Clear();
  window->Draw();
  ASSERT_TRUE(window->IsSized());

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold16.dds", 16.0f);
  const float h = text->GetWrappedHeight(GTranslation::GetString("ATTRIB_DESC_HAPPINESS"), 240.0f);
  // Centred on the row by halves, so an odd height loses its last pixel.
  EXPECT_EQ(window->GetHeight(), (float)(2 * ((int)(67.0f + h) / 2)));
  EXPECT_EQ(window->GetWidth(), 280.0f);

  GUI_Indicator* row = GUI_GetMindState()->GetIndicator("happiness");
  EXPECT_EQ(window->GetRect()->right, GUI_GetMindState()->GetRect()->left + 10);  // just over the panel
  EXPECT_NEAR(window->GetCenterY(), row->GetCenterY(), 1.0f);
  EXPECT_EQ(window->GetConnector().left, window->GetRect()->right - 9);
  EXPECT_EQ(window->GetConnector().right, row->GetRect()->left);
  EXPECT_TRUE(D3DEngine::GetRecorder().HasText("Happiness (50%)"));

  // The description's last line stays inside the window.
  const std::vector<DrawRecord> texts = D3DEngine::GetRecorder().Filter(DrawKind::Text);
  ASSERT_FALSE(texts.empty());
  EXPECT_LE(texts.back().bottom, (float)window->GetRect()->bottom);

  // A click inside closes it.
  EXPECT_TRUE(ClickAt(window->GetCenterX(), window->GetCenterY()));
  EXPECT_EQ(GUI_Attribute::PTheWindow, nullptr);
}

TEST_F(GuiTest, AttributeWindowOfIQListsItsPartsAndCentresWithoutARow) {
  SIM_Attribute* iq = AddAttribute("#,iq,IQ,,,0,0,0,0,1,,D,L,H,,0,\n");
  const char* parts[] = {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"};
  for (const char* part : parts) AddAttribute(std::string("#,") + part + "," + part + ",,,0.25,0,0,0,1,,D,L,H,,0,iq,0.25\n");
  // No mind-state rows at all: the window is centred and has no connector.
  GUI_Attribute* window = GUI_Attribute::Create(iq);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetKind(), GUI_Attribute::KIND_IQ);
  D3DEngine::GetRecorder().Clear();
  window->Draw();
  EXPECT_NEAR(window->GetCenterX(), 512.0f, 1.0f);
  EXPECT_EQ(window->GetConnector().right - window->GetConnector().left, 1);
  EXPECT_EQ(window->GetChildren().size(), 4u);  // one bar per part
  for (const char* part : parts) EXPECT_TRUE(D3DEngine::GetRecorder().HasText(part)) << part;
}
