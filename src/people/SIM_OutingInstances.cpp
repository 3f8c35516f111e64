#include "SIM_OutingInstances.h"

#include "GDebug.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

void SIM_RestaurantInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_MovieInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_GamblingInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_BeerInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_NightclubInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

SIM_RomanceInstance::SIM_RomanceInstance() { SetBackdrop("skyline_romance.jpg"); }

void SIM_RomanceInstance::ProcessChunk() {
  SIM_Vede* vede = SIM_GetVede();
  const float grubbiness = 1.0f - vede->GetValue("_cleanliness");
  if (grubbiness > 0.5f) {
    if (SIM_NPC* partner = SIM_GetRomance()->GetPartner()) {
      SIM_Relationship* link = partner->GetRelationship(vede);
      GAssert(link != nullptr, __FILE__, __LINE__);
      // Half the penalty, however grubby.
      if (link) link->AdjustStrength(SIM_GetGlobalVariables()->Get("GRUBBINESS_ROMANTIC_PENALTY") * 0.5f);
    }
  }
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_BowlingInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_GameInstance::ProcessChunk() {
  STAND_IN();
  SIM_SocialiseInstance::ProcessChunk();
}
