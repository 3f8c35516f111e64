// Books, gifts, the gym and lottery tickets: an evening's pages by concentration, the finished
// book, a book that cannot teach more, the reading dialog's picture, the gift dialog with and
// without a partner, and the ticket used up by the evening. Each test starts a fresh game and
// reads a small asset table of its own.
#include <gtest/gtest.h>

#include <string>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_BookDetails.h"
#include "GUI_BookReading.h"
#include "GUI_ButtonText.h"
#include "GUI_Gift.h"
#include "GUI_SoloActivityChooser.h"
#include "HeadlessBooks.h"
#include "HeadlessPlayer.h"
#include "SIM_Asset.h"
#include "SIM_Book.h"
#include "SIM_Finances.h"
#include "SIM_Gift.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Gym.h"
#include "SIM_LotteryTicket.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_Skill.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace {

// Columns: marker, key, name, display name, department, description, picture, sounds, resale,
// price, daily cost, purchase, owned and use scripts, flags, pages, click action, unused,
// prerequisites.
const char* const kBookRows =
    "Header line, never a row\n"
    "#,sim_book,book_physics,Physics,books,Forces.,asset_book_physics.dds,,0.2,20,0,,,"
    "\"ApplyEffect(test_physics,0.03,0.99,Physics);ApplyEffect(test_maths,0.01,0.99,Physics)\","
    "\"SELLABLE,REBUYABLE\",200,showdetails,,\n"
    "#,sim_book,book_hard,Hard Sums,books,Sums.,asset_book_hard.dds,,0.2,20,0,,,"
    "\"ApplyEffect(test_maths,0.03,0.99,Sums)\",SELLABLE,100,showdetails,,\"test_genius,0.5\"\n"
    "#,sim_book,book_blank,Blank Pages,books,Nothing.,asset_book_blank.dds,,0.2,5,0,,,,SELLABLE,none,showdetails,,\n"
    "#,sim_book,sudoku,Sudoku,books,Numbers.,asset_sudoku.dds,,0,6,0,,,,,100,sudoku,,\n"
    "#,sim_gift,gift_flowers,Flowers,general,Roses.,asset_gift_flowers.dds,,0.1,25,0,,,,,,\n"
    "#,sim_lottery,lottery,Ticket,general,Dream.,asset_lottery.dds,,0,2,0,,,,REBUYABLE,,\n"
    "#,sim_gym,gym,Gym,general,Machines.,asset_gym.dds,,0,40,1,,,,SERVICE,,\n";

class Books : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessPlayer::StartNewGame(3);
    const std::string path = testsupport::TestRoot() + "/books_fixture.csv";
    testsupport::WriteFile(path, kBookRows);
    SIM_Asset::Open(path.c_str());
    SIM_GetFinances()->SetCash(1000.0f);
    SIM_GetGlobalVariables()->Set("GV_BOOKPAGESPERDAY", 50.0f);
    // Full concentration.
    for (const char* name : {"tiredness", "stress", "alcohol"}) SIM_GetVede()->GetNamedValue(name, true)->SetValue(0.0f);
  }
  void TearDown() override {
    GUI_BookReading::Close();
    GUI_Gift::Close();
  }
  static SIM_Book* Book(const char* name) {
    auto* book = dynamic_cast<SIM_Book*>(SIM_Asset::GetByName(name));
    EXPECT_NE(book, nullptr) << name;
    return book;
  }
  static void SetSkill(const char* name, float value) {
    SIM_NamedValueList& skills = SIM_GetVede()->GetSkills();
    SIM_NamedValue* skill = skills.GetNamedValue(name);
    if (!skill) {
      skill = new SIM_Skill(name);
      skills.AddValue(skill);
    }
    skill->SetValue(value);
  }
  static int BooksRead() { return SIM_GetStatistics()->GetIntCounter("BOOKS_READ"); }
};

