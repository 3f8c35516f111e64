// What the player is reading comes back from a saved game: two issues of one magazine, each
// with its own fraction read, and a half-read book.
#include "SIM_Book.h"
#include "SIM_Magazine.h"
#include "SIM_MagazineAsset.h"
#include "SIM_NamedValue.h"
#include "SaveGameTestSupport.h"

namespace {

using savetest::SaveFile;

std::vector<float> OwnedFractions(const std::string& name) {
  std::vector<float> read;
  for (const SIM_MagazineAsset* issue : SIM_MagazineAsset::All) {
    if (issue->IsOwned() && issue->GetName() == name) read.push_back(issue->GetReadPercentage());
  }
  return read;
}

TEST(ReadingSave, TwoIssuesOfOneTitleAndAHalfReadBookComeBackApart) {
  savetest::PlayNights(1, 5);
  SIM_Magazine* title = SIM_Magazine::GetByName("mag_gadgets");
  ASSERT_NE(title, nullptr);
  SIM_MagazineAsset* first = title->GetIssues().back();
  first->Purchase();
  title->Refresh();
  SIM_MagazineAsset* second = title->GetIssues().back();
  second->Purchase();
  title->Refresh();  // a third on sale
  auto* book = dynamic_cast<SIM_Book*>(SIM_Asset::GetByName("book_physics"));
  ASSERT_NE(book, nullptr);
  book->Purchase();
  // A night goes by, as it would before a player saves; then the reading stands where the test
  // wants it.
  savetest::PlayNights(1, 5, false);
  first->SetReadPercentage(0.25f);
  second->SetReadPercentage(0.5f);
  book->SetPagesRead(book->GetPages() / 2);

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("reading")) << SIM_GetSaveGame()->GetLastError();
  const std::string saved = SaveFile("reading");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("reading")) << SIM_GetLoadGame()->GetFailureText();
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_EQ(SaveFile("again"), saved);

  EXPECT_EQ(OwnedFractions("mag_gadgets"), (std::vector<float>{0.25f, 0.5f}));
  EXPECT_EQ(SIM_Magazine::GetByName("mag_gadgets")->GetIssues().size(), 3u);
  EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals.GetValue("mag_gadgets"), 1.0f);
  book = dynamic_cast<SIM_Book*>(SIM_Asset::GetByName("book_physics"));
  ASSERT_NE(book, nullptr);
  EXPECT_TRUE(book->IsOwned());
  EXPECT_EQ(book->GetPagesRead(), book->GetPages() / 2);
  savetest::ExpectCleanLog();
}

}  // namespace
