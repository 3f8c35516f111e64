#include "SIM_MagazineAsset.h"

#include "GDebug.h"
#include "GUI_Assets.h"
#include "GUI_MagazineDetails.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Magazine.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_MagazineAsset*> SIM_MagazineAsset::All;

SIM_MagazineAsset::SIM_MagazineAsset(SIM_Magazine* magazine) : m_magazine(magazine) {
  GAssert(magazine != nullptr, __FILE__, __LINE__);
  if (magazine) {
    SetName(magazine->GetName());
    SetGUIName(magazine->GetGUIName());
    SetTextureName(magazine->GetTextureName());
    SetDescription(magazine->GetDescription());
    SetPrice(magazine->GetPrice(), 0.0f);
  }
  SetFlag(STEALABLE, true);
  All.push_back(this);
}

SIM_MagazineAsset::~SIM_MagazineAsset() {
  if (GUI_MagazineDetails::PTheWindow && GUI_MagazineDetails::PTheWindow->GetIssue() == this) GUI_MagazineDetails::Close();
  if (m_magazine) m_magazine->GetIssues().remove(this);
  All.remove(this);
}

void SIM_MagazineAsset::Clicked() { GUI_MagazineDetails::Create(this); }

void SIM_MagazineAsset::Read() {
  if (m_magazine) m_magazine->Read();
  m_read += SIM_GetGlobalVariables()->Get("MAGAZINE_PERCENT_PER_DAY");
  if (m_read < 1.0f) return;
  SetOwned(false);
  // Another issue of the title may still be owned: its flag stays then.
  if (!GetOwnedByName(GetName())) SetGlobalValue(0.0f);
  delete this;
  GUI_GetAssets()->Refresh();
}

void SIM_MagazineAsset::ProcessMagazines() {
  SIM_StandInLog::Record("SIM_MagazineAsset::ProcessMagazines");
  if (SIM_GetGlobalVariables()->Get("MAGAZINE_MAX_TIREDNESS") <= SIM_GetVede()->GetValue("tiredness")) return;
  for (SIM_MagazineAsset* issue : All) {
    if (!issue->IsOwned()) continue;
    issue->Read();
    return;
  }
}
