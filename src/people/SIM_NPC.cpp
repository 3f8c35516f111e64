#include "SIM_NPC.h"

#include <cstdlib>

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_HintHelp.h"
#include "GUI_NPCIcon.h"
#include "GUI_PhoneMessage.h"
#include "SIM_CharacterType.h"
#include "SIM_Date.h"
#include "SIM_FriendGenerator.h"
#include "SIM_GlobalVariable.h"
#include "SIM_HiddenAttribute.h"
#include "SIM_JobBase.h"
#include "SIM_Memory.h"
#include "SIM_PlayerOptions.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

std::list<SIM_NPC*> SIM_NPC::All;
std::list<SIM_NPC*> SIM_NPC::Hidden;

namespace {
// While the town is being freed nobody is pruned: every NPC goes anyway, one at a time.
bool g_closing = false;

// The least weekly earnings base of an NPC, and the least pay that tuning must give.
constexpr float kMinPayBase = 20.0f;
constexpr float kMinWeeklyCash = 10.0f;

// A type for a person whose draw found none (an empty or all-zero table, or nothing left that
// fits): any type the person does not hold yet, else any type; null only for an empty table.
SIM_CharacterType* AnyType(const SIM_NPC* npc) {
  std::vector<SIM_CharacterType*> free;
  for (SIM_CharacterType* type : SIM_CharacterType::All) {
    if (!npc->HasCharacterType(type->GetName().c_str())) free.push_back(type);
  }
  if (!free.empty()) return free[(size_t)std::rand() % free.size()];
  if (SIM_CharacterType::All.empty()) return nullptr;
  return SIM_CharacterType::All.front();
}
}  // namespace

SIM_NPC::SIM_NPC() {
  RegisterExitCleanup(Close);
  All.push_back(this);
  m_daysSinceSeen = std::rand() % 10;
  m_daysSinceImportantInvite = std::rand() % 60;
  ChooseCharacterTypes();
  ChooseHiddenAttributes();
  m_memory = new SIM_Memory();
}

SIM_NPC::~SIM_NPC() {
  Hide();
  // A link made after the person was hidden must not outlive them in the other person's list.
  DropRelationships();
  All.remove(this);
  Hidden.remove(this);
  delete m_memory;
  delete m_icon;
  m_ownValues.Clear();
}

SIM_NPC* SIM_NPC::CreateNew(SIM_GENDER gender) {
  SIM_NPC* npc = new SIM_NPC();
  if (gender == SIM_RANDOMGENDER) {
    npc->ChooseRandomGender();
  } else {
    npc->SetGender(gender);
  }
  npc->ChooseName();
  return npc;
}

SIM_NPC* SIM_NPC::Create() { return new SIM_NPC(); }

void SIM_NPC::FinishCreating() {
  CalculateWeeklyCash();
  GetPaid();
  m_interests.FillRandomly(this);
  const bool sameSexAllowed = SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX);
  if (sameSexAllowed || m_gender != SIM_GetVede()->GetGender()) {
    m_romanticCompatibility = GRandom::RandUnitFloat();
  } else {
    m_romanticCompatibility = 0.0f;
  }
}

void SIM_NPC::SetGender(SIM_GENDER gender) {
  SIM_Person::SetGender(gender);
  CreateIcon();
}

float SIM_NPC::GetActivityAttractiveness(SIM_SocialiseType* type) { return SIM_Person::GetActivityAttractiveness(type); }

void SIM_NPC::CreateIcon() {
  delete m_icon;
  m_icon = GUI_NPCIcon::Create(this);
}

void SIM_NPC::SetIntroduced(bool introduced) {
  m_introduced = introduced;
  if (introduced) SIM_GetPortraits()->SetUsed(m_portrait, m_gender);
}

// ---- Money ------------------------------------------------------------------------------------

void SIM_NPC::CalculateWeeklyCash() {
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  float base = 5.0f * (job ? job->GetLastEarnings() : 0.0f);
  if (base < kMinPayBase) base = kMinPayBase;
  SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
  m_weeklyCash = GRandom::RandReal(gv->Get("GV_FRIENDSCASH_MIN"), gv->Get("GV_FRIENDSCASH_MAX")) * base;
  GAssert(m_weeklyCash > kMinWeeklyCash, __FILE__, __LINE__);
}

