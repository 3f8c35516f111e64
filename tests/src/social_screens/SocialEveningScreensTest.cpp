// The social evening on screen, headless on the recording renderer: the chooser's pages, guest
// places and Socialise button, the evening started from it, and the report that follows with its
// faces, opinion panel, friendship bar, character rows and fortune cookie.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CInput.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_DataButton.h"
#include "GUI_DragIcon.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_PostMortem.h"
#include "GUI_PostMortemPanels.h"
#include "GUI_Skills.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_Sounds.h"
#include "HeadlessPlayer.h"
#include "SIM_Attribute.h"
#include "SIM_CharacterType.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_SocialiseEffect.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"
#include "SIM_TimeChunkType.h"
#include "SIM_Vede.h"

namespace {

DrawRecorder& Recorder() { return D3DEngine::GetRecorder(); }

std::string TextureStem(const std::string& name) { return name.substr(0, name.rfind('.')); }

std::vector<DrawRecord> QuadsOf(const std::string& texture) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : Recorder().Filter(DrawKind::Quad))
    if (TextureStem(r.texture) == TextureStem(texture)) out.push_back(r);
  return out;
}

// An evening whose guests' outcomes a test lays down by hand, counting its closing step.
class HandMadeEvening : public SIM_SocialiseInstance {
 public:
  void AddOutcome(SIM_Person* guest, float relationChange) {
    AddAttendee(guest);
    auto* effect = new SIM_SocialiseEffect(guest, this, 1.0f);
    effect->SetRelationChangeWithVede(relationChange);
    m_effects.push_back(effect);
  }
  void AfterPostMortem() override { ++closed; }
  int closed = 0;
};

class SocialScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(7);
    SIM_GetFinances()->SetCash(1000.0f);
    // A persuasive player whose friends say yes.
    SIM_GetVede()->ApplyEffect("persuasion", 1.0f, 0.0f, "test");
    SIM_GetVede()->ApplyEffect("charisma", 1.0f, 0.0f, "test");
    // The chooser offers the evenings built here, not the table's.
    SIM_SocialiseType::Close();
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
    SIM_GetSim()->PrepareForEvening();
    Recorder().Clear();
  }
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
  }

  static SIM_SocialiseType* Type(const std::string& name, int minimum, int maximum, int hostCost = 0,
                                 int costPerHead = 0, const std::string& process = "PARTY") {
    auto* type = new SIM_SocialiseType();
    type->SetName(name);
    type->SetGUIName("The " + name);
    type->SetDescription("An evening of " + name + " in <TOWNNAME>.");
    type->SetAttendeeLimits(minimum, maximum);
    type->SetCosts(hostCost, costPerHead);
    type->SetProcessFunction(process);
    type->SetMonths(-1, -1);
    for (int day = 0; day < 7; ++day) type->ForceDayAvailable(day);
    return type;
  }
  // A friend of the player who is glad to come to anything.
  static SIM_NPC* Friend() {
    SIM_NPC* npc = SIM_NPC::CreateNew(SIM_MALE);
    npc->FinishCreating();
    npc->SetIntroduced(true);
    SIM_Relationship* link = SIM_Relationship::Create(SIM_GetVede(), npc);
    link->SetStrength(0.8f);
    link->SetFriendship(true);
    return npc;
  }
  static GUI_SocialActivityChooser* Open() {
    GUI_SocialActivityChooser::Create();
    while (!GUI_HintHelp::AllWindows.empty()) delete GUI_HintHelp::AllWindows.front();
    return GUI_SocialActivityChooser::PTheWindow;
  }
  static void Drop(SIM_NPC* npc) {
    GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::PTheWindow;
    GUI_DragIcon::Create(npc);
    GetInput()->mouseX = chooser->GetCenterX();
    GetInput()->mouseY = chooser->GetCenterY();
    GUI_DragIcon::Drop();
  }
  static std::vector<SIM_NPC*> SlotPeople() {
    std::vector<SIM_NPC*> out;
    for (GUI_EventIcon* icon : GUI_SocialActivityChooser::PTheWindow->GetIcons()) out.push_back(icon->GetNPC());
    return out;
  }
  static int Required() {
    int n = 0;
    for (GUI_EventIcon* icon : GUI_SocialActivityChooser::PTheWindow->GetIcons()) n += icon->IsRequired();
    return n;
  }
  static float H() { return (float)GetD3DEngine()->GetScreenHeight(); }
};

