#include "SIM_Finances.h"

#include "SIM_GlobalVariable.h"
#include "SIM_Statistics.h"

SIM_Finances* SIM_GetFinances() {
  static SIM_Finances finances;
  return &finances;
}

void SIM_Finances::Reset() { m_cash = 0.5f * SIM_GetGlobalVariables()->Get("GV_STARTINGCASH"); }

void SIM_Finances::AddCash(float amount) {
  m_cash += amount;
  SIM_GetStatistics()->ChangeCounter(amount, "CASH_EARNED");
  SIM_GetStatistics()->CheckHighest(m_cash, "HIGHEST_BANK");
}
