// The people on the in-game screen, headless on the recording renderer: the friend column round
// the avatar, the acquaintance column and its connectors, the icons' batches, the relationship
// lines, and the person window with its two tabs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "../gui_toolkit/GuiToolkitTestSupport.h"
#include "../people/PeopleTestSupport.h"
#include "ActivityHooks.h"
#include "D3DEngine.h"
#include "DrawRecorder.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_DragIcon.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_ButtonTab.h"
#include "GUI_NPC.h"
#include "GUI_NPCIcon.h"
#include "GUI_NPCIconParts.h"
#include "GUI_NPCTabs.h"
#include "GUI_Relationship.h"
#include "GUI_TabContainer.h"
#include "GUI_ValueBar.h"
#include "GUI_WindowManager.h"

namespace {

using peopletest::Town;

class PeopleScreens : public Town {
 protected:
  void SetUp() override {
    Town::SetUp();
    D3DEngine* engine = GetD3DEngine();
    engine->Initialise(nullptr, nullptr, 1024, 768, 32, true, true);
    if (engine->GetBitmapDirectories().empty()) engine->AddBitmapDirectories("data/bitmaps", true);
    if (GetTextEngine()->GetFonts().empty()) GetTextEngine()->LoadFonts();
    GTimer::SetClock(&guitest::Now);
    GetInput()->Process();  // mouse moves free
    Rec().Clear();
  }
  void TearDown() override {
    GUI_GetWindowManager()->CloseAll();
    GTimer::SetClock(nullptr);
    Town::TearDown();
  }

  static DrawRecorder& Rec() { return D3DEngine::GetRecorder(); }
  static V2 Anchor() { return V2(998.0f, GUI_GetAvatar()->GetCenter().y); }
  // The recorder names the file a texture was read from: "heart.dds" may be "heart.png".
  static std::string Stem(const std::string& name) { return name.substr(0, name.rfind('.')); }
  static std::vector<DrawRecord> Quads(const std::string& texture) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : Rec().Filter(DrawKind::Quad))
      if (Stem(r.texture) == Stem(texture)) out.push_back(r);
    return out;
  }
  static float CX(const DrawRecord& r) { return (r.left + r.right) / 2.0f; }
  static float CY(const DrawRecord& r) { return (r.top + r.bottom) / 2.0f; }
  static void MouseAt(float x, float y) {
    GetInput()->Process();
    guitest::MoveMouse(x, y);
  }
  static void RightClickOn(const SIM_NPC* npc) {
    MouseAt(npc->GetIcon()->GetX(), npc->GetIcon()->GetY());
    if (!GUI_NPC::CheckRightClickAll()) GUI_NPCIcon::CheckRightClickAll();
  }
  // The friends of the player with the strengths given, in that link order, laid out.
  static std::vector<SIM_NPC*> Friends(const std::vector<float>& strengths) {
    std::vector<SIM_NPC*> out;
    for (float s : strengths) out.push_back(Friend(s));
    GUI_NPCIcon::PositionAll();
    return out;
  }
};

TEST_F(PeopleScreens, TheAvatarStandsRightOfCentreHalfwayDown) {
  EXPECT_EQ(GUI_GetAvatar()->GetCenter(), V2(1024.0f - 256.0f, 384.0f));
}

TEST_F(PeopleScreens, OneFriendSitsJustRightOfTheColumnAboveTheAvatar) {
  SIM_NPC* npc = Friends({0.5f})[0];
  GUI_NPCIcon::DrawAll();
  const std::vector<DrawRecord> faces = Quads(npc->GetPortraitTexture());
  ASSERT_EQ(faces.size(), 1u) << Rec().Dump();
  EXPECT_NEAR(CX(faces[0]), 538.1f, 0.05f);
  EXPECT_NEAR(CY(faces[0]), Anchor().y - 10.0f, 0.01f);
  EXPECT_FLOAT_EQ(faces[0].Width(), GUI_NPCIcon::kFriendSize);
  EXPECT_EQ(GUI_NPCIcon::NumPositionIndexes, 1);
  EXPECT_EQ(npc->GetIcon()->GetPositionIndex(), 0);
}