void SIM_NPC::GetPaidAll() {
  for (SIM_NPC* npc : All) npc->GetPaid();
}

void SIM_NPC::SpendMoney(float amount) {
  m_cash -= amount;
  if (m_cash < 0.0f) m_cash = 0.0f;
}

// ---- Personality ------------------------------------------------------------------------------

void SIM_NPC::ChooseCharacterTypes() {
  SIM_CharacterType* main = SIM_CharacterType::ChooseRandom();
  if (!main) main = AnyType(this);
  if (main) m_characterTypes.push_back(main);
  SIM_CharacterType* additional = SIM_CharacterType::ChooseAdditional(this);
  if (!additional) additional = AnyType(this);
  if (additional && !HasCharacterType(additional->GetName().c_str())) m_characterTypes.push_back(additional);
}

void SIM_NPC::ChooseHiddenAttributes() { SIM_HiddenAttribute::Choose(&m_hiddenAttributes); }

bool SIM_NPC::HasCharacterType(const char* name) const {
  for (const SIM_CharacterType* type : m_characterTypes) {
    if (type->GetName() == name) return true;
  }
  return false;
}

bool SIM_NPC::HasAttribute(const char* name) const {
  for (const std::string& held : m_hiddenAttributes) {
    if (held == name) return true;
  }
  return false;
}

void SIM_NPC::InfluenceVede(float scale) {
  for (const SIM_CharacterType* type : m_characterTypes) type->ApplyEffect(m_fullName.c_str(), scale);
}

float SIM_NPC::GetValue(const std::string& name) {
  SIM_NamedValue* value = m_ownValues.GetNamedValue(name);
  return value ? value->GetValue() : 0.0f;
}

void SIM_NPC::ApplyEffect(const std::string& name, float amount, float) {
  if (SIM_NamedValue* value = m_ownValues.GetNamedValue(name)) {
    value->ProcOperator("+=", amount);
    return;
  }
  m_ownValues.AddValue(new SIM_NamedValue(name, GTranslation::GetString(("nv_" + name).c_str()), amount));
}

std::string SIM_NPC::PersonaliseText(const std::string& text) const {
  std::string result = text;
  GTranslation::ReplaceToken(result, "<NAME>", m_forename);
  const bool female = m_gender != SIM_MALE;
  GTranslation::ReplaceToken(result, "<HIM_HER>", GTranslation::GetString(female ? "HER" : "HIM"));
  GTranslation::ReplaceToken(result, "<HIS_HER>", GTranslation::GetString(female ? "HER" : "HIS"));
  GTranslation::ReplaceToken(result, "<HE_SHE>", GTranslation::GetString(female ? "SHE" : "HE"));
  GTranslation::ReplaceToken(result, "<HIMSELF_HERSELF>", GTranslation::GetString(female ? "HERSELF" : "HIMSELF"));
  GTranslation::ReplaceToken(result, "<CAPS_HE_SHE>", GTranslation::GetString(female ? "SHE_CAPS" : "HE_CAPS"));
  return result;
}

bool SIM_NPC::IsBirthdayToday() const {
  const SIM_Date* today = SIM_Date::PPresentDay;
  if (!today || !m_dateOfBirth) return false;
  if (today->GetMonth() != m_dateOfBirth->GetMonth() || today->GetDay() != m_dateOfBirth->GetDay()) return false;
  const bool oddYear = today->GetYear() % 2 != 0;
  return m_dateOfBirth->GetDay() <= 2 ? oddYear : !oddYear;
}

// ---- Leaving the player's world ---------------------------------------------------------------

void SIM_NPC::DropRelationships() {
  // The list is emptied first: the other persons' removals and the deletions below must not
  // walk a list that changes under them.
  std::list<SIM_Relationship*> links;
  links.swap(m_relationships);
  for (SIM_Relationship* link : links) {
    if (SIM_Person* other = link->GetOther(this)) other->RemoveRelationship(link);
    link->Delete();
  }
}

void SIM_NPC::Hide() {
  if (m_hidden) return;
  m_hidden = true;
  DropRelationships();
  All.remove(this);
  Hidden.push_back(this);
  SIM_GetPortraits()->ReusePortrait(m_portrait, m_gender);
  if (!g_closing) PruneOrphans();
  delete m_icon;
  m_icon = nullptr;
}

