#include "SIM_Subsidies.h"

#include <algorithm>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_PhoneMessage.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

std::list<SIM_NPC*> SIM_Subsidies::SubsidyOffers;

void SIM_Subsidies::Add(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (npc) SubsidyOffers.push_back(npc);
}

void SIM_Subsidies::Clear() { SubsidyOffers.clear(); }

void SIM_Subsidies::Pay(SIM_SocialiseType* type, int amount) {
  // A "VARIABLE" evening hands its marker in: the friend's share is the effective cost.
  if (amount < 0) amount = type ? type->GetEffectiveCostPerHead() : 0;
  amount = std::max(amount, 0);
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_NPC* npc : SubsidyOffers) {
    SIM_GetFinances()->SpendCash((float)amount);
    npc->AddCash((float)amount);
    SIM_Relationship* link = npc->GetRelationship(vede);
    if (!link) continue;
    link->AdjustStrength(SIM_GetGlobalVariables()->Get("GV_SUBSIDISED_REL_BOOST"));
    link->AdjustBalance((float)amount);
    std::string thanks = GTranslation::GetString("NPC_SUBSIDY_THANKS");
    GTranslation::ReplaceToken(thanks, "<RAVEZIRER>", vede->GetForeName());
    GUI_PhoneMessage::PrepareNPCMessage(npc, thanks);
  }
}

int SIM_Subsidies::RequiredCash(SIM_SocialiseType* type) {
  if (!type) return 0;
  const int share = std::max<int>(type->GetEffectiveCostPerHead(), 0);
  const int hostCost = type->GetHostCost();
  const int required = ((int)SubsidyOffers.size() + 1) * share + (hostCost >= 1 ? hostCost : share);
  GAssert(required >= 0, __FILE__, __LINE__);
  return std::max(required, 0);
}