TEST_F(PeopleScreens, TheColumnStartsAt35nAboveAndCurvesRoundTheAvatar) {
  for (int n = 1; n <= 8; ++n) {
    SIM_NPC::Close();
    std::vector<SIM_NPC*> friends = Friends(std::vector<float>(n, 0.5f));
    const V2 a = Anchor();
    for (int i = 0; i < n; ++i) {
      const GUI_NPCIcon* icon = friends[i]->GetIcon();
      const float y = a.y - 35.0f * n + 25.0f + 70.0f * i;
      EXPECT_FLOAT_EQ(icon->GetY(), y) << n << " friends, #" << i;
      EXPECT_NEAR(icon->GetX(), 538.0f + std::hypot(a.x - 538.0f, a.y - y) - 460.0f, 1e-3f);
      EXPECT_TRUE(icon->IsVisible());
    }
    EXPECT_EQ(GUI_NPCIcon::NumPositionIndexes, n);
  }
}

TEST_F(PeopleScreens, StrongerFriendsComeFirstAndTiesKeepTheListOrder) {
  std::vector<SIM_NPC*> f = Friends({0.3f, 0.6f, 0.3f, 0.9f, 0.3f});
  const std::vector<SIM_NPC*> expected = {f[3], f[1], f[0], f[2], f[4]};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i]->GetIcon()->GetPositionIndex(), i) << i;
  EXPECT_LT(f[0]->GetIcon()->GetY(), f[2]->GetIcon()->GetY());
  EXPECT_LT(f[2]->GetIcon()->GetY(), f[4]->GetIcon()->GetY());
}

TEST_F(PeopleScreens, WithoutFriendsEveryIconHidesAndTheCountStays) {
  SIM_NPC* npc = Friends({0.5f, 0.5f})[0];
  ASSERT_EQ(GUI_NPCIcon::NumPositionIndexes, 2);
  for (SIM_Relationship* link : std::list<SIM_Relationship*>(SIM_GetVede()->GetRelationships())) link->SetFriendship(false);
  GUI_NPCIcon::PositionAll();
  EXPECT_FALSE(npc->GetIcon()->IsVisible());
  EXPECT_EQ(GUI_NPCIcon::NumPositionIndexes, 2);
  GUI_NPCIcon::DrawAll();
  GUI_Relationship::DrawAll();
  EXPECT_EQ(Rec().Count(DrawKind::Quad), 0) << Rec().Dump();
}

TEST_F(PeopleScreens, AFriendDrawsBackgroundFaceBarThenFillThatGrowsUpward) {
  SIM_NPC* npc = Friends({0.5f})[0];
  GUI_NPCIcon::DrawAll();
  std::vector<std::string> order;
  for (const DrawRecord& r : Rec().Filter(DrawKind::Quad)) order.push_back(Stem(r.texture));
  EXPECT_EQ(order, (std::vector<std::string>{"npc_icon_background", Stem(npc->GetPortraitTexture()), "status_bar",
                                             "status_bar_fill"}));
  const RECT& icon = *npc->GetIcon()->GetRect();
  const DrawRecord bar = Quads("status_bar.dds").at(0);
  const DrawRecord fill = Quads("status_bar_fill.dds").at(0);
  EXPECT_FLOAT_EQ(bar.left, (float)icon.left - 11.0f);
  EXPECT_FLOAT_EQ(bar.Width(), 16.0f);
  EXPECT_FLOAT_EQ(bar.Height(), 51.0f);
  EXPECT_FLOAT_EQ(fill.Height(), 25.5f);
  EXPECT_FLOAT_EQ(fill.bottom, bar.bottom);
}

