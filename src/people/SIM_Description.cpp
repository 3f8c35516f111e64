#include "SIM_Description.h"

#include "GTranslation.h"
#include "SIM_StandInLog.h"

SIM_Description* SIM_GetDescription() {
  static SIM_Description* description = new SIM_Description();
  return description;
}

void SIM_Description::Compose() {
  STAND_IN();
}

void SIM_Description::PopulateFeelingCandidates() { STAND_IN(); }

void SIM_Description::SelectAdjectives() {
  STAND_IN();
  m_adjective1 = GTranslation::GetString("STANDIN_FEELING_1");
  m_adjective2 = GTranslation::GetString("STANDIN_FEELING_2");
}

void SIM_Description::AddNounCandidate(const std::string&, float) { STAND_IN(); }
