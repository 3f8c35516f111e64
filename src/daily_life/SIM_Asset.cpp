#include "SIM_Asset.h"

#include <cstdlib>
#include <memory>

#include "CSpreadsheet.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "GFileList.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_AssetDetails.h"
#include "GUI_Assets.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Message.h"
#include "GUI_Sounds.h"
#include "SIM_Book.h"
#include "SIM_Date.h"
#include "SIM_Finances.h"
#include "SIM_Gift.h"
#include "SIM_Gym.h"
#include "SIM_LotteryTicket.h"
#include "SIM_NamedValue.h"
#include "SIM_PetBase.h"
#include "SIM_PetFood.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

std::list<SIM_Asset*> SIM_Asset::All;

namespace {
const char* const kAssetsFile = "data/simulation/assets.csv";

void ReleaseAssetsAtExit() {
  while (!SIM_Asset::All.empty()) delete SIM_Asset::All.front();
}

struct AssetFlagWord {
  const char* word;
  SIM_Asset::ASSETFLAGS flag;
};
const AssetFlagWord kAssetFlagWords[] = {{"STEALABLE", SIM_Asset::STEALABLE},
                                         {"SELLABLE", SIM_Asset::SELLABLE},
                                         {"REBUYABLE", SIM_Asset::REBUYABLE},
                                         {"SERVICE", SIM_Asset::SERVICE},
                                         {"MEANSOFTRANSPORT", SIM_Asset::MEANSOFTRANSPORT}};

int ShopTabOf(const std::string& text) {
  if (text == "pets") return SIM_Asset::TAB_PETS;
  if (text == "books") return SIM_Asset::TAB_BOOKS;
  if (text == "music") return SIM_Asset::TAB_MUSIC;
  return SIM_Asset::TAB_GENERAL;
}

// A list of words inside one quoted field, each trimmed of spaces.
std::vector<std::string> AssetFieldWords(const std::string& field, const std::string& origin) {
  std::vector<std::string> words;
  if (field.empty()) return words;
  CSV csv;
  csv.Initialise(field, ',', CSV::FieldOrigin(origin, field.c_str()));
  while (!csv.Finished()) {
    std::string word = csv.GetNextString();
    const size_t start = word.find_first_not_of(' ');
    if (start == std::string::npos) continue;
    words.push_back(word.substr(start));
  }
  return words;
}

void AssetMessage(const SIM_Asset& asset, const char* textKey, const char* titleKey) {
  // The message is built in a buffer of 2048 characters, so an overlong name is cut there.
  char text[2048];
  snprintf(text, sizeof(text), "%s", GTranslation::GetString(textKey));
  GTranslation::ReplaceToken(text, sizeof(text), "<ASSETNAME>", asset.GetGUIName().c_str());
  GUI_TextureMessage::Create(asset.GetTextureName(), text, GTranslation::GetString(titleKey));
}
}  // namespace

SIM_Asset::SIM_Asset() {
  RegisterExitCleanup(ReleaseAssetsAtExit);
  All.push_back(this);
}

SIM_Asset::~SIM_Asset() {
  All.remove(this);
  if (GUI_AssetDetails::PTheWindow && GUI_AssetDetails::PTheWindow->GetAsset() == this) GUI_AssetDetails::Close();
  GUI_Assets::Forget(this);
}

void SIM_Asset::Open(const char* file) {
  SIM_StandInLog::Record("SIM_Asset::Open");
  Close();
  const char* path = file ? file : kAssetsFile;
  if (!GFile::FileExists(path)) {
    GError(GFormat("Assets file not found (%s)", path).c_str(), __FILE__, __LINE__);
    return;
  }
  std::unique_ptr<CSpreadsheet> sheet(CSpreadsheet::Create(path));
  for (size_t row = 0; row < sheet->size(); ++row) {
    CSV keyReader;
    keyReader.Initialise(sheet->at(row), ',', sheet->Origin(row));
    keyReader.GetNextToken();  // the row marker
    SIM_Asset* asset = Create(keyReader.GetNextString());
    asset->Load(sheet->at(row), sheet->Origin(row));
    if (asset->m_name.empty()) {
      GWarnOnce(sheet->Origin(row), GFormat("%s: an asset without a name; the row is skipped", sheet->Origin(row).c_str()).c_str(),
                __FILE__, __LINE__);
      delete asset;
    }
  }
}

void SIM_Asset::Close() {
  while (!All.empty()) delete All.front();
}