// ---------------------------------------------------------------------------------------------
// The chooser

TEST_F(SocialScreens, PlacesFollowTheAttendeeLimitsAndStandInCentredRowsOfFour) {
  struct Case {
    int minimum, maximum, slots, required;
  };
  const Case cases[] = {{1, 2, 1, 0}, {3, 6, 5, 2}, {2, 9, 8, 1}, {1, 99, 8, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.maximum);
    SIM_SocialiseType::Close();
    Type("party", c.minimum, c.maximum);
    GUI_SocialActivityChooser* chooser = Open();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ((int)chooser->GetIcons().size(), c.slots);
    EXPECT_EQ(Required(), c.required);

    Recorder().Clear();
    chooser->Draw();
    std::vector<DrawRecord> blanks = QuadsOf("blank_person.dds");
    ASSERT_EQ((int)blanks.size(), c.slots);
    const int perRow = std::min(c.slots, 4);
    const float step = 57.0f;
    const float startX = chooser->GetCenterX() - perRow * step / 2.0f;
    const float firstY = (float)chooser->GetClientArea().bottom - 164.0f;
    for (int k = 0; k < c.slots; ++k) {
      SCOPED_TRACE(k);
      EXPECT_NEAR((blanks[k].left + blanks[k].right) / 2.0f, startX + step * (k % 4) + step / 2.0f, 1.0f);
      EXPECT_NEAR((blanks[k].top + blanks[k].bottom) / 2.0f, firstY + (step + 5.0f) * (k / 4) + step / 2.0f, 1.0f);
      EXPECT_EQ(blanks[k].a(), k < c.required ? 255 : 128) << "required places are solid";
    }
    GUI_SocialActivityChooser::Close();
  }
}

TEST_F(SocialScreens, FriendsFillPlacesFromTheLeftAndTheRefusedChangeNothing) {
  Type("party", 1, 99);
  GUI_SocialActivityChooser* chooser = Open();
  std::vector<SIM_NPC*> friends;
  for (int i = 0; i < 9; ++i) friends.push_back(Friend());

  Drop(friends[0]);
  Drop(friends[1]);
  std::vector<SIM_NPC*> slots = SlotPeople();
  ASSERT_EQ(slots.size(), 8u);
  EXPECT_EQ(slots[0], friends[1]) << "the newest guest stands first";
  EXPECT_EQ(slots[1], friends[0]);
  EXPECT_EQ(slots[2], nullptr);

  const std::vector<SIM_NPC*> before = SlotPeople();
  Drop(friends[0]);  // already invited
  SIM_NPC* stranger = Friend();
  stranger->SetIntroduced(false);
  Drop(stranger);  // never met
  EXPECT_EQ(SlotPeople(), before);
  EXPECT_EQ(chooser->GetInvitees().size(), 2u);

  for (int i = 2; i < 8; ++i) GUI_SocialActivityChooser::ForceDropIcon(friends[i]);
  ASSERT_EQ(chooser->GetInvitees().size(), 8u);
  const std::vector<SIM_NPC*> full = SlotPeople();
  EXPECT_FALSE(chooser->CanInvite(friends[8])) << "a ninth guest";
  Drop(friends[8]);
  EXPECT_EQ(SlotPeople(), full);
  EXPECT_TRUE(GUI_SocialActivityChooser::NPCAlreadyInvited(friends[5]));
  EXPECT_FALSE(GUI_SocialActivityChooser::NPCAlreadyInvited(friends[8]));

  // A dropped friend lands only when let go over the chooser.
  GUI_SocialActivityChooser::Close();
  chooser = Open();
  GUI_DragIcon::Create(friends[0]);
  GetInput()->mouseX = (float)chooser->rect.right + 100.0f;
  GetInput()->mouseY = chooser->GetCenterY();
  GUI_DragIcon::Drop();
  EXPECT_TRUE(chooser->GetInvitees().empty());
}

