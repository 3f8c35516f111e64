// Post-it notes: the four places, the refused fifth note, removal by text, drawing and clicks.
#include <cstdlib>

#include "GDebug.h"
#include "GUI_Postit.h"
#include "GUI_SoloActivityChooser.h"
#include "GuiToolkitTestSupport.h"
#include "TestSupport.h"

using namespace guitest;

namespace {

class PostitTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    GetDebug()->Initialise();
    GUI_Postit::Open();
  }
  void TearDown() override {
    GUI_Postit::Close();
    GuiTest::TearDown();
  }
  static std::pair<int, int> Place(const GUI_Postit* note) { return {note->GetRect()->left, note->GetRect()->top}; }
};

using P = std::pair<int, int>;

TEST_F(PostitTest, NotesTakeTheFirstFreePlaceAndAFifthIsRefused) {
  GUI_Postit* a = GUI_Postit::Create("Feed the cat", GUI_Postit::TYPE_PETFOOD);
  GUI_Postit* b = GUI_Postit::Create("Pottery class", GUI_Postit::TYPE_EVENINGCLASS);
  GUI_Postit* c = GUI_Postit::Create("Dentist", GUI_Postit::TYPE_SCHEDULEDEVENT);
  GUI_Postit* d = GUI_Postit::Create("Party", GUI_Postit::TYPE_SCHEDULEDEVENT);
  EXPECT_EQ(Place(a), P(111, 84));
  EXPECT_EQ(Place(b), P(232, 84));
  EXPECT_EQ(Place(c), P(540, 23));
  EXPECT_EQ(Place(d), P(85, 543));
  EXPECT_EQ(a->GetWidth(), 155.0f);
  EXPECT_EQ(a->GetHeight(), 155.0f);

  EXPECT_EQ(GUI_Postit::Create("One too many", GUI_Postit::TYPE_PETFOOD), nullptr);
  EXPECT_EQ(GUI_Postit::All.size(), 4u);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("Not enough postit slots"), std::string::npos);

  // A freed place is the first taken again.
  delete a;
  GUI_Postit* e = GUI_Postit::Create("Buy milk", GUI_Postit::TYPE_PETFOOD);
  EXPECT_EQ(Place(e), P(111, 84));
  GUI_Postit::RemoveByText("Pottery class");
  EXPECT_EQ(Place(GUI_Postit::Create("Gym", GUI_Postit::TYPE_EVENINGCLASS)), P(232, 84));

  // The end of the day clears every note and every place.
  GUI_Postit::Close();
  EXPECT_TRUE(GUI_Postit::All.empty());
  for (const GUI_PostitSlot& slot : GUI_Postit::Slots) EXPECT_EQ(slot.note, nullptr);
  EXPECT_TRUE(GUI_GetWindowManager()->GetWindows().empty());
}

TEST_F(PostitTest, RemoveByTextTakesOnlyTheFirstMatch) {
  GUI_Postit* first = GUI_Postit::Create("Same", GUI_Postit::TYPE_PETFOOD);
  GUI_Postit* second = GUI_Postit::Create("Same", GUI_Postit::TYPE_PETFOOD);
  GUI_Postit::RemoveByText("Nothing like it");
  EXPECT_EQ(GUI_Postit::All.size(), 2u);
  GUI_Postit::RemoveByText("Same");
  ASSERT_EQ(GUI_Postit::All.size(), 1u);
  EXPECT_EQ(GUI_Postit::All.front(), second);
  EXPECT_EQ(GUI_Postit::Slots[0].note, nullptr);
  (void)first;
}

TEST_F(PostitTest, DrawingGlowsUnderTheMouseAndPlacesMirroredTextFurtherRight) {
  // Notes are mirrored at random: make notes until there is one of each kind.
  std::srand(1);
  GUI_Postit* plain = nullptr;
  GUI_Postit* mirrored = nullptr;
  for (int i = 0; i < 40 && !(plain && mirrored); ++i) {
    GUI_Postit* note = GUI_Postit::Create("Note", GUI_Postit::TYPE_PETFOOD);
    GUI_Postit*& slot = note->IsMirrored() ? mirrored : plain;
    if (!slot) {
      slot = note;
    } else {
      delete note;
    }
  }
  ASSERT_TRUE(plain && mirrored);

  DrawRecorder& rec = D3DEngine::GetRecorder();
  for (GUI_Postit* note : {plain, mirrored}) {
    MoveMouse(2000, 2000);
    rec.Clear();
    note->DrawOnTop();
    EXPECT_EQ(rec.FindTexture("postit_highlight.png"), nullptr);
    const DrawRecord* text = rec.FindText("Note");
    ASSERT_NE(text, nullptr);
    const float dx = note->IsMirrored() ? 50.0f : 25.0f;
    EXPECT_EQ(text->left, (float)note->GetRect()->left + dx);
  }
  // The mirrored note's text starts 10 pixels higher.
  rec.Clear();
  plain->DrawOnTop();
  const float plainTop = rec.FindText("Note")->top - (float)plain->GetRect()->top;
  rec.Clear();
  mirrored->DrawOnTop();
  const float mirroredTop = rec.FindText("Note")->top - (float)mirrored->GetRect()->top;
  EXPECT_EQ(plainTop - mirroredTop, 10.0f);

  // Under the mouse: the glow, 8 pixels larger, before the note.
  MoveMouse(plain->GetCenterX(), plain->GetCenterY());
  rec.Clear();
  plain->DrawOnTop();
  const DrawRecord* glow = rec.FindTexture("postit_highlight.png");
  ASSERT_NE(glow, nullptr) << rec.Dump();
  EXPECT_EQ(glow->Width(), 163.0f);
  const DrawRecord* paper = rec.FindTexture("postit.png");
  ASSERT_NE(paper, nullptr);
  EXPECT_EQ(paper->Width(), 155.0f);
  EXPECT_LT(glow, paper);  // drawn first
}

TEST_F(PostitTest, AClickOnAReminderShowsItsActivityAndKeepsTheNote) {
  GUI_Postit* note = GUI_Postit::Create("Pottery tonight", GUI_Postit::TYPE_EVENINGCLASS);
  note->SetContextString("pottery");
  EXPECT_FALSE(ClickAt(50, 50));  // beside every note
  EXPECT_TRUE(ClickAt(note->GetCenterX(), note->GetCenterY()));
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  GUI_SoloActivityChooser::Close();
  EXPECT_EQ(GUI_Postit::All.size(), 1u);
}

}  // namespace