SIM_Asset* SIM_Asset::Create(const std::string& classKey) {
  if (classKey == "sim_dog" || classKey == "sim_cat" || classKey == "sim_fish" || classKey == "sim_hamster" ||
      classKey == "sim_parrot") {
    return SIM_PetBase::Create(classKey);
  }
  static const char* const kFoods[][2] = {{"sim_catfood", "cat"},
                                          {"sim_dogfood", "dog"},
                                          {"sim_fishfood", "fish"},
                                          {"sim_parrotfood", "parrot"},
                                          {"sim_hamsterfood", "hamster"}};
  for (const auto& food : kFoods) {
    if (classKey == food[0]) return SIM_PetFood::Create(food[1]);
  }
  if (classKey == "sim_book") return SIM_Book::Create();
  if (classKey == "sim_gift") return SIM_Gift::Create();
  if (classKey == "sim_lottery") return SIM_LotteryTicket::Create();
  // The gym has a key of its own, so the table can sell a membership that opens the gym.
  if (classKey == "sim_gym") return SIM_Gym::Create();
  return new SIM_Asset;
}

SIM_Asset* SIM_Asset::GetByName(const std::string& name) {
  for (SIM_Asset* asset : All) {
    if (asset->m_name == name) return asset;
  }
  return nullptr;
}

SIM_Asset* SIM_Asset::GetOwnedByName(const std::string& name) {
  for (SIM_Asset* asset : All) {
    if (asset->m_owned && asset->m_name == name) return asset;
  }
  return nullptr;
}

int SIM_Asset::CountOwned() {
  int count = 0;
  for (SIM_Asset* asset : All) {
    if (asset->m_owned) ++count;
  }
  return count;
}

void SIM_Asset::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  m_csv.Initialise(row, ',', origin);
  m_csv.GetNextToken();  // the row marker
  m_csv.GetNextToken();  // the class key, read by the factory
  m_name = m_csv.GetNextString();
  SetSource(m_name);
  m_guiName = m_csv.GetNextString();
  m_tab = ShopTabOf(m_csv.GetNextString());
  m_description = m_csv.GetNextString();
  m_texture = m_csv.GetNextString();
  m_sounds.clear();
  for (const std::string& sound : AssetFieldWords(m_csv.GetNextString(), origin)) m_sounds.push_back("data/sounds/" + sound);
  m_resaleFraction = m_csv.GetNextFloat();
  m_price = m_csv.GetNextFloat();
  m_dailyCost = m_csv.GetNextFloat();
  m_purchaseScript = m_csv.GetNextString();
  m_ownedScript = m_csv.GetNextString();
  m_useScript = m_csv.GetNextString();
  for (const std::string& word : AssetFieldWords(m_csv.GetNextString(), origin)) {
    bool known = false;
    for (const AssetFlagWord& flag : kAssetFlagWords) {
      if (word == flag.word) {
        m_flags[flag.flag] = true;
        known = true;
      }
    }
    // The word is ignored as the table allows, but a typo would silently lose a flag: say so once.
    if (!known) {
      GWarnOnce(origin + ":" + word, GFormat("%s: unknown asset flag \"%s\" ignored", origin.c_str(), word.c_str()).c_str(),
                __FILE__, __LINE__);
    }
  }
  LoadAssetSpecificData();
  m_csv.GetNextToken();  // one column between the kind's own and the prerequisites
  m_usePreReqs.clear();
  while (!m_csv.Finished()) {
    std::string field = m_csv.GetNextString();
    if (field.size() > 127) field.resize(127);
    if (field.size() <= 2) continue;
    const size_t comma = field.find(',');
    std::string name = field.substr(0, comma);
    if (name.size() > 63) name.resize(63);
    if (name.size() <= 1) continue;
    AssetPreRequisite prereq;
    prereq.valueName = name;
    prereq.minimum = comma == std::string::npos ? 0.0f : CSV::ParseFloat(field.c_str() + comma + 1);
    m_usePreReqs.push_back(prereq);
  }
}

bool SIM_Asset::GetFlag(int flag) const { return flag >= 0 && flag < FLAG_COUNT && m_flags[flag]; }

void SIM_Asset::SetFlag(int flag, bool on) {
  if (flag >= 0 && flag < FLAG_COUNT) m_flags[flag] = on;
}

void SIM_Asset::SetGlobalValue(float value) {
  if (SIM_NamedValue* flag = SIM_NamedValueList::Globals.GetNamedValue(m_name)) {
    flag->SetValue(value);
  } else if (value != 0.0f) {
    SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue(m_name, m_guiName, value));
  }
}

void SIM_Asset::Purchase() {
  m_owned = true;
  m_pawned = false;
  SIM_GetFinances()->SpendCash(m_price);
  SetGlobalValue(1.0f);
  SIM_GetScript()->RunScript(m_purchaseScript, 1.0f);
  SIM_GetScript()->RunScript(m_ownedScript, GetEffectiveness());
  PlaySound();
  SIM_GetStatistics()->ChangeCounter(1, "PURCHASED_OBJECTS");
}

void SIM_Asset::Sell() {
  m_owned = false;
  m_pawned = false;
  SIM_GetFinances()->AddCash(GetResaleValue());
  // Another copy of the same name may still be owned (a second magazine issue): its flag stays.
  if (!GetOwnedByName(m_name)) SetGlobalValue(0.0f);
  if (m_price > 0.0f) GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
  SIM_GetStatistics()->ChangeCounter(1, "SOLD_OBJECTS");
  GUI_GetAssets()->Refresh();
}