TEST_F(SocialScreens, ARomanticEveningIsForThePartnerAlone) {
  Type("candlelit", 2, 2, 0, 0, "ROMANTIC");
  GUI_SocialActivityChooser* chooser = Open();
  SIM_NPC* other = Friend();
  EXPECT_FALSE(chooser->CanInvite(other));
  Drop(other);
  EXPECT_TRUE(chooser->GetInvitees().empty());
  EXPECT_EQ(SlotPeople(), std::vector<SIM_NPC*>{nullptr});
}

TEST_F(SocialScreens, PagingWrapsBothWaysAndSendsTheGuestsHome) {
  Type("first", 1, 5);
  Type("second", 1, 3);
  Type("third", 1, 2);
  SIM_SocialiseType* locked = Type("hidden", 1, 4);
  locked->SetLocked(true);
  GUI_SocialActivityChooser* chooser = Open();
  auto shown = [] { return GUI_SocialActivityChooser::GetSelectedType()->GetName(); };
  ASSERT_EQ(chooser->GetOffered().size(), 3u) << "a locked type is not on offer";
  EXPECT_EQ(shown(), "first");
  EXPECT_EQ(chooser->GetDescriptionText().find("<TOWNNAME>"), std::string::npos);

  GUI_SocialActivityChooser::PrevPlace(chooser);
  EXPECT_EQ(shown(), "third") << "back from the first wraps to the last";
  GUI_SocialActivityChooser::NextPlace(chooser);
  EXPECT_EQ(shown(), "first");

  GUI_SocialActivityChooser::ForceDropIcon(Friend());
  chooser->Draw();
  EXPECT_FALSE(chooser->GetNextButton()->IsEnabled()) << "the arrows rest while anybody is invited";
  EXPECT_FALSE(chooser->GetPrevButton()->IsEnabled());

  // Keys and the wheel page all the same, with the click, and paging empties the guest list.
  struct Step {
    unsigned key;  // 0: the wheel down
    const char* then;
  };
  const Step steps[] = {{GUI_SocialActivityChooser::KEY_RIGHT, "second"},
                        {0, "third"},
                        {GUI_SocialActivityChooser::KEY_RIGHT, "first"},
                        {GUI_SocialActivityChooser::KEY_LEFT, "third"}};
  for (const Step& step : steps) {
    GUI_GetSounds()->PlaySound("data/sounds/nothing_yet.ogg", false);
    if (step.key) {
      chooser->HandleKey(step.key);
    } else {
      GUI_GetGUI()->MouseWheelDown();
    }
    EXPECT_EQ(shown(), step.then);
    EXPECT_TRUE(chooser->GetInvitees().empty());
    EXPECT_EQ(GUI_GetSounds()->GetLastPlayed(), "data/sounds/zelk_click.ogg");
    GUI_SocialActivityChooser::ForceDropIcon(Friend());
  }
  const std::vector<SIM_NPC*> places = SlotPeople();
  EXPECT_EQ(places.size(), 1u) << "the third type has one place";
  EXPECT_EQ(std::count(places.begin(), places.end(), nullptr), 0);

  chooser->HandleKey(GUI_SocialActivityChooser::KEY_ESCAPE);
  EXPECT_FALSE(GUI_SocialActivityChooser::IsOpen());
}

