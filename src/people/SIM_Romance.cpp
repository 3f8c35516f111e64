#include "SIM_Romance.h"

#include <algorithm>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_NPCMessage.h"
#include "GUI_PhoneMessage.h"
#include "GUI_RomanticOffer.h"
#include "SIM_Asset.h"
#include "SIM_GlobalVariable.h"
#include "SIM_JobBase.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

namespace {
float RomanceGV(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

void SetRomanceFlag(bool together) { SIM_NamedValueList::ForceGlobal("_romance", together ? 1.0f : 0.0f); }
}  // namespace

SIM_Romance* SIM_GetRomance() {
  // Heap-made: the day's pass (ProcessBase) holds it until the program ends.
  static SIM_Romance* romance = new SIM_Romance();
  return romance;
}

SIM_Romance::SIM_Romance() = default;
SIM_Romance::~SIM_Romance() = default;

bool SIM_Romance::IsCurrentPartner(const SIM_Person* person) const {
  return person && m_partner && person == static_cast<const SIM_Person*>(m_partner);
}

void SIM_Romance::Reset() {
  SIM_StandInLog::Record("SIM_Romance::Reset");
  m_partner = nullptr;
  m_duration = 0;
  m_cynicism = 0.0f;
  m_romanticCredit = 0.0f;
  m_daysSinceLastNag = 0;
  m_daysApart = 0;
}

void SIM_Romance::SetRomanticPartner(SIM_NPC* npc) {
  if (npc != m_partner) Reset();
  m_partner = npc;
  SetRomanceFlag(npc != nullptr);
}

void SIM_Romance::RomanticOffer(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  GAssert(!HasPartner(), __FILE__, __LINE__);
  if (!npc || HasPartner()) return;
  GUI_RomanticOffer::Create(npc);
}

void SIM_Romance::ApplyRomanticCredit(float amount) {
  m_romanticCredit = std::clamp(m_romanticCredit + amount, -1.0f, 1.0f);
}

void SIM_Romance::Process() {
  if (!m_partner || m_partner->IsHidden()) return;
  SIM_Relationship* link = m_partner->GetRelationship(SIM_GetVede());
  GAssert(link != nullptr, __FILE__, __LINE__);
  if (!link) return;

  m_romanticCredit = std::clamp(m_romanticCredit - RomanceGV("GV_ROMANCE_CREDIT_DEGRADE"), -1.0f, 1.0f);
  if (m_romanticCredit > 0.5f) {
    link->AdjustStrength(0.02f);
  } else if (m_romanticCredit < -0.5f) {
    link->AdjustStrength(-0.07f);
  }
  // The link may have dumped the player just now.
  if (!m_partner) return;

  const float bustUp = RomanceGV("GV_ROMANCE_BUSTUP_THRESHHOLD");
  const float scale = bustUp < 1.0f ? (link->GetStrength() - bustUp) / (1.0f - bustUp) : 0.0f;
  SIM_GetScript()->RunScript("romance_effects.txt", scale);

  ++m_duration;
  m_cynicism = std::clamp(m_cynicism * 0.92f, 0.0f, 1.0f);
  ++m_daysSinceLastNag;
  ++m_daysApart;
  ConsiderNag();
}

void SIM_Romance::ConsiderNag() {
  if (!m_partner) return;
  if (m_daysApart > (int)RomanceGV("ROMANCE_DAYSAPART_BEFORE_NAG") &&
      m_daysSinceLastNag > (int)RomanceGV("ROMANCE_NAG_GAP")) {
    GUI_PhoneMessage::PrepareNPCMessage(m_partner, GTranslation::GetRandomString("ROMANCE_APART_NAG"));
    m_daysSinceLastNag = 0;
  }
}

void SIM_Romance::BuyGift(SIM_Asset* gift) {
  if (!gift || !m_partner) return;
  SIM_JobBase* job = SIM_GetVede()->GetJob();
  BuyGift(gift, job ? job->GetTodaysEarnings() : 0.0f);
}

void SIM_Romance::BuyGift(SIM_Asset* gift, float earnings) {
  if (!gift || !m_partner) return;
  SIM_Relationship* link = m_partner->GetRelationship(SIM_GetVede());
  if (!link) return;

  float boost = RomanceGV("GV_GIFT_REL_BOOST") * (1.0f - m_cynicism);
  // A day without earnings makes any gift a generous one (and never a division by zero).
  const float ratio = earnings > 0.0f ? gift->GetPurchaseCost() / (2.0f * earnings) : 1.0f;
  boost *= ratio;
  const float strength = link->GetStrength();
  if (ratio < 0.3f && strength > 0.7f) boost = -0.15f;

  const char* answer = "ROMANCE_GIFT_AVERAGE";
  if (m_cynicism > 0.7f) {
    answer = "ROMANCE_GIFT_CYNICAL";
  } else if (ratio < 0.3f) {
    answer = "ROMANCE_GIFT_CHEAP";
  } else if (ratio > 0.6f) {
    answer = "ROMANCE_GIFT_EXPENSIVE";
  } else if (strength > 0.5f) {
    answer = "ROMANCE_GIFT_HAPPY";
  }
  GUI_NPCMessage::Create(m_partner, GTranslation::GetString(answer));

  link->AdjustStrength(std::clamp(boost, -1.0f, 1.0f));
  m_cynicism = std::clamp(m_cynicism + RomanceGV("GV_GIFT_CYNICISM"), 0.0f, 1.0f);
  ApplyRomanticCredit(RomanceGV("GV_ROMANCE_CREDIT_GIFT"));
  gift->DisposeOf();
}

void SIM_Romance::GetDumped() {
  GAssert(m_partner != nullptr, __FILE__, __LINE__);
  if (!m_partner) return;
  SIM_NPC* former = m_partner;
  std::string text =
      GTranslation::GetRandomString(former->GetGender() == SIM_FEMALE ? "ROMANCE_DUMPED_FORAGUY" : "ROMANCE_DUMPED_FORAGAL");
  GTranslation::ReplaceToken(text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  GUI_PhoneMessage::PrepareNPCMessage(former, text);
  former->SetRomanticCompatibility(0.0f);
  m_partner = nullptr;
  SetRomanceFlag(false);
  SIM_GetScript()->StoreScript("dumped_by_partner.txt");
  m_duration = 0;
}

void SIM_Romance::DumpCurrentPartner() {
  GAssert(m_partner != nullptr, __FILE__, __LINE__);
  if (!m_partner) return;
  SIM_NPC* former = m_partner;
  // Cleared first: hiding the NPC may end the link, which must not dump the player back.
  m_partner = nullptr;
  SetRomanceFlag(false);
  m_duration = 0;
  former->Hide();
}