void SIM_Asset::DisposeOf() {
  m_owned = false;
  m_pawned = false;
  if (!GetOwnedByName(m_name)) SetGlobalValue(0.0f);
  GUI_GetAssets()->Refresh();
}

void SIM_Asset::LoadAsOwned() {
  SetGlobalValue(1.0f);
  m_owned = true;
}

void SIM_Asset::Clicked() { GUI_AssetDetails::Create(this); }

void SIM_Asset::Process() {
  if (!m_owned) return;
  SIM_GetScript()->RunScript(m_ownedScript, GetEffectiveness());
  SIM_Finances* finances = SIM_GetFinances();
  if (finances->GetCash() >= m_dailyCost) {
    finances->SpendCash(m_dailyCost);
  } else if (m_dailyCost > 0.0f) {
    InsufficientUpkeep();
  }
}

void SIM_Asset::InsufficientUpkeep() {
  m_pawned = true;
  SetGlobalValue(0.0f);
  if (m_flags[SERVICE]) {
    AssetMessage(*this, "ASSET_INSUFFICIENTUPKEEP_TEXT", "ASSET_INSUFFICIENTUPKEEP_TITLE");
    SIM_GetScript()->RunScript("service_not_enough_money.txt", 1.0f);
  }
  if (m_flags[MEANSOFTRANSPORT]) {
    SIM_GetFinances()->AddCash(m_price * 0.5f);
    AssetMessage(*this, "TRANSPORT_INSUFFICIENTUPKEEP_TEXT", "TRANSPORT_INSUFFICIENTUPKEEP_TITLE");
  }
}

void SIM_Asset::ProcessAll() {
  SIM_StandInLog::Record("SIM_Asset::ProcessAll");
  // An owned script may buy, give away or use up an asset; the walk goes over a copy so that
  // does not disturb it.
  const std::list<SIM_Asset*> assets = All;
  for (SIM_Asset* asset : assets) asset->Process();
  while (PrunePawned()) {
  }
  GUI_ChangeNotifier::CloseAll();
  SIM_GetScript()->RunStoredScripts();
}

bool SIM_Asset::PrunePawned() {
  for (SIM_Asset* asset : All) {
    if (!asset->m_pawned) continue;
    asset->m_owned = false;
    asset->m_pawned = false;
    GUI_GetAssets()->Refresh();
    return true;
  }
  return false;
}

void SIM_Asset::StealAssets() {
  int stealable = 0;
  for (SIM_Asset* asset : All) {
    if (asset->m_owned && asset->m_flags[STEALABLE]) ++stealable;
  }
  if (stealable == 0) return;
  const int toSteal = stealable / 2 > 1 ? stealable / 2 : 1;
  for (int i = 0; i < toSteal; ++i) {
    while (!StealRandomAsset()) {
    }
  }
}

bool SIM_Asset::StealRandomAsset() {
  std::vector<SIM_Asset*> owned;
  for (SIM_Asset* asset : All) {
    if (asset->m_owned) owned.push_back(asset);
  }
  GAssert(!owned.empty(), __FILE__, __LINE__);
  if (owned.empty()) return true;  // nothing left to take: the burglar leaves
  SIM_Asset* asset = owned[static_cast<size_t>(rand()) % owned.size()];
  if (!asset->m_flags[STEALABLE]) return false;
  asset->m_owned = false;
  if (!GetOwnedByName(asset->m_name)) asset->SetGlobalValue(0.0f);
  GUI_GetAssets()->Refresh();
  return true;
}

bool SIM_Asset::UsableToday() const {
  // An asset that takes the player to a social event (a golf club's round) is of no use on the
  // days that event does not run.
  size_t call = m_useScript.find("SelectSocial");
  if (call == std::string::npos) return true;
  size_t open = m_useScript.find('(', call);
  if (open == std::string::npos) return true;
  size_t close = m_useScript.find(')', open + 1);
  std::string name = m_useScript.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
  SIM_SocialiseType* type = SIM_SocialiseType::GetTypeByName(name);
  if (!type || !SIM_Date::PPresentDay) return true;
  return type->GetDayAvailable(SIM_Date::PPresentDay->GetDayOfWeek());
}

bool SIM_Asset::MeetsUsePreReqs() const {
  for (const AssetPreRequisite& prereq : m_usePreReqs) {
    if (SIM_GetVede()->GetValue(prereq.valueName) < prereq.minimum) return false;
  }
  return true;
}

void SIM_Asset::Use() { SIM_GetScript()->RunScript(m_useScript, 1.0f); }

void SIM_Asset::PlaySound() {
  if (m_sounds.empty()) return;
  // The scenery's draw: the room's ambient sounds call this on the clock, and a seeded game must not
  // hang on how often they come.
  GUI_GetSounds()->PlaySound(m_sounds[static_cast<size_t>(GRandom::Scene().Rand()) % m_sounds.size()].c_str(), false);
}
