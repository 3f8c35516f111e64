// Possessions and services: reading a table row, the evening's upkeep and the loss of what cannot
// be paid for, theft, and the name's flag that mirrors ownership. Each test starts a fresh game
// and reads a small table of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GDebug.h"
#include "GUI_Message.h"
#include "GUI_WindowManager.h"
#include "HeadlessPlayer.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// Columns: marker, class key, name, display name, department, description, picture, sounds,
// resale, price, daily cost, purchase, owned and use scripts, flags, unused, prerequisites.
const char* const kAssetRows =
    "Header line, never a row\n"
    "#,asset,freebie,Free pen,general,A pen.,asset_pen.dds,,0,0,0,,,,SELLABLE,,\n"
    "#,asset,cabletv,Cable TV,general,Channels.,asset_cabletv.dds,,0,0,1.5,,,,SERVICE,,\n"
    "#,asset,bicycle,Bicycle,general,Bike.,asset_bicycle.dds,\"bell.ogg, horn.ogg\",0.4,200,2,,,,"
    "\"STEALABLE,SELLABLE,MEANSOFTRANSPORT\",,\n"
    "#,asset,sofa,Sofa,general,Comfy.,asset_sofa.dds,,0.5,300,0,,\"ApplyEffect(stress,-0.01,0.9,Sofa)\",,"
    "\"SELLABLE,STEALTHY\",,\"iq,0.4\",\"x\"\n"
    "#,no_such_kind,lottery,Ticket,books,Dream.,asset_ticket.dds,,0,2,0,,,,REBUYABLE,,\n"
    "#,asset,radio,Radio,music,Tunes.,asset_radio.dds,,0.3,notanumber,0,,,,STEALABLE,,\n";

class Assets : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    const std::string path = testsupport::TestRoot() + "/assets_fixture.csv";
    testsupport::WriteFile(path, kAssetRows);
    SIM_Asset::Open(path.c_str());
    SIM_GetFinances()->SetCash(1000.0f);
  }
  static SIM_Asset* Get(const char* name) {
    SIM_Asset* asset = SIM_Asset::GetByName(name);
    EXPECT_NE(asset, nullptr) << name;
    return asset;
  }
  static float Flag(const char* name) { return SIM_NamedValueList::Globals.GetValue(name); }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
  // The texts of the picture messages open now, in order.
  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (GUI_WindowBase* window : GUI_GetWindowManager()->GetWindows()) {
      if (auto* message = dynamic_cast<GUI_TextureMessage*>(window)) texts.push_back(message->GetTexture() + " " + message->GetText());
    }
    return texts;
  }
};

TEST_F(Assets, ARowFillsEveryColumnAndBadWordsAreNamed) {
  ASSERT_EQ(SIM_Asset::All.size(), 6u);
  SIM_Asset* bike = Get("bicycle");
  EXPECT_EQ(bike->GetGUIName(), "Bicycle");
  EXPECT_EQ(bike->GetTextureName(), "asset_bicycle.dds");
  ASSERT_EQ(bike->GetSounds().size(), 2u);
  EXPECT_EQ(bike->GetSounds()[1], "data/sounds/horn.ogg");
  EXPECT_FLOAT_EQ(bike->GetResaleValue(), 80.0f);
  EXPECT_FLOAT_EQ(bike->GetDailyCost(), 2.0f);
  EXPECT_TRUE(bike->GetFlag(SIM_Asset::STEALABLE) && bike->GetFlag(SIM_Asset::MEANSOFTRANSPORT));
  EXPECT_FALSE(bike->GetFlag(SIM_Asset::SERVICE) || bike->GetFlag(7));

  SIM_Asset* sofa = Get("sofa");
  EXPECT_TRUE(sofa->GetFlag(SIM_Asset::SELLABLE));
  EXPECT_EQ(sofa->GetSource(), "sofa");
  ASSERT_EQ(sofa->GetUsePreReqs().size(), 1u);  // "x" is too short to be one
  EXPECT_EQ(sofa->GetUsePreReqs()[0].valueName, "iq");
  EXPECT_FLOAT_EQ(sofa->GetUsePreReqs()[0].minimum, 0.4f);
  EXPECT_NE(Log().find("assets_fixture.csv:5: unknown asset flag \"STEALTHY\""), std::string::npos);

  // An unknown class key is a plain asset; an unknown department the general one; a price that
  // is no number is free.
  EXPECT_EQ(Get("lottery")->GetMyTab(), SIM_Asset::TAB_BOOKS);
  EXPECT_EQ(Get("radio")->GetMyTab(), SIM_Asset::TAB_MUSIC);
  EXPECT_FLOAT_EQ(Get("radio")->GetPurchaseCost(), 0.0f);
}

TEST_F(Assets, AMissingTableLeavesNoAssets) {
  SIM_Asset::Open("data/simulation/no_such_assets.csv");
  EXPECT_TRUE(SIM_Asset::All.empty());
  EXPECT_NE(Log().find("Assets file not found"), std::string::npos);
}