TEST_F(PeopleScreens, ClickingAFriendLaysOutTheAcquaintancesWithConnectors) {
  SIM_NPC* pal = Friends({0.5f})[0];
  std::vector<SIM_NPC*> known;
  for (int i = 0; i < 3; ++i) {
    known.push_back(Npc());
    known.back()->SetIntroduced(i != 2);
    Link(pal, known.back(), 0.4f, true);
  }
  SIM_NPC* alsoFriend = Friend(0.2f);  // a friend of both is no acquaintance
  Link(pal, alsoFriend, 0.4f, true);
  GUI_NPCIcon::PositionAll();

  MouseAt(pal->GetIcon()->GetX(), pal->GetIcon()->GetY());
  GUI_NPCIcon::CheckClickAll();
  EXPECT_TRUE(pal->GetIcon()->IsHighlighted());
  for (int i = 0; i < 3; ++i) {
    const GUI_NPCIcon* icon = known[i]->GetIcon();
    EXPECT_TRUE(icon->IsVisible());
    EXPECT_EQ(icon->GetStyle(), GUI_NPCIcon::ICONSTYLE_ACQUAINTANCE);
    EXPECT_FLOAT_EQ(icon->GetX(), 385.0f);
    EXPECT_FLOAT_EQ(icon->GetY(), -93.0f + 384.0f + 62.0f * i);
  }
  EXPECT_EQ(alsoFriend->GetIcon()->GetStyle(), GUI_NPCIcon::ICONSTYLE_FRIEND);

  GUI_NPCIcon::DrawAll();
  // The stranger shows the mystery face at half strength, and no portrait.
  const std::vector<DrawRecord> mystery = Quads("mystery.dds");
  ASSERT_EQ(mystery.size(), 1u);
  EXPECT_EQ(mystery[0].a(), 128);
  EXPECT_TRUE(Quads(known[2]->GetPortraitTexture()).empty() || known[2]->GetPortraitTexture() == known[0]->GetPortraitTexture());
  // Three spokes, the upright over them and the friend, the join to the friend; a dot per spoke.
  std::vector<DrawRecord> grey;
  for (const DrawRecord& r : Rec().Filter(DrawKind::Quad))
    if (r.texture.empty()) grey.push_back(r);
  ASSERT_EQ(grey.size(), 5u) << Rec().Dump();
  for (const DrawRecord& r : grey) EXPECT_EQ(r.colour, SpriteColor(192, 192, 192, 255));
  EXPECT_FLOAT_EQ(grey[0].left, 385.0f + 28.0f + 16.0f);
  EXPECT_FLOAT_EQ(grey[0].right, 485.0f);
  EXPECT_FLOAT_EQ(grey[3].top, std::min(known[0]->GetIcon()->GetY(), pal->GetIcon()->GetY()) - 2.0f);
  EXPECT_FLOAT_EQ(grey[3].bottom, std::max(known[2]->GetIcon()->GetY(), pal->GetIcon()->GetY()) + 2.0f);
  EXPECT_FLOAT_EQ(grey[4].right, (float)pal->GetIcon()->GetRect()->left);
  EXPECT_EQ(Quads("icon_chooser_circle.dds").size(), 3u);

  // A stranger ignores clicks; the next layout puts the acquaintances away.
  RightClickOn(known[2]);
  EXPECT_TRUE(GUI_NPC::OpenWindows.empty());
  GUI_NPCIcon::PositionAll();
  EXPECT_FALSE(known[0]->GetIcon()->IsVisible());
}

TEST_F(PeopleScreens, LineAlphaAndCircleFollowTheStrength) {
  for (float s : {0.0f, 0.1f, 0.37f, 0.5f, 0.98f, 1.0f}) {
    SIM_NPC::Close();
    SIM_NPC* npc = Friends({s})[0];
    Rec().Clear();
    GUI_Relationship::DrawAll();
    const std::vector<DrawRecord> circles = Quads("icon_chooser_circle.dds");
    ASSERT_EQ(circles.size(), 1u) << s;
    const int alpha = std::clamp((int)(196.0f * s) + 64, 64, 255);
    EXPECT_EQ(circles[0].a(), alpha) << s;
    EXPECT_NEAR(circles[0].Width(), 16.0f + 8.0f * s, 1e-3f) << s;
    EXPECT_NEAR(CX(circles[0]), (float)npc->GetIcon()->GetRect()->right + 13.5f, 1e-3f) << s;
    EXPECT_FLOAT_EQ(CY(circles[0]), npc->GetIcon()->GetY());
    const std::vector<DrawRecord> lines = Quads("");
    ASSERT_EQ(lines.size(), 3u);
    for (const DrawRecord& r : lines) EXPECT_EQ(r.a(), alpha);
    // A single friend's line leaves the avatar at its height and meets the circle.
    EXPECT_FLOAT_EQ(lines[0].right, 768.0f);
    EXPECT_FLOAT_EQ(CY(lines[0]), 384.0f);
    EXPECT_NEAR(lines[2].right, lines[1].right, 1e-3f);
    EXPECT_NEAR(lines[2].left, circles[0].right, 1e-3f);
  }
}

