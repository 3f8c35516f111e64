// The assets panel, the asset details dialog and its effects list.
#include "Game.h"
#include "GUI_AssetDetails.h"
#include "GUI_AssetEffect.h"
#include "GUI_AssetEffects.h"
#include "GUI_AssetIcon.h"
#include "GUI_Assets.h"
#include "GUI_ButtonText.h"
#include "HudTestSupport.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_Date.h"
#include "SIM_SIM.h"
#include "SIM_SocialiseType.h"

using namespace guitest;
using namespace hudtest;

namespace {
SIM_Asset* MakeAsset(const std::string& name, bool owned = true) {
  SIM_Asset* asset = new SIM_Asset;
  asset->SetName(name);
  asset->SetGUIName(name);
  asset->SetOwned(owned);
  return asset;
}

std::vector<const GUI_AssetEffect*> Rows(const GUI_AssetEffects& effects) {
  std::vector<const GUI_AssetEffect*> rows;
  for (GUI_WindowBase* child : effects.GetChildren()) rows.push_back(dynamic_cast<const GUI_AssetEffect*>(child));
  return rows;
}
}  // namespace

TEST_F(GuiTest, AssetIconsShrinkAsThePlayerOwnsMore) {
  MakeAsset("not owned", false);
  struct Case {
    int owned;
    float size;
    int perRow;
  };
  const Case cases[] = {{1, 50.0f, 9}, {18, 50.0f, 9}, {19, 35.0f, 12}, {36, 35.0f, 12}, {37, 25.0f, 18}, {72, 25.0f, 18}};
  int made = 0;
  GUI_Assets* panel = GUI_GetAssets();
  EXPECT_FALSE(panel->GetCatchClicks());
  EXPECT_FALSE(panel->GetEatMouseMoves());
  for (const Case& c : cases) {
    while (made < c.owned) MakeAsset("thing " + std::to_string(made++));
    panel->Refresh();
    ASSERT_EQ((int)panel->GetIcons().size(), c.owned);
    const GUI_AssetIcon* first = panel->GetIcons().front();
    EXPECT_EQ(first->GetSize(), c.size) << c.owned;
    EXPECT_EQ(first->GetRect()->left, 453);
    EXPECT_EQ(first->GetRect()->top, 13);
    EXPECT_EQ(first->GetWidth(), c.size - 6.0f);
    // The last icon of the first row, and the first of the second.
    auto it = panel->GetIcons().begin();
    if (c.owned > c.perRow) {
      std::advance(it, c.perRow - 1);
      EXPECT_EQ((*it)->GetRect()->left, 450 + (int)(c.size * (float)(c.perRow - 1)) + 3) << c.owned;
      ++it;
      EXPECT_EQ((*it)->GetRect()->left, 453) << c.owned;
      EXPECT_EQ((*it)->GetRect()->top, 13 + (int)c.size) << c.owned;
    }
  }
  // At most 72 fit the panel: four rows of 18 reach its bottom edge.
  EXPECT_LE(panel->GetIcons().back()->GetRect()->bottom, 115);
}

TEST_F(GuiTest, ClickingAnIconOpensItsDetails) {
  SIM_Asset* tv = MakeAsset("Television");
  tv->SetDescription("A big screen for small evenings.");
  tv->SetTextureName("mystery.dds");
  GUI_Assets* panel = GUI_GetAssets();
  panel->Refresh();
  const GUI_AssetIcon* icon = panel->GetIcons().front();
  EXPECT_EQ(icon->GetTooltip()->GetText(), "Television");
  EXPECT_TRUE(ClickAt(icon->GetCenterX(), icon->GetCenterY()));
  ASSERT_NE(GUI_AssetDetails::PTheWindow, nullptr);
  EXPECT_EQ(GUI_AssetDetails::PTheWindow->GetAsset(), tv);
  EXPECT_TRUE(GUI_AssetDetails::PTheWindow->IsModal());
  EXPECT_EQ(GUI_AssetDetails::PTheWindow->GetTitle(), "Television");

  // Pictures above tiles: every tile is drawn before the first picture.
  D3DEngine::GetRecorder().Clear();
  panel->Draw();
  const std::vector<DrawRecord>& entries = D3DEngine::GetRecorder().Entries();
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries.back().texture, "mystery.png");
}

TEST_F(GuiTest, ServiceThatIsAlsoSellableOffersOnlyCancelWithItsDailyCost) {
  GetGame()->SetCurrency("$");
  SIM_Asset* gym = MakeAsset("Gym");
  gym->SetFlag(SIM_Asset::SERVICE, true);
  gym->SetFlag(SIM_Asset::SELLABLE, true);
  gym->SetDailyCost(2.5f);
  gym->SetPrice(100.0f, 0.5f);
  GUI_AssetDetails::Create(gym);
  GUI_AssetDetails* details = GUI_AssetDetails::PTheWindow;
  ASSERT_NE(details, nullptr);
  ASSERT_NE(details->GetSellButton(), nullptr);
  EXPECT_EQ(details->GetSellButton()->GetText(), "Cancel");
  EXPECT_EQ(details->GetUseButton(), nullptr);
  EXPECT_EQ(details->GetMoneyLine(), "Cost per day : $2.50");

  SIM_Asset* bike = MakeAsset("Bike");
  bike->SetFlag(SIM_Asset::SELLABLE, true);
  bike->SetPrice(200.0f, 0.25f);
  GUI_AssetDetails::Create(bike);
  EXPECT_EQ(GUI_AssetDetails::PTheWindow->GetMoneyLine(), "Second-hand value : $50.00");

  // Selling pays, ends ownership and takes the icon off the panel.
  GUI_GetAssets()->Refresh();
  SIM_GetFinances()->SetCash(10.0f);
  GUI_AssetDetails::Sell(0);
  EXPECT_EQ(GUI_AssetDetails::PTheWindow, nullptr);
  EXPECT_FALSE(bike->IsOwned());
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 60.0f);
  EXPECT_EQ(GUI_GetAssets()->GetIcons().size(), 1u);
}

