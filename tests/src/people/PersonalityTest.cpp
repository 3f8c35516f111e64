// Character types, interests and hidden traits: the weighted draws and the tables behind them.
#include <set>

#include "PeopleTestSupport.h"

namespace {

using peopletest::Town;

SIM_CharacterType* Type(const char* name) { return SIM_CharacterType::GetByName(name); }

TEST_F(Town, ATypesWeightFallsWithItsHoldersAndHiddenOnesDoNotCount) {
  SIM_CharacterType* cool = Type("cool");
  ASSERT_NE(cool, nullptr);
  const float f = cool->GetFrequency();
  const float expected[] = {f, f * 0.8f, f * 0.6f, f * 0.4f, f * 0.1f, f * 0.1f};
  for (SIM_NPC* npc : SIM_NPC::All) npc->GetCharacterTypes().clear();
  SIM_NPC* hidden = Npc();
  hidden->GetCharacterTypes() = {cool};
  hidden->Hide();
  for (int holders = 0; holders <= 5; ++holders) {
    EXPECT_NEAR(SIM_CharacterType::GetAdjustedFrequency(cool), expected[holders], 1e-6f) << holders << " holders";
    SIM_NPC* npc = Npc();
    npc->GetCharacterTypes() = {cool};
  }
}

TEST_F(Town, TheAdditionalTypeRefusesOnlyTypesWhoseOwnOppositeIsHeld) {
  // "lone" names "pal" as its opposite; "pal" names none.
  SIM_CharacterType::Open(WriteTable("types.csv",
                                     "#,lone,Lone,d,d2,1,1,,pal\n"
                                     "#,pal,Pal,d,d2,1,1,,\n"
                                     "#,other,Other,d,d2,1,1,,\n")
                              .c_str());
  SIM_NPC* holdsLone = SIM_NPC::Create();
  holdsLone->GetCharacterTypes() = {Type("lone")};
  SIM_NPC* holdsPal = SIM_NPC::Create();
  holdsPal->GetCharacterTypes() = {Type("pal")};
  std::set<std::string> forLone, forPal;
  for (int i = 0; i < 200; ++i) {
    forLone.insert(SIM_CharacterType::ChooseAdditional(holdsLone)->GetName());
    forPal.insert(SIM_CharacterType::ChooseAdditional(holdsPal)->GetName());
  }
  EXPECT_EQ(forLone, (std::set<std::string>{"pal", "other"}));
  EXPECT_EQ(forPal, (std::set<std::string>{"other"}));
}

TEST_F(Town, EveryNewPersonHasTwoDifferentTypes) {
  for (int i = 0; i < 60; ++i) {
    SIM_NPC* npc = Npc();
    ASSERT_EQ(npc->GetCharacterTypes().size(), 2u);
    EXPECT_NE(npc->GetCharacterTypes()[0], npc->GetCharacterTypes()[1]);
    EXPECT_FALSE(npc->GetCharacterTypes()[1]->IsOpposite(npc->GetCharacterTypes()[0]));
  }
}

TEST_F(Town, TheEffectFieldGivesTargetAmountAndDegrade) {
  Set("_DEGRADE_WEEK", 0.85f);
  SIM_CharacterType::Open(WriteTable("effects.csv",
                                     "#,named,N,d,d2,1,1,\"happiness,0.5,_DEGRADE_WEEK\"\n"
                                     "#,plain,P,d,d2,1,1,\"stress,-0.25,0.9\"\n"
                                     "#,short,S,d,d2,1,0,\"x,1\"\n")
                              .c_str());
  struct Case {
    const char* type;
    const char* target;
    float effect, degrade;
  };
  for (const Case& c : {Case{"named", "happiness", 0.5f, 0.85f}, Case{"plain", "stress", -0.25f, 0.9f},
                        Case{"short", "", 0.0f, 0.0f}}) {
    SIM_CharacterType* type = Type(c.type);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->GetTarget(), c.target) << c.type;
    EXPECT_FLOAT_EQ(type->GetEffect(), c.effect) << c.type;
    EXPECT_FLOAT_EQ(type->GetDegrade(), c.degrade) << c.type;
  }
  EXPECT_FALSE(Type("short")->HasEffects());
  EXPECT_EQ(Type("short")->GetTargetGUIName(), "");
}

TEST(InterestAdjuster, LevelAgainstTrait) {
  using T = SIM_InterestType;
  struct Case {
    T::TYPE level;
    float value, factor;
  };
  const Case cases[] = {{T::NONE, 0.25f, 1.0f},  {T::LOW, 0.25f, 1.5f},    {T::LOW, 0.5f, 0.5f},
                        {T::LOW, 1.0f, 0.25f},   {T::MEDIUM, 0.25f, 0.5f}, {T::MEDIUM, 0.5f, 1.5f},
                        {T::MEDIUM, 1.0f, 0.5f}, {T::HIGH, 0.25f, 0.25f},  {T::HIGH, 0.5f, 0.5f},
                        {T::HIGH, 1.0f, 1.5f}};
  for (const Case& c : cases) EXPECT_FLOAT_EQ(SIM_InterestList::GetAdjuster(c.level, c.value), c.factor);
  EXPECT_EQ(T::StrToType("HIGH"), T::HIGH);
  EXPECT_EQ(T::StrToType(""), T::NONE);
  EXPECT_EQ(T::StrToType("high"), T::NONE);
}