TEST_F(PeopleScreens, FourFriendsFanOutOfTheAvatarInColumnOrder) {
  std::vector<SIM_NPC*> f = Friends({0.2f, 0.8f, 0.4f, 0.6f});
  GUI_Relationship::DrawAll();
  std::map<int, float> offsetByIndex;
  for (const DrawRecord& r : Quads(""))
    if (std::fabs(r.right - 768.0f) < 1e-3f) offsetByIndex[(int)offsetByIndex.size()] = CY(r) - 384.0f;
  ASSERT_EQ(offsetByIndex.size(), 4u);
  // Lines draw in link order; the fan follows each friend's place in the column.
  for (int link = 0; link < 4; ++link) {
    const int index = f[link]->GetIcon()->GetPositionIndex();
    EXPECT_FLOAT_EQ(offsetByIndex[link], 10.0f * (index - 2)) << link;
  }
}

TEST_F(PeopleScreens, OnlyThePlayersLiveFriendshipsDrawALine) {
  SIM_NPC* a = Npc();
  SIM_NPC* b = Npc();
  Link(a, b, 0.9f, true);                   // between two others
  Link(SIM_GetVede(), a, 0.9f, false);      // an acquaintance of the player
  SIM_Relationship* gone = Link(SIM_GetVede(), b, 0.9f, true);
  gone->ProcessBase::Delete();              // marked dead, persons still known
  GUI_NPCIcon::PositionAll();
  GUI_Relationship::DrawAll();
  EXPECT_EQ(Rec().Count(DrawKind::Quad), 0) << Rec().Dump();
  EXPECT_EQ(GUI_Relationship::All.size(), 3u);
}

TEST_F(PeopleScreens, PersonWindowOnePerPersonAndRightClickClosesTheFirstUnderTheMouse) {
  std::vector<SIM_NPC*> f = Friends({0.7f, 0.5f});
  EXPECT_EQ(f[0]->GetIcon()->GetTooltip()->GetText(), GTranslation::GetString("NPCICON_FRIEND_TOOLTIP"));
  RightClickOn(f[0]);
  ASSERT_EQ(GUI_NPC::OpenWindows.size(), 1u);
  GUI_NPC* first = GUI_NPC::OpenWindows.front();
  EXPECT_EQ(first->GetNPC(), f[0]);
  EXPECT_EQ(first->GetTitle(), f[0]->GetForeName() + " " + f[0]->GetSurName());
  // After the first window from an icon every friend's tooltip names the friend.
  for (SIM_NPC* npc : f) EXPECT_EQ(npc->GetIcon()->GetTooltip()->GetText(), npc->GetFullName());

  // A right click over the window closes it and goes no further.
  MouseAt((float)first->rect.left + 100.0f, (float)first->rect.top + 100.0f);
  EXPECT_TRUE(GUI_NPC::CheckRightClickAll());
  EXPECT_TRUE(GUI_NPC::OpenWindows.empty());
  GUI_NPC::Create(f[1]);
  MouseAt(900.0f, 700.0f);
  GUI_NPC* second = GUI_NPC::Create(f[0]);
  EXPECT_EQ(GUI_NPC::OpenWindows.size(), 2u);
  GUI_NPC::Create(f[1]);  // raises, opens nothing new
  EXPECT_EQ(GUI_NPC::OpenWindows.size(), 2u);
  EXPECT_EQ(GUI_GetWindowManager()->GetWindows().back(), GUI_NPC::Find(f[1]));

  // Two windows under the mouse: only the first of the list goes.
  GUI_NPC* other = GUI_NPC::Find(f[1]);
  other->GUI_BaseElement::SetPosition((float)second->rect.left, (float)second->rect.top);
  MouseAt((float)second->rect.left + 50.0f, (float)second->rect.top + 50.0f);
  EXPECT_TRUE(GUI_NPC::CheckRightClickAll());
  ASSERT_EQ(GUI_NPC::OpenWindows.size(), 1u);
  EXPECT_EQ(GUI_NPC::OpenWindows.front(), second);
  MouseAt(5.0f, 5.0f);
  EXPECT_FALSE(GUI_NPC::CheckRightClickAll());
}