TEST_F(SocialScreens, SelectSocialOpensOnTheNamedTypeOrTheFirstAndTheButtonToggles) {
  Type("first", 1, 5);
  Type("cinema", 1, 5);
  SIM_GetScript()->RunScript("SelectSocial(cinema)", 1.0f);
  ASSERT_TRUE(GUI_SocialActivityChooser::IsOpen());
  EXPECT_EQ(GUI_SocialActivityChooser::GetSelectedType()->GetName(), "cinema");
  GUI_SocialActivityChooser::Close();
  GUI_SocialActivityChooser::ScrollToActivity("nothing like it");
  ASSERT_TRUE(GUI_SocialActivityChooser::IsOpen());
  EXPECT_EQ(GUI_SocialActivityChooser::GetSelectedType()->GetName(), "first");

  GUI_SocialActivityChooser::Create();
  EXPECT_FALSE(GUI_SocialActivityChooser::IsOpen()) << "the social button a second time closes it";
  EXPECT_EQ(GUI_SocialActivityChooser::GetSelectedType(), nullptr);
}

TEST_F(SocialScreens, TheSocialiseButtonWantsEnoughGuestsHealthAndTheMoney) {
  struct Case {
    int minimum, hostCost, costPerHead;
    float cash;
    int guests;
    bool enabled;
    const char* label;
  };
  const Case cases[] = {
      {3, 0, 10, 100.0f, 1, false, "SOCIALISE"},         {3, 0, 10, 100.0f, 2, true, "SOCIALISE"},
      {1, 200, 10, 100.0f, 0, false, "INSUFFICIENT_CASH"}, {1, 0, 150, 100.0f, 3, false, "INSUFFICIENT_CASH"},
      {1, 0, 90, 100.0f, 5, true, "SOCIALISE"},            {1, 0, SIM_SocialiseType::kVariableCost, 0.0f, 0, true, "SOCIALISE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " " + std::to_string(c.costPerHead));
    SIM_SocialiseType::Close();
    Type("evening", c.minimum, 99, c.hostCost, c.costPerHead);
    SIM_GetFinances()->SetCash(c.cash);
    GUI_SocialActivityChooser* chooser = Open();
    for (int i = 0; i < c.guests; ++i) GUI_SocialActivityChooser::ForceDropIcon(Friend());
    Recorder().Clear();
    chooser->Draw();
    EXPECT_EQ(chooser->GetSocialiseButton()->IsEnabled(), c.enabled);
    EXPECT_EQ(chooser->GetSocialiseButton()->GetText(), GTranslation::GetString(c.label));
    EXPECT_EQ(Recorder().HasText(GTranslation::GetString("SOCIALISE_HOSTCOST")), c.hostCost > 0);
    EXPECT_EQ(Recorder().HasText(GTranslation::GetString("VARIABLE")), c.costPerHead == SIM_SocialiseType::kVariableCost);
    GUI_SocialActivityChooser::Close();
  }
  // Opened by a script outside the evening, it starts nothing.
  Type("evening", 1, 99);
  SIM_GetFinances()->SetCash(100.0f);
  GUI_SocialActivityChooser* chooser = Open();
  chooser->Draw();
  EXPECT_TRUE(chooser->GetSocialiseButton()->IsEnabled());
  SIM_GetSim()->SetMode(SIM_SIM::TURNMODE_DAYENDED);
  chooser->Draw();
  EXPECT_FALSE(chooser->GetSocialiseButton()->IsEnabled());

  EXPECT_EQ(GUI_SocialActivityChooser::Delimited(1234567), "1,234,567");
  EXPECT_EQ(GUI_SocialActivityChooser::Delimited(999), "999");
}

TEST_F(SocialScreens, WithNothingOnTonightTheChooserSaysSoAndStartsNothing) {
  GUI_SocialActivityChooser* chooser = Open();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->GetOffered().empty());
  EXPECT_EQ(GUI_SocialActivityChooser::GetSelectedType(), nullptr);
  EXPECT_TRUE(chooser->GetIcons().empty());
  chooser->HandleKey(GUI_SocialActivityChooser::KEY_RIGHT);
  GUI_SocialActivityChooser::ForceDropIcon(Friend());
  Recorder().Clear();
  chooser->Draw();
  EXPECT_FALSE(chooser->GetSocialiseButton()->IsEnabled());
  EXPECT_TRUE(Recorder().HasText(GTranslation::GetString("SOCIALISE_NOTHING_TODAY_TITLE")));
  const int remaining = SIM_GetSim()->GetActivitiesRemaining();
  GUI_SocialActivityChooser::Socialise(0);
  EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), remaining);
  EXPECT_EQ(GUI_PostMortem::PTheWindow, nullptr);
}

