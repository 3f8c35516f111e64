// What the player is reading comes back from a saved game: two issues of one magazine, each
// with its own fraction read, and a half-read book; the issues on sale as they were, in their order.
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

// A title whose issue was read to its end before the next came out has none on sale, and the week's
// new issues come out behind the ones the player kept: the loaded game sells and lists the same.
TEST(ReadingSave, IssuesOnSaleAndTheirOrderComeBackAsSaved) {
  savetest::PlayNights(1, 5);
  SIM_Magazine* gourmet = SIM_Magazine::GetByName("mag_gourmet");
  SIM_Magazine* world = SIM_Magazine::GetByName("mag_world");
  ASSERT_TRUE(gourmet && world);
  gourmet->GetIssues().back()->Purchase();
  SIM_Magazine::RefreshAll();  // the week's issues, after the kept one
  SIM_MagazineAsset* finished = world->GetIssues().back();
  finished->Purchase();
  finished->SetReadPercentage(1.0f);
  finished->Read();  // read to the end: gone
  ASSERT_TRUE(world->GetIssues().empty());
  std::vector<std::string> order;
  for (const SIM_MagazineAsset* issue : SIM_MagazineAsset::All) order.push_back(issue->GetName());

  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("issues")) << SIM_GetSaveGame()->GetLastError();
  const std::string saved = SaveFile("issues");
  ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("issues")) << SIM_GetLoadGame()->GetFailureText();
  std::vector<std::string> loaded;
  for (const SIM_MagazineAsset* issue : SIM_MagazineAsset::All) loaded.push_back(issue->GetName());
  EXPECT_EQ(loaded, order);
  EXPECT_TRUE(SIM_Magazine::GetByName("mag_world")->GetIssues().empty());
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
  EXPECT_TRUE(SaveFile("again") == saved) << "the file saved again differs";
  savetest::ExpectCleanLog();
}

}  // namespace