TEST_F(PeopleScreens, SummaryTabShowsTypesBarsAndTheFace) {
  SIM_NPC* npc = Friends({0.6f})[0];
  npc->SetRomanticCompatibility(0.25f);
  std::vector<SIM_CharacterType*>& types = npc->GetCharacterTypes();
  types = {SIM_CharacterType::GetByName("neutral"), SIM_CharacterType::GetByName("cool"),
           SIM_CharacterType::GetByName("intelligent")};
  MouseAt(100.0f, 100.0f);
  GUI_NPC* window = GUI_NPC::Create(npc);
  GUI_NPCSummaryTab* summary = window->GetSummaryTab();
  EXPECT_EQ(summary->GetTypeLine(), "Cool, Intelligent");
  ASSERT_EQ(summary->GetDescriptions().size(), 2u);
  EXPECT_EQ(summary->GetDescriptions()[0], npc->PersonaliseText(types[1]->GetDescription()));
  EXPECT_EQ(summary->GetDescriptions()[1], npc->PersonaliseText(types[2]->GetDescription2()));

  window->Draw();
  EXPECT_FLOAT_EQ(summary->GetFriendshipBar()->GetValue(), 0.6f);
  EXPECT_FLOAT_EQ(summary->GetCompatibilityBar()->GetValue(), 0.25f);
  EXPECT_TRUE(Rec().HasText(npc->GetForeName()));
  EXPECT_TRUE(Rec().HasText("Cool, Intelligent"));
  EXPECT_TRUE(Rec().HasText(GTranslation::GetString("RELATIONSHIP_STRENGTH")));
  EXPECT_EQ(Quads(npc->GetPortraitTexture()).size(), 1u);
  // Every text stays inside the window.
  for (const DrawRecord& r : Rec().Filter(DrawKind::Text)) {
    EXPECT_GE(r.left, (float)window->rect.left) << r.Describe();
    EXPECT_LE(r.bottom, (float)window->rect.bottom) << r.Describe();
  }

  // Only neutral: no line, no description. No link with the player: an empty bar.
  SIM_NPC* stranger = Npc();
  stranger->GetCharacterTypes() = {SIM_CharacterType::GetByName("neutral")};
  GUI_NPC* plain = GUI_NPC::Create(stranger);
  EXPECT_EQ(plain->GetSummaryTab()->GetTypeLine(), "");
  EXPECT_TRUE(plain->GetSummaryTab()->GetDescriptions().empty());
  plain->Draw();
  EXPECT_FLOAT_EQ(plain->GetSummaryTab()->GetFriendshipBar()->GetValue(), 0.0f);
}

// Every pair of types the town can give a person fits the summary page, wrapped, for a long name.
TEST_F(PeopleScreens, EveryPairOfTypesFitsTheSummaryPage) {
  SIM_NPC* npc = Friends({0.5f})[0];
  MouseAt(100.0f, 100.0f);
  for (SIM_CharacterType* first : SIM_CharacterType::All) {
    for (SIM_CharacterType* second : SIM_CharacterType::All) {
      if (first == second || first->GetName() == "neutral") continue;
      npc->GetCharacterTypes() = {first, second};
      GUI_NPC* window = GUI_NPC::Create(npc);
      Rec().Clear();
      window->Draw();
      const RECT& page = *window->GetSummaryTab()->GetRect();
      for (const DrawRecord& r : Rec().Filter(DrawKind::Text)) {
        if (r.top < (float)page.top) continue;
        EXPECT_LE(r.bottom, (float)page.bottom - 4.0f) << first->GetName() << "+" << second->GetName() << ": " << r.Describe();
        EXPECT_LE(r.right, (float)page.right - 4.0f) << first->GetName() << "+" << second->GetName() << ": " << r.Describe();
      }
      delete window;
    }
  }
}