TEST_F(Books, TheRowGivesPagesAndClickActionAndTheFactoryMakesEachKind) {
  EXPECT_EQ(Book("book_physics")->GetPages(), 200);
  EXPECT_EQ(Book("book_physics")->GetClickAction(), "showdetails");
  EXPECT_EQ(Book("sudoku")->GetClickAction(), "sudoku");
  EXPECT_NE(dynamic_cast<SIM_Gift*>(SIM_Asset::GetByName("gift_flowers")), nullptr);
  EXPECT_NE(dynamic_cast<SIM_LotteryTicket*>(SIM_Asset::GetByName("lottery")), nullptr);
  EXPECT_NE(dynamic_cast<SIM_Gym*>(SIM_Asset::GetByName("gym")), nullptr);
  // A book without pages is named once and gets an evening's worth of them.
  EXPECT_EQ(Book("book_blank")->GetPages(), 100);
  EXPECT_NE(testsupport::ReadFile(GetDebug()->GetPath()).find("Book book_blank has no pages (\"none\"); taken as 100"),
            std::string::npos);
}

TEST_F(Books, PagesFollowConcentrationAndTheLastPagesFinishTheBook) {
  SIM_Book* book = Book("book_physics");
  EXPECT_EQ(book->PagesFor(0.3f), 15);
  EXPECT_EQ(book->PagesFor(0.0f), 0);
  book->SetPagesRead(197);
  EXPECT_EQ(book->PagesFor(0.3f), 3);

  book->Purchase();
  const int before = BooksRead();
  book->Read();
  EXPECT_EQ(book->GetPagesRead(), 200);
  EXPECT_EQ(BooksRead(), before + 1);
  EXPECT_TRUE(SIM_GetSim()->IsDayFinished());
  ASSERT_NE(GUI_BookReading::PTheWindow, nullptr);
  EXPECT_NE(GUI_BookReading::PTheWindow->GetMessage().find("3 pages"), std::string::npos);
  // Finished, even a rebuyable book is off the shelf and its Read button is off.
  EXPECT_FALSE(book->AvailableToBuy());
  GUI_BookDetails::Create(book);
  GUI_BookDetails::PTheWindow->Draw();
  EXPECT_FALSE(GUI_BookDetails::PTheWindow->GetReadButton()->IsEnabled());
  GUI_BookDetails::Close();
}

TEST_F(Books, ABookBeyondThePlayerReadsNothingButUsesTheEvening) {
  SIM_Book* book = Book("book_hard");
  book->Purchase();
  book->Read();
  EXPECT_EQ(book->GetPagesRead(), 0);
  EXPECT_TRUE(SIM_GetSim()->IsDayFinished());
  ASSERT_NE(GUI_BookReading::PTheWindow, nullptr);
  EXPECT_EQ(GUI_BookReading::PTheWindow->GetMessage(), GTranslation::GetString("READBOOK_DONTUNDERSTAND"));
}

TEST_F(Books, ABookIsRedundantOnlyWhenEverySkillItTeachesThatIsHeldIsFull) {
  SIM_Book* book = Book("book_physics");
  // Names the player does not hold are never enough to make it redundant.
  EXPECT_FALSE(book->IsRedundant());
  struct Case {
    float physics;
    bool withMaths;
    float maths;
    bool redundant;
  };
  const Case cases[] = {{1.0f, false, 0.0f, true}, {0.99f, false, 0.0f, false}, {1.0f, true, 1.0f, true}, {1.0f, true, 0.99f, false}};
  for (const Case& c : cases) {
    SetSkill("test_physics", c.physics);
    if (c.withMaths) SetSkill("test_maths", c.maths);
    EXPECT_EQ(book->IsRedundant(), c.redundant) << c.physics << " " << c.maths;
  }
}

