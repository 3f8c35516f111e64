#include "SIM_Asset.h"

#include "ExitCleanup.h"
#include "GUI_AssetDetails.h"
#include "GUI_Assets.h"
#include "GUI_Sounds.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"
#include "SIM_Date.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

std::list<SIM_Asset*> SIM_Asset::All;

namespace {
// At exit the stand-in's own log mark may already be gone: free the assets without it.
void ReleaseAssetsAtExit() {
  while (!SIM_Asset::All.empty()) delete SIM_Asset::All.front();
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

void SIM_Asset::Open() { STAND_IN(); }

void SIM_Asset::Close() {
  STAND_IN();
  while (!All.empty()) delete All.front();
}

void SIM_Asset::ProcessAll() { STAND_IN(); }

SIM_Asset* SIM_Asset::GetOwnedByName(const std::string& name) {
  for (SIM_Asset* asset : All) {
    if (asset->m_owned && asset->m_name == name) return asset;
  }
  return nullptr;
}

void SIM_Asset::PlaySound() { STAND_IN(); }

int SIM_Asset::CountOwned() {
  int count = 0;
  for (SIM_Asset* asset : All) {
    if (asset->m_owned) ++count;
  }
  return count;
}

bool SIM_Asset::GetFlag(int flag) const { return flag >= 0 && flag < FLAG_COUNT && m_flags[flag]; }

void SIM_Asset::SetFlag(int flag, bool on) {
  if (flag >= 0 && flag < FLAG_COUNT) m_flags[flag] = on;
}

bool SIM_Asset::UsableToday() const {
  if (!m_usableToday) return false;
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

void SIM_Asset::Use() { SIM_GetScript()->RunScript(m_useScript, 1.0f); }

void SIM_Asset::Sell() {
  m_owned = false;
  SIM_GetFinances()->AddCash(GetResaleValue());
  ReleaseNamedValue();
  if (m_resaleFraction > 0.0f) GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
  SIM_GetStatistics()->ChangeCounter(1, "SOLD_OBJECTS");
  GUI_GetAssets()->Refresh();
}

void SIM_Asset::DisposeOf() {
  m_owned = false;
  m_pawned = false;
  ReleaseNamedValue();
  GUI_GetAssets()->Refresh();
}

void SIM_Asset::ReleaseNamedValue() {
  // Several issues of one magazine share a name: the name stays owned while one of them is.
  if (GetOwnedByName(m_name)) return;
  if (SIM_NamedValue* flag = SIM_NamedValueList::Globals.GetNamedValue(m_name)) flag->SetValue(0.0f);
}

void SIM_Asset::Purchase() {
  m_owned = true;
  m_pawned = false;
  SIM_GetFinances()->SpendCash(m_price);
  if (SIM_NamedValue* flag = SIM_NamedValueList::Globals.GetNamedValue(m_name)) {
    flag->SetValue(1.0f);
  } else {
    SIM_NamedValueList::Globals.AddValue(new SIM_NamedValue(m_name, m_guiName, 1.0f));
  }
  SIM_GetScript()->RunScript(m_purchaseScript, 1.0f);
  SIM_GetScript()->RunScript(m_ownedScript, GetEffectiveness());
  PlaySound();
  SIM_GetStatistics()->ChangeCounter(1, "PURCHASED_OBJECTS");
}

void SIM_Asset::Process() {
  if (!m_owned) return;
  SIM_GetScript()->RunScript(m_ownedScript, GetEffectiveness());
  if (SIM_GetFinances()->GetCash() >= m_dailyCost) {
    SIM_GetFinances()->SpendCash(m_dailyCost);
  } else if (m_dailyCost > 0.0f) {
    InsufficientUpkeep();
  }
}

void SIM_Asset::InsufficientUpkeep() {
  m_pawned = true;
  if (SIM_NamedValue* flag = SIM_NamedValueList::Globals.GetNamedValue(m_name)) flag->SetValue(0.0f);
  if (m_flags[SERVICE]) SIM_GetScript()->RunScript("service_not_enough_money.txt", 1.0f);
  if (m_flags[MEANSOFTRANSPORT]) SIM_GetFinances()->AddCash(m_price * 0.5f);
}

bool SIM_Asset::MeetsUsePreReqs() const {
  for (const AssetPreRequisite& need : m_usePreReqs) {
    if (SIM_GetVede()->GetValue(need.name) < need.minimum) return false;
  }
  return true;
}

void SIM_Asset::Clicked() { GUI_AssetDetails::Create(this); }