TEST_F(PeopleScreens, InterestTabListsTwoColumnsAndHidesTheUndiscovered) {
  SIM_NPC* npc = Friends({0.5f})[0];
  SIM_InterestList& list = npc->GetInterests();
  list.Clear();
  for (int i = 0; i < 12; ++i) {
    SIM_Interest* interest = SIM_Interest::CreateRandom();
    interest->SetVisible(i != 1);
    list.Add(interest);
  }
  MouseAt(100.0f, 100.0f);
  GUI_NPC* window = GUI_NPC::Create(npc);
  window->GetInterestsButton()->Click();
  Rec().Clear();
  window->Draw();
  std::vector<DrawRecord> rows;
  const std::string unknown = GTranslation::GetString("INTEREST_UNKNOWN");
  const float tabLeft = (float)window->GetInterestTab()->rect.left;
  const float tabTop = (float)window->GetInterestTab()->rect.top;
  for (const DrawRecord& r : Rec().Filter(DrawKind::Text))
    if (r.top >= tabTop) rows.push_back(r);
  ASSERT_EQ(rows.size(), 12u) << Rec().Dump();
  EXPECT_EQ(rows[1].text, unknown);
  const std::list<SIM_Interest*>& interests = list.GetInterests();
  EXPECT_EQ(rows[0].text, interests.front()->GetType()->GetGUIName());
  // Rows 6.. continue down the second column, 157 to the right.
  EXPECT_NEAR(rows[5].left - rows[0].left, 157.0f, 2.0f);
  EXPECT_NEAR(rows[10].left, rows[5].left, 2.0f);
  EXPECT_NEAR(rows[10].top - rows[5].top, 5 * 18.0f, 1.0f);
  EXPECT_GE(rows[0].left, tabLeft + 20.0f);
}

TEST_F(PeopleScreens, HookOpensTheBestFriendsWindowOrNothing) {
  SIM_HookShowNPC();
  EXPECT_TRUE(GUI_NPC::OpenWindows.empty());
  std::vector<SIM_NPC*> f = Friends({0.3f, 0.8f});
  SIM_HookShowNPC();
  ASSERT_EQ(GUI_NPC::OpenWindows.size(), 1u);
  EXPECT_EQ(GUI_NPC::OpenWindows.front()->GetNPC(), f[1]);
}

TEST_F(PeopleScreens, APersonLeavingClosesTheirWindow) {
  SIM_NPC* npc = Friends({0.5f})[0];
  GUI_NPC::Create(npc);
  npc->Hide();
  EXPECT_TRUE(GUI_NPC::OpenWindows.empty());
  SIM_NPC* other = Friends({0.5f})[0];
  GUI_NPC::Create(other);
  SIM_NPC::Close();
  EXPECT_TRUE(GUI_NPC::OpenWindows.empty());
}

TEST_F(PeopleScreens, AClickWithTheSocialChooserOpenPicksTheFriendUpWhereTheIconIs) {
  SIM_NPC* npc = Friends({0.5f})[0];
  const GUI_NPCIcon* icon = npc->GetIcon();
  MouseAt(icon->GetX() + 10.0f, icon->GetY() + 5.0f);
  GUI_NPCIcon::CheckClickAll();
  EXPECT_EQ(GUI_DragIcon::GetDraggedNPC(), nullptr) << "nothing to drag onto";
  GUI_SocialActivityChooser::Create();
  ASSERT_TRUE(GUI_SocialActivityChooser::IsOpen());
  GUI_NPCIcon::CheckClickAll();
  ASSERT_EQ(GUI_DragIcon::GetDraggedNPC(), npc);
  Rec().Clear();
  GUI_DragIcon::DrawAll();
  const std::vector<DrawRecord> face = Quads(npc->GetPortraitTexture());
  ASSERT_EQ(face.size(), 1u);
  EXPECT_NEAR(CX(face[0]), icon->GetCenterX(), 0.5f);
  EXPECT_NEAR(CY(face[0]), icon->GetCenterY(), 0.5f);
  EXPECT_FLOAT_EQ(face[0].Width(), GUI_NPCIcon::kFriendSize);
  GUI_DragIcon::Close();
  GUI_SocialActivityChooser::Close();
}

TEST_F(PeopleScreens, SnubMarkerNamesThePersonAndTheEvening) {
  SIM_NPC* npc = Friends({0.5f})[0];
  npc->SetSnubDelay(3);
  npc->GetIcon()->GetSnubIcon()->Refresh("Sam", "the bowling night");
  GUI_NPCIcon::DrawAll();
  const std::vector<DrawRecord> marker = Quads("snubbed_icon.dds");
  ASSERT_EQ(marker.size(), 1u);
  EXPECT_FLOAT_EQ(marker[0].Width(), 22.0f);
  EXPECT_NEAR(marker[0].right, npc->GetIcon()->GetX() + 37.0f + 6.0f, 1.0f);
  const std::string& text = npc->GetIcon()->GetSnubIcon()->GetTooltip()->GetText();
  EXPECT_NE(text.find("Sam"), std::string::npos);
  EXPECT_NE(text.find("the bowling night"), std::string::npos);
  EXPECT_EQ(text.find('<'), std::string::npos);
}

}  // namespace