TEST_F(Assets, BuyingPaysRunsTheScriptsAndSellingPaysBack) {
  SIM_Asset* sofa = Get("sofa");
  const int bought = SIM_GetStatistics()->GetIntCounter("PURCHASED_OBJECTS");
  sofa->Purchase();
  EXPECT_TRUE(sofa->IsOwned());
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 700.0f);
  EXPECT_FLOAT_EQ(Flag("sofa"), 1.0f);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("PURCHASED_OBJECTS"), bought + 1);
  EXPECT_FALSE(sofa->AvailableToBuy());
  sofa->Sell();
  EXPECT_FALSE(sofa->IsOwned());
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 850.0f);
  EXPECT_FLOAT_EQ(Flag("sofa"), 0.0f);

  // A rebuyable asset stays on sale and is paid for again.
  SIM_Asset* ticket = Get("lottery");
  ticket->Purchase();
  EXPECT_TRUE(ticket->AvailableToBuy());
  ticket->Purchase();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 846.0f);

  // A free asset pays nothing back but still counts as sold.
  const int sold = SIM_GetStatistics()->GetIntCounter("SOLD_OBJECTS");
  Get("freebie")->Purchase();
  Get("freebie")->Sell();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 846.0f);
  EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("SOLD_OBJECTS"), sold + 1);
}

TEST_F(Assets, WhatCannotBePaidForIsLostTheSameEvening) {
  for (const char* name : {"sofa", "cabletv", "bicycle"}) Get(name)->Purchase();
  // Upkeep is paid while the cash covers it.
  SIM_GetFinances()->SetCash(10.0f);
  SIM_Asset::ProcessAll();
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 6.5f);
  EXPECT_EQ(SIM_Asset::CountOwned(), 3);

  // In debt: the sofa costs nothing a day and stays; the service shows its message and runs the
  // bills script; the bicycle gives back half its price; both are gone after the evening.
  SIM_GetFinances()->SetCash(-50.0f);
  const float stress = SIM_GetVede()->GetValue("stress");
  ASSERT_TRUE(Messages().empty());
  SIM_Asset::ProcessAll();
  EXPECT_TRUE(Get("sofa")->IsOwned());
  EXPECT_FALSE(Get("cabletv")->IsOwned() || Get("cabletv")->IsPawned());
  EXPECT_FALSE(Get("bicycle")->IsOwned());
  EXPECT_FLOAT_EQ(Flag("cabletv"), 0.0f);
  EXPECT_FLOAT_EQ(Flag("bicycle"), 0.0f);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 50.0f);
  const std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("asset_cabletv.dds ", 0), 0u);
  EXPECT_NE(messages[0].find("Cable TV"), std::string::npos);
  EXPECT_EQ(messages[1].rfind("asset_bicycle.dds ", 0), 0u);
  EXPECT_GT(SIM_GetVede()->GetValue("stress"), stress);  // "service_not_enough_money.txt"
}

TEST_F(Assets, BurglarsTakeHalfTheStealablePossessionsAtLeastOne) {
  struct Case {
    int stealable;
    int lost;
  };
  for (const Case c : {Case{5, 2}, Case{1, 1}, Case{4, 2}, Case{0, 0}}) {
    SIM_Asset::Close();
    for (int i = 0; i < 6; ++i) {
      SIM_Asset* asset = new SIM_Asset;
      asset->SetName("thing" + std::to_string(i));
      asset->SetFlag(SIM_Asset::STEALABLE, i < c.stealable);
      asset->Purchase();
    }
    SIM_Asset::StealAssets();
    EXPECT_EQ(SIM_Asset::CountOwned(), 6 - c.lost) << c.stealable;
    for (SIM_Asset* asset : SIM_Asset::All) {
      if (!asset->GetFlag(SIM_Asset::STEALABLE)) {
        EXPECT_TRUE(asset->IsOwned());
      }
      EXPECT_EQ(Flag(asset->GetName().c_str()), asset->IsOwned() ? 1.0f : 0.0f);
    }
  }
}

TEST_F(Assets, TheNamesFlagStaysWhileAnotherOfTheNameIsOwned) {
  SIM_Asset* first = Get("lottery");
  SIM_Asset* second = new SIM_Asset;
  second->SetName("lottery");
  first->Purchase();
  second->LoadAsOwned();
  first->DisposeOf();
  EXPECT_FLOAT_EQ(Flag("lottery"), 1.0f);
  second->DisposeOf();
  EXPECT_FLOAT_EQ(Flag("lottery"), 0.0f);
}

TEST_F(Assets, TheShippedTableReadsCleanly) {
  SIM_Asset::Open();
  EXPECT_GE(SIM_Asset::All.size(), 40u);
  EXPECT_LE(SIM_Asset::All.size(), 60u);
  EXPECT_EQ(Log().find("assets.csv:"), std::string::npos) << Log();
}

}  // namespace