TEST_F(Town, InterestWeightsFollowCultureAndHalveWhenTwoOthersHoldIt) {
  SIM_InterestType::Open(WriteTable("interests.csv",
                                    "#,opera,Opera,0.4,HIGH,,#\n"
                                    "#,darts,Darts,0.3,LOW,,#\n")
                             .c_str());
  SIM_NPC* npc = SIM_NPC::Create();
  npc->GetCharacterTypes() = {};
  SIM_InterestList& list = npc->GetInterests();
  auto weights = [&]() {
    list.BuildList(npc);
    std::vector<float> w;
    for (const auto& entry : list.GetProbabilities()) w.push_back(entry.probability);
    return w;
  };
  EXPECT_EQ(weights(), (std::vector<float>{0.25f, 1.5f}));
  SIM_CharacterType::Open(WriteTable("cultured.csv", "#,cultured,C,d,d2,1,1,\n").c_str());
  npc->GetCharacterTypes() = {Type("cultured")};
  EXPECT_EQ(weights(), (std::vector<float>{1.5f, 0.25f}));

  for (int holders = 1; holders <= 2; ++holders) {
    SIM_NPC* other = SIM_NPC::Create();
    other->GetInterests().Add(SIM_Interest::Create("opera"));
  }
  EXPECT_EQ(weights(), (std::vector<float>{0.75f, 0.25f})) << "held by two others: half";
}

TEST_F(Town, FillingStopsWhenNoNewInterestIsLeftAndBringsCategories) {
  SIM_InterestType::Open(WriteTable("interests.csv",
                                    "#,games,Games,0.2,,,#\n"
                                    "#,chess,Chess,0.4,,,games\n"
                                    "#,golf,Golf,0.3,,,#\n")
                             .c_str());
  Set("GV_INTERESTS_MIN", 10.0f);
  Set("GV_INTERESTS_MAX", 10.0f);
  SIM_NPC* npc = Npc();
  std::set<std::string> names;
  for (const SIM_Interest* interest : npc->GetInterests().GetInterests()) names.insert(interest->GetName());
  EXPECT_EQ(names.size(), (size_t)npc->GetInterests().Count()) << "no interest twice";
  EXPECT_EQ(names, (std::set<std::string>{"games", "chess", "golf"}));

  // One draw of chess brings games along.
  Set("GV_INTERESTS_MIN", 1.0f);
  Set("GV_INTERESTS_MAX", 1.0f);
  for (int i = 0; i < 40; ++i) {
    SIM_NPC* one = Npc();
    if (one->GetInterests().HasInterest("chess")) {
      EXPECT_TRUE(one->GetInterests().HasInterest("games"));
    }
  }
}

TEST_F(Town, InterestsAreUncoveredOneByOne) {
  SIM_InterestList list;
  EXPECT_TRUE(list.AreSomeHidden());
  list.Add(SIM_Interest::Create("food"));
  list.Add(SIM_Interest::Create("museums"));  // an old name
  EXPECT_TRUE(list.HasInterest("museum"));
  list.UnhideNextInterest();
  EXPECT_TRUE(list.AreSomeHidden());
  list.UnhideNextInterest();
  EXPECT_FALSE(list.AreSomeHidden());
  for (const SIM_Interest* interest : list.GetInterests()) EXPECT_TRUE(interest->IsVisible());
}

TEST_F(Town, ChemistryAndTheBestSharedInterest) {
  SIM_InterestType::Open(WriteTable("interests.csv",
                                    "#,a,A,0.6,,,#\n"
                                    "#,b,B,0.7,,,#\n"
                                    "#,z,Z,0,,,#\n")
                             .c_str());
  SIM_NPC* x = SIM_NPC::Create();
  SIM_NPC* y = SIM_NPC::Create();
  x->GetInterests().Add(SIM_Interest::Create("z"));
  y->GetInterests().Add(SIM_Interest::Create("z"));
  EXPECT_FLOAT_EQ(SIM_Person::GetChemistry(x, y), 0.0f);
  EXPECT_EQ(SIM_Person::GetBestInterestName(x, y), "") << "worth 0 never counts";
  EXPECT_FLOAT_EQ(SIM_Person::GetChemistry(x, SIM_GetVede()), 0.5f);
  for (const char* name : {"a", "b"}) {
    x->GetInterests().Add(SIM_Interest::Create(name));
    y->GetInterests().Add(SIM_Interest::Create(name));
  }
  EXPECT_FLOAT_EQ(SIM_Person::GetChemistry(x, y), 1.0f) << "0.6 + 0.7 clamped";
  EXPECT_EQ(SIM_Person::GetBestInterestName(x, y), "B");
  EXPECT_FLOAT_EQ(SIM_Person::GetChemistry(std::vector<SIM_Person*>{x, y, SIM_GetVede()}), (1.0f + 0.5f + 0.5f) / 3.0f);
}

TEST_F(Town, HiddenTraitsByChanceAndExclusion) {
  SIM_HiddenAttribute::Open(WriteTable("traits.csv",
                                       "#,never,0,\n"
                                       "#,calm,1,\n"
                                       "#,jumpy,1,calm\n"
                                       "#,later,1,after\n"
                                       "#,after,1,\n")
                                .c_str());
  std::vector<std::string> names;
  SIM_HiddenAttribute::Choose(&names);
  EXPECT_EQ(names, (std::vector<std::string>{"calm", "later", "after"}));
}

}  // namespace
