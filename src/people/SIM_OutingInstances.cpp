#include "SIM_OutingInstances.h"

#include "SIM_StandInLog.h"

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

void SIM_RomanceInstance::ProcessChunk() {
  STAND_IN();
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