// ---------------------------------------------------------------------------------------------
// The evening and its report

TEST_F(SocialScreens, SocialiseRunsTheEveningAndItsReportClosesWithTheDaysBookkeeping) {
  Type("party", 1, 6);
  const int remaining = SIM_GetSim()->GetActivitiesRemaining();
  GUI_SocialActivityChooser* chooser = Open();
  std::vector<SIM_NPC*> guests = {Friend(), Friend(), Friend()};
  for (SIM_NPC* npc : guests) Drop(npc);
  ASSERT_EQ(chooser->GetInvitees().size(), 3u);
  chooser->Draw();
  ASSERT_TRUE(chooser->GetSocialiseButton()->IsEnabled());
  const float unlockPoints = SIM_TimeChunkType::UnlockPoints;

  GetInput()->mouseX = chooser->GetSocialiseButton()->GetCenterX();
  GetInput()->mouseY = chooser->GetSocialiseButton()->GetCenterY();
  ASSERT_TRUE(GUI_GetGUI()->CheckClick());

  EXPECT_FALSE(GUI_SocialActivityChooser::IsOpen());
  EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), remaining - 1) << "the evening used its slot";
  GUI_PostMortem* report = GUI_PostMortem::PTheWindow;
  ASSERT_NE(report, nullptr);
  ASSERT_EQ(report->GetIcons().size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const RECT r = GUI_PostMortem::IconRect(k, 3, H());
    EXPECT_EQ(report->GetIcons()[k]->rect.top, r.top);
    EXPECT_EQ(report->GetIcons()[k]->rect.left, 16);
  }
  EXPECT_EQ(report->GetSelected(), report->GetInstance()->GetEffects().front());
  EXPECT_EQ(GUI_Skills::PTheWindow->width, 190) << "the skills panel shows what changed";

  report->GetIcons()[2]->Click();
  EXPECT_EQ(report->GetSelected(), report->GetInstance()->GetEffects()[2]);
  EXPECT_EQ(report->GetOpinion()->GetEffect(), report->GetSelected());
  Recorder().Clear();
  report->Draw();
  EXPECT_TRUE(Recorder().HasText(report->GetSelected()->GetEventHappinessString()));

  GUI_PostMortem::Continue(0);
  EXPECT_EQ(GUI_PostMortem::PTheWindow, nullptr);
  EXPECT_FLOAT_EQ(SIM_TimeChunkType::UnlockPoints, unlockPoints + 3.0f) << "the hosted evening's closing steps ran";
  EXPECT_NE(GUI_Skills::PTheWindow->width, 190);
}