// Using an asset works only in the evening: the button says so by being enabled only then, and
// never on a day the asset cannot be used.
TEST_F(GuiTest, UseButtonIsEnabledOnlyWhenUsingIsPossible) {
  SIM_Asset* console = MakeAsset("Console");
  console->SetUseScript("ApplyEffect(boredom,-0.1,0.5,Video games)");
  GUI_AssetDetails::Create(console);
  GUI_AssetDetails* details = GUI_AssetDetails::PTheWindow;
  GUI_ButtonText* use = details->GetUseButton();
  ASSERT_NE(use, nullptr);

  const SIM_SIM::TURNMODE modes[] = {SIM_SIM::TURNMODE_WOKEUP, SIM_SIM::TURNMODE_WORKDAY, SIM_SIM::TURNMODE_EVENING,
                                     SIM_SIM::TURNMODE_DAYENDED};
  const bool enabled[] = {false, false, true, false};
  for (int i = 0; i < 4; ++i) {
    SIM_GetSim()->SetMode(modes[i]);
    details->Draw();
    EXPECT_EQ(use->IsEnabled(), enabled[i]) << "turn mode " << modes[i];
  }

  // In the morning a click changes nothing and the dialog stays.
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_WOKEUP);
  details->Draw();
  EXPECT_TRUE(ClickAt(use->GetCenterX(), use->GetCenterY()));
  EXPECT_EQ(GUI_AssetDetails::PTheWindow, details);

  // A day it cannot be used keeps it disabled in the evening too.
  auto* nightclub = new SIM_SocialiseType;  // open on no day of the week
  nightclub->SetName("nightclub");
  // A Tuesday as today.
  SIM_Date tuesday(3, 0, 2006);
  tuesday.SetDayOfWeek(1);
  SIM_Date* before = SIM_Date::PPresentDay;
  SIM_Date::PPresentDay = &tuesday;
  SIM_Asset* club = MakeAsset("Club card");
  club->SetUseScript("SelectSocial(nightclub)");
  EXPECT_FALSE(club->UsableToday());
  GUI_AssetDetails::Create(club);
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_EVENING);
  GUI_AssetDetails::PTheWindow->Draw();
  EXPECT_FALSE(GUI_AssetDetails::PTheWindow->GetUseButton()->IsEnabled());
  nightclub->ForceDayAvailable(1);
  EXPECT_TRUE(club->UsableToday());
  SIM_Date::PPresentDay = before;
}

TEST_F(GuiTest, EffectsListReadsTheOwnedScript) {
  AddSimple("stress", 0.3f, true, false, "relaxation");
  AddSimple("relaxation", 0.7f, false, true, "stress", true);  // hidden, told through stress
  AddSimple("happiness", 0.5f, true);
  SIM_Attribute::ResolveLinks();
  SIM_Asset* sofa = MakeAsset("Sofa");
  sofa->SetOwnedScript(
      "ApplyEffect(stress,-0.05,0.9,Sofa);ApplyEffect(happiness,0.004,0.9,Sofa); ApplyEffect(happiness,0,0.9,Sofa);"
      "ApplyEffect(relaxation,0.1,0.9,Sofa);PlaySound(data/sounds/x.ogg);ApplyEffect(comfort,0.2,0.9,Sofa)");
  GUI_AssetEffects effects(sofa);
  std::vector<const GUI_AssetEffect*> rows = Rows(effects);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_FLOAT_EQ(effects.GetHeight(), 5.0f * 27.0f);
  struct Expect {
    const char* label;
    const char* amount;
    bool bad;
  };
  const Expect expected[] = {{"stress", "-5", false},     {"happiness", "+0", false}, {"happiness", "0", false},
                             {"stress", "-10", false},    {"comfort", "+20", false}};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i]->GetLabel(), expected[i].label) << i;
    EXPECT_EQ(rows[i]->GetAmountText(), expected[i].amount) << i;
    EXPECT_EQ(rows[i]->IsBad(), expected[i].bad) << i;
  }

  // A rise of stress is bad news.
  SIM_Asset* job = MakeAsset("Pager");
  job->SetOwnedScript("ApplyEffect(stress,0.05,0.9,Pager)");
  GUI_AssetEffects worse(job);
  ASSERT_EQ(Rows(worse).size(), 1u);
  EXPECT_TRUE(Rows(worse)[0]->IsBad());

  // The dialog grows by the list and places it above its buttons.
  GUI_AssetDetails::Create(sofa);
  EXPECT_EQ(GUI_AssetDetails::PTheWindow->GetHeight(), 260.0f + 5.0f * 27.0f);
  EXPECT_EQ(GUI_AssetDetails::PTheWindow->GetEffects()->GetRect()->bottom,
            GUI_AssetDetails::PTheWindow->GetRect()->bottom - 75);
}
