#include "SIM_Subsidies.h"

#include "GDebug.h"

std::list<SIM_NPC*> SIM_Subsidies::SubsidyOffers;

void SIM_Subsidies::Add(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (npc) SubsidyOffers.push_back(npc);
}

void SIM_Subsidies::Clear() { SubsidyOffers.clear(); }