TEST_F(SocialScreens, ReportIconsStandInACentredColumnWithTheLinkToTheSelectedOne) {
  EXPECT_EQ(GUI_PostMortem::IconRect(0, 1, 768.0f).top, 384 - 116);
  for (int n : {1, 2, 5, 8}) {
    for (int k = 0; k < n; ++k) {
      const RECT r = GUI_PostMortem::IconRect(k, n, 768.0f);
      EXPECT_EQ(r.top, 384 - 36 * n - 80 + 76 * k);
      EXPECT_EQ(r.bottom - r.top, 72);
      EXPECT_EQ(r.left, 16);
      EXPECT_EQ(r.right, 88);
    }
  }
  RECT link[3];
  RECT high;
  SetRect(&high, 16, 200, 88, 272);
  GUI_PostMortemIcon::LinkRects(high, link);
  EXPECT_EQ(link[0].left, 78);
  EXPECT_EQ(link[0].right, 108);
  EXPECT_EQ(link[0].top, 232);
  EXPECT_EQ(link[1].top, 232);
  EXPECT_EQ(link[1].bottom, 508);
  EXPECT_EQ(link[2].left, 116);
  EXPECT_EQ(link[2].right, 146);
  EXPECT_EQ(link[2].top, 500);
  RECT low;
  SetRect(&low, 16, 560, 88, 632);
  GUI_PostMortemIcon::LinkRects(low, link);
  EXPECT_EQ(link[1].top, 500) << "below the panel's foot the link climbs";
  EXPECT_EQ(link[1].bottom, link[0].bottom);
}

TEST_F(SocialScreens, TheFriendshipSliderSitsAtHalfPlusTheChangeOverTheScalar) {
  const float scalar = SIM_GetGlobalVariables()->Get("GV_SOCIALISE_BOOST_SCALAR");
  ASSERT_GT(scalar, 0.0f);
  struct Case {
    float change, position;
  };
  const Case cases[] = {{0.0f, 0.5f}, {scalar / 4.0f, 0.75f}, {scalar / 2.0f, 1.0f}, {scalar * 3.0f, 1.0f},
                        {-scalar / 2.0f, 0.0f}, {-scalar, 0.0f}};
  for (const Case& c : cases) EXPECT_FLOAT_EQ(GUI_PostMortemEffectBar::SliderPosition(c.change, scalar), c.position) << c.change;

  // On screen: the knob along a track 120 shorter than the bar.
  HandMadeEvening* evening = new HandMadeEvening();
  evening->SetType(Type("party", 1, 6));
  evening->SetHost(SIM_GetVede());
  evening->AddOutcome(Friend(), scalar / 4.0f);
  GUI_PostMortem::Create(evening);
  Recorder().Clear();
  GUI_PostMortem::PTheWindow->Draw();
  std::vector<DrawRecord> knob = QuadsOf("pmeffect_slider.dds");
  ASSERT_EQ(knob.size(), 1u);
  const GUI_PostMortemEffectBar* bar = GUI_PostMortem::PTheWindow->GetOpinion()->GetEffectBar();
  const float L = bar->GetWidth() - 120.0f;
  EXPECT_FLOAT_EQ((knob[0].left + knob[0].right) / 2.0f, bar->GetCenterX() - L / 2.0f + 0.75f * L);
  EXPECT_FLOAT_EQ(knob[0].right - knob[0].left, 32.0f);
}

