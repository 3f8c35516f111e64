// Possessions in a saved game: what was owned comes back owned with its flag set and nothing paid,
// what was sold stays in the shop, and the file saved again is the same.
#include <string>
#include <vector>

#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Statistics.h"
#include "SaveGameTestSupport.h"

namespace {

std::vector<std::string> OwnedNames() {
  std::vector<std::string> names;
  for (const SIM_Asset* asset : SIM_Asset::All)
    if (asset->IsOwned()) names.push_back(asset->GetName());
  return names;
}

// Read without looking it up: a look-up moves the value to the front of the list, and so in the
// file saved next.
float Flag(const std::string& name) {
  for (const SIM_NamedValue* value : SIM_NamedValueList::Globals.GetRawList())
    if (value->GetName() == name) return value->GetValue();
  return -1.0f;
}

TEST(AssetSave, PossessionsComeBackOwnedWithoutPaymentOrScripts) {
  savetest::PlayNights(1);
  for (const char* name : {"umbrella", "bicycle", "book_french", "guitar"}) {
    SIM_Asset* asset = SIM_Asset::GetByName(name);
    ASSERT_NE(asset, nullptr) << name;
    asset->Purchase();
  }
  SIM_Asset::GetByName("guitar")->Sell();
  // Saved the next morning, as the game saves itself.
  SIM_GetFinances()->SetCash(5000.0f);
  savetest::PlayNights(1, 1, false);
  const float cash = SIM_GetFinances()->GetCash();
  const int bought = SIM_GetStatistics()->GetIntCounter("PURCHASED_OBJECTS");
  const std::vector<std::string> owned = OwnedNames();
  ASSERT_GE(owned.size(), 3u);
  ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("possessions")) << SIM_GetSaveGame()->GetLastError();
  const std::string first = savetest::SaveFile("possessions");

  for (int load = 1; load <= 2; ++load) {
    SCOPED_TRACE("load " + std::to_string(load));
    ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("possessions")) << SIM_GetLoadGame()->GetFailureText();
    EXPECT_EQ(OwnedNames(), owned);
    EXPECT_EQ(Flag("bicycle"), 1.0f);
    EXPECT_EQ(Flag("guitar"), 0.0f);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter("PURCHASED_OBJECTS"), bought);
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("again"));
    EXPECT_TRUE(savetest::SaveFile("again") == first) << "the file saved again differs";

  }
  savetest::ExpectCleanLog();
}

}  // namespace