bool SIM_NPC::HasLinkToVede() const {
  if (DirectFriendOfVede()) return true;
  for (const SIM_Relationship* link : m_relationships) {
    if (!link->Alive() || !link->IsFriendship()) continue;
    const SIM_Person* other = link->GetOther(this);
    if (other && other->DirectFriendOfVede()) return true;
  }
  return false;
}

void SIM_NPC::PruneOrphans() {
  while (PruneAnOrphan()) {
  }
}

bool SIM_NPC::PruneAnOrphan() {
  for (SIM_NPC* npc : All) {
    if (!npc->HasLinkToVede()) {
      npc->Hide();
      return true;
    }
  }
  return false;
}

// ---- The day ----------------------------------------------------------------------------------

void SIM_NPC::ProcessAllNPCS() {
  SIM_StandInLog::Record("SIM_NPC::ProcessAllNPCS");
  // Hiding moves an NPC out of the list; the day's step walks the town as it was at the start.
  std::vector<SIM_NPC*> town(All.begin(), All.end());
  for (SIM_NPC* npc : town) npc->ProcessNPC();
}

void SIM_NPC::ProcessNPC() {
  if (m_hidden) return;
  // Without any interest type in the data nobody can have one; that was reported when it loaded.
  if (!SIM_InterestType::All.empty()) GAssert(m_interests.Count() > 0, __FILE__, __LINE__);
  if (m_snubDelay < 1) {
    ConsiderInvitingVede();
  } else {
    --m_snubDelay;
  }
  ++m_daysSinceSeen;
  ++m_daysSinceImportantInvite;
  m_memory->NextDay();
}

void SIM_NPC::PromoteToFriend() {
  if (SIM_Relationship* link = GetRelationship(SIM_GetVede())) link->SetPlayerCreated(true);
  GUI_PhoneMessage::CreateNewFriend(this);
  SIM_GetFriendGenerator()->GenerateSubFriends(this);
  GUI_NPCIcon::PositionAll();
  SIM_GetScript()->StoreScript("newfriend.txt");
}

void SIM_NPC::DemoteFromFriend() {
  GUI_HintHelp::Launch("lost_friend");
  Hide();
}

void SIM_NPC::ResetFlatteredByInviteAll() {
  SIM_StandInLog::Record("SIM_NPC::ResetFlatteredByInviteAll");
  for (SIM_NPC* npc : All) npc->m_flatteredByInvite = false;
}

void SIM_NPC::SetNobodyBusy() {
  SIM_StandInLog::Record("SIM_NPC::SetNobodyBusy");
  for (SIM_NPC* npc : All) npc->m_busy = false;
}

int SIM_NPC::CountRecentContacts() {
  int count = 0;
  for (const SIM_NPC* npc : All) {
    if (npc->m_introduced && npc->m_daysSinceSeen < 20) ++count;
  }
  return count;
}

SIM_NPC* SIM_NPC::GetBestFriend() {
  SIM_Vede* vede = SIM_GetVede();
  SIM_NPC* best = nullptr;
  float strength = 0.0f;
  for (SIM_NPC* npc : All) {
    if (!npc->DirectFriendOfVede()) continue;
    const SIM_Relationship* link = npc->GetRelationship(vede);
    if (link->GetStrength() > strength) {
      strength = link->GetStrength();
      best = npc;
    }
  }
  return best;
}

// ---- The town ---------------------------------------------------------------------------------

void SIM_NPC::Open() {
  SIM_StandInLog::Record("SIM_NPC::Open");
  Close();
  SIM_GetFriendGenerator()->GenerateFriends();
}

void SIM_NPC::Close() {
  g_closing = true;
  while (!All.empty()) delete All.front();
  while (!Hidden.empty()) delete Hidden.front();
  g_closing = false;
  ProcessBase::Cleanup();
}

void SIM_NPC::dbg_ValidateRelationships() const {
  size_t names = 0;
  for (const SIM_Relationship* link : m_relationships) {
    if (const SIM_Person* other = link->GetOther(this)) names += other->GetFullName().size();
  }
  (void)names;
}