TEST_F(Books, TheReadingPictureFillsFromTheBottom) {
  SIM_Book* book = Book("book_physics");
  struct Case {
    int read;
    float fraction;
  };
  for (const Case& c : {Case{0, 0.0f}, Case{100, 0.5f}, Case{200, 1.0f}}) {
    book->SetPagesRead(c.read);
    GUI_BookReading::Create(book, 0, 1.0f, true);
    const GUI_BookReading* dialog = GUI_BookReading::PTheWindow;
    EXPECT_FLOAT_EQ(dialog->GetReadFraction(), c.fraction);
    const RECT& area = dialog->GetPictureArea();
    const float side = (float)(area.bottom - area.top) - 30.0f;
    // The read part rests on the area's bottom at full colour, the unread part 2 px above it.
    EXPECT_FLOAT_EQ(dialog->GetReadPart().Bottom(), (float)area.bottom);
    EXPECT_FLOAT_EQ(dialog->GetReadPart().Bottom() - dialog->GetReadPart().Top(), c.fraction * side) << c.read;
    EXPECT_FLOAT_EQ(dialog->GetUnreadPart().Bottom(), dialog->GetReadPart().Top() - 2.0f);
    EXPECT_FLOAT_EQ(dialog->GetUnreadPart().Bottom() - dialog->GetUnreadPart().Top(), (1.0f - c.fraction) * side);
    GUI_BookReading::Close();
  }
}

TEST_F(Books, AGiftCanBeGivenOnlyWithAPartner) {
  SIM_Asset* gift = SIM_Asset::GetByName("gift_flowers");
  gift->Purchase();
  gift->Clicked();
  ASSERT_NE(GUI_Gift::PTheWindow, nullptr);
  EXPECT_FALSE(GUI_Gift::PTheWindow->GetGiveButton()->IsEnabled());
  EXPECT_EQ(GUI_Gift::PTheWindow->GetText(), GTranslation::GetString("GIFT_NOPARTNER"));
  EXPECT_EQ(GUI_Gift::PTheWindow->GetPortrait(), nullptr);
  GUI_Gift::Close();

  SIM_NPC* partner = SIM_NPC::CreateNew(SIM_FEMALE);
  partner->FinishCreating();
  SIM_Relationship::Create(SIM_GetVede(), partner)->SetStrength(0.5f);
  SIM_GetRomance()->SetRomanticPartner(partner);
  gift->Clicked();
  EXPECT_TRUE(GUI_Gift::PTheWindow->GetGiveButton()->IsEnabled());
  EXPECT_NE(GUI_Gift::PTheWindow->GetText().find(partner->GetFullName()), std::string::npos);
  GUI_Gift::Give(0);
  EXPECT_EQ(GUI_Gift::PTheWindow, nullptr);
  EXPECT_FALSE(gift->IsOwned());
  SIM_GetRomance()->Reset();
}

TEST_F(Books, ATicketGoesWithTheEveningAndTheGymOpensTheGym) {
  SIM_Asset* ticket = SIM_Asset::GetByName("lottery");
  ticket->Purchase();
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("lottery"), 1.0f);
  const float cash = SIM_GetFinances()->GetCash();
  SIM_Asset::ProcessAll();
  EXPECT_FALSE(ticket->IsOwned());
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("lottery"), 0.0f);
  EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash);

  SIM_Asset::GetByName("gym")->Clicked();
  EXPECT_TRUE(GUI_SoloActivityChooser::IsOpen());
  GUI_SoloActivityChooser::Close();
}

TEST_F(Books, TheHeadlessPlayerReadsABookItOwnsSomeEvenings) {
  EXPECT_FALSE(HeadlessBooks::ReadTonight());  // nothing to read
  SIM_Book* book = Book("book_physics");
  book->Purchase();
  bool read = false;
  for (int evening = 0; evening < 40 && !read; ++evening) read = HeadlessBooks::ReadTonight();
  ASSERT_TRUE(read);
  EXPECT_EQ(book->GetPagesRead(), 50);
  EXPECT_EQ(GUI_BookReading::PTheWindow, nullptr);
  EXPECT_EQ(GUI_BookDetails::PTheWindow, nullptr);
  EXPECT_EQ(HeadlessBooks::GetEveningsRead(), 1);
}

}  // namespace
