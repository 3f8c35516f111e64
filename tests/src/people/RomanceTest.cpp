// The romance: the daily credit and cynicism, gifts against the day's earnings, being dumped and
// dumping.
#include "PeopleTestSupport.h"
#include "SIM_Asset.h"
#include "SIM_Romance.h"

namespace {

class Romance : public peopletest::Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    SIM_GetRomance()->Reset();
    Set("GV_FRIEND_LOST_THRESHHOLD", 0.01f);
    Set("GV_ROMANCE_BUSTUP_THRESHHOLD", 0.1f);
  }
  void TearDown() override {
    SIM_GetRomance()->Reset();
    SIM_Asset::Close();
    Town::TearDown();
  }
  static SIM_NPC* Partner(float strength) {
    SIM_NPC* npc = Friend(strength, SIM_FEMALE);
    npc->SetRomanticCompatibility(0.7f);
    SIM_GetRomance()->SetRomanticPartner(npc);
    return npc;
  }
  static SIM_Asset* Gift(float price) {
    auto* gift = new SIM_Asset;
    gift->SetName("flowers");
    gift->SetPrice(price, 0.0f);
    gift->SetOwned(true);
    return gift;
  }
};

TEST_F(Romance, TheCreditMovesTheLinkOnlyBeyondAHalfAndCynicismFades) {
  Set("GV_ROMANCE_CREDIT_DEGRADE", 0.0f);
  struct Case {
    float credit;
    float change;
  };
  const Case cases[] = {{0.5f, 0.0f}, {-0.5f, 0.0f}, {0.6f, 0.02f}, {-0.6f, -0.07f}};
  for (const Case& c : cases) {
    SIM_NPC::Close();
    SIM_GetRomance()->Reset();
    SIM_NPC* partner = Partner(0.5f);
    SIM_Romance* romance = SIM_GetRomance();
    romance->ApplyRomanticCredit(c.credit);
    romance->SetCynicism(0.5f);
    romance->Process();
    EXPECT_NEAR(partner->GetRelationship(SIM_GetVede())->GetStrength(), 0.5f + c.change, 1e-6f) << c.credit;
    EXPECT_NEAR(romance->GetCynicism(), 0.46f, 1e-6f);
    EXPECT_EQ(romance->GetRomanceDuration(), 1);
    EXPECT_EQ(romance->GetDaysApart(), 1);
  }
  SIM_GetRomance()->ApplyRomanticCredit(5.0f);
  EXPECT_EQ(SIM_GetRomance()->GetRomanticCredit(), 1.0f);
}

TEST_F(Romance, AGiftIsWeighedAgainstTheDaysEarningsAndACheapOneHurtsACloseLink) {
  Set("GV_GIFT_REL_BOOST", 0.1f);
  Set("GV_GIFT_CYNICISM", 0.1f);
  struct Case {
    const char* what;
    float strength;
    float price;
    float earnings;
    float change;
  };
  const Case cases[] = {
      {"cheap to a close partner", 0.8f, 10.0f, 100.0f, -0.15f},
      {"cheap to a cooler partner", 0.6f, 10.0f, 100.0f, 0.1f * 0.05f},
      {"half of two days' pay", 0.6f, 100.0f, 100.0f, 0.1f * 0.5f},
      {"a day without earnings counts as generous", 0.8f, 10.0f, 0.0f, 0.1f},
  };
  for (const Case& c : cases) {
    SIM_NPC::Close();
    SIM_GetRomance()->Reset();
    SIM_NPC* partner = Partner(c.strength);
    SIM_Asset* gift = Gift(c.price);
    SIM_GetRomance()->BuyGift(gift, c.earnings);
    EXPECT_NEAR(partner->GetRelationship(SIM_GetVede())->GetStrength(), c.strength + c.change, 1e-6f) << c.what;
    EXPECT_FALSE(gift->IsOwned()) << c.what;
    EXPECT_NEAR(SIM_GetRomance()->GetCynicism(), 0.1f, 1e-6f);
  }
}

TEST_F(Romance, DumpedThePartnerNeverOffersAgainAndDumpingHidesThePartner) {
  SIM_NPC* first = Partner(0.6f);
  EXPECT_EQ(SIM_NamedValueList::Globals.GetValue("_romance"), 1.0f);
  SIM_GetRomance()->SetRomanceDuration(30);
  SIM_GetRomance()->SetRomanticPartner(first);
  EXPECT_EQ(SIM_GetRomance()->GetRomanceDuration(), 30) << "the same partner again resets nothing";

  SIM_GetRomance()->GetDumped();
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());
  EXPECT_EQ(first->GetRomanticCompatibility(), 0.0f);
  EXPECT_FALSE(first->IsHidden());
  EXPECT_EQ(SIM_NamedValueList::Globals.GetValue("_romance"), 0.0f);

  SIM_NPC* second = Partner(0.6f);
  SIM_GetRomance()->DumpCurrentPartner();
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());
  EXPECT_TRUE(second->IsHidden());
  EXPECT_EQ(SIM_GetRomance()->GetRomanceDuration(), 0);
}

TEST_F(Romance, ALinkFallingBelowTheBustUpLineEndsTheRomance) {
  Set("GV_ROMANCE_BUSTUP_THRESHHOLD", 0.3f);
  SIM_NPC* partner = Partner(0.35f);
  SIM_Relationship* link = partner->GetRelationship(SIM_GetVede());
  link->SetStrength(0.2f);
  link->CheckForRomance();
  EXPECT_FALSE(SIM_GetRomance()->HasPartner());
  EXPECT_EQ(partner->GetRomanticCompatibility(), 0.0f);
}

}  // namespace