TEST_F(SocialScreens, CharacterRowsNameWhatTheTraitMovesAndTheCookieIsOnlyForTheChineseRestaurant) {
  SIM_NPC* guest = Friend();
  guest->GetCharacterTypes().clear();
  for (SIM_CharacterType* type : SIM_CharacterType::All) {
    if (!type->HasEffects()) continue;
    guest->GetCharacterTypes().push_back(type);
  }
  ASSERT_FALSE(guest->GetCharacterTypes().empty());
  SIM_NPC* plain = Friend();
  plain->GetCharacterTypes().clear();

  for (const char* name : {"party", "chineserestaurant"}) {
    SCOPED_TRACE(name);
    HandMadeEvening* evening = new HandMadeEvening();
    evening->SetType(Type(name, 1, 6));
    evening->SetHost(SIM_GetVede());
    evening->AddOutcome(guest, 0.0f);
    evening->AddOutcome(plain, 0.0f);
    GUI_PostMortem* report = GUI_PostMortem::Create(evening);
    EXPECT_EQ(report->GetFortuneCookie() != nullptr, std::string(name) == "chineserestaurant");
    if (report->GetFortuneCookie()) {
      EXPECT_EQ(report->GetFortuneCookie()->rect.left, 390);
      EXPECT_EQ(report->GetFortuneCookie()->rect.top, (int)H() - 54);
    }

    const std::vector<GUI_PostMortemPersonality*>& rows = report->GetOpinion()->GetPersonalities();
    ASSERT_EQ(rows.size(), guest->GetCharacterTypes().size());
    for (size_t i = 0; i < rows.size(); ++i) {
      SIM_CharacterType* type = guest->GetCharacterTypes()[i];
      SIM_Attribute* target = SIM_Attribute::GetAttribute(type->GetTarget());
      SCOPED_TRACE(type->GetName());
      if (target && target->GetOpposite() && target->IsHidden()) {
        EXPECT_EQ(rows[i]->GetText(), target->GetOpposite()->GetGUIName());
        EXPECT_FLOAT_EQ(rows[i]->GetAmount(), -type->GetEffect());
      } else {
        EXPECT_EQ(rows[i]->GetText(), type->GetTargetGUIName());
        EXPECT_FLOAT_EQ(rows[i]->GetAmount(), type->GetEffect());
      }
      EXPECT_EQ(rows[i]->GetAmountText()[0], rows[i]->GetAmount() > 0.0f ? '+' : '-');
    }
    report->Select(evening->GetEffects()[1]);
    EXPECT_TRUE(report->GetOpinion()->GetPersonalities().empty()) << "no traits, no rows";
    GUI_PostMortem::Close();
    EXPECT_EQ(evening->closed, 1);
  }
}

// (No attribute of the tables is both hidden and paired with an opposite, so a row showing such a
// target as its opposite has no case here.)
TEST_F(SocialScreens, ACharacterRowNamesWhatTheTraitMovesWithItsSignAndShare) {
  struct Case {
    const char* effect;
    float scale;
    std::string text;
    float amount;
    const char* amountText;
  };
  const Case cases[] = {
      {"optimism,-0.02,0", 1.0f, SIM_Attribute::GetAttribute("optimism")->GetGUIName(), -0.02f, "-2"},
      {"happiness,0.03,0", 1.0f / 3.0f, SIM_Attribute::GetAttribute("happiness")->GetGUIName(), 0.03f, "+1"},
      {"vorla,0.05,0", 0.5f, GTranslation::GetString("CHARACTERTYPE_VORLA"), 0.05f, "+2"},
      // A skill is no attribute: the row shows its name instead of failing.
      {"persuasion,0.02,0", 1.0f, GTranslation::GetString("nv_persuasion"), 0.02f, "+2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.effect);
    SIM_CharacterType type("testtrait", "Test trait", "", "", 0.0f, c.amount > 0.0f);
    type.SetEffect(c.effect);
    GUI_PostMortemPersonality row(&type, c.scale);
    EXPECT_EQ(row.GetText(), c.text);
    EXPECT_FLOAT_EQ(row.GetAmount(), c.amount);
    EXPECT_EQ(row.GetAmountText(), c.amountText);
  }
}

TEST_F(SocialScreens, AnEveningNobodyCameToHasNoFacesAndSaysSo) {
  HandMadeEvening* evening = new HandMadeEvening();
  evening->SetType(Type("party", 1, 6));
  evening->SetHost(SIM_GetVede());
  GUI_PostMortem* report = GUI_PostMortem::Create(evening);
  EXPECT_TRUE(report->GetIcons().empty());
  EXPECT_EQ(report->GetOpinion(), nullptr);
  Recorder().Clear();
  report->Draw();
  EXPECT_TRUE(Recorder().HasText(GTranslation::GetString("POSTMORTEM_NOBODY")));
  // A second report closes the first, whose closing steps run first.
  HandMadeEvening* next = new HandMadeEvening();
  next->SetType(Type("party2", 1, 6));
  GUI_PostMortem::Create(next);
  EXPECT_EQ(evening->closed, 1);
  EXPECT_EQ(next->closed, 0);
}

}  // namespace
