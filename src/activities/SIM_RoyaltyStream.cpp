#include "SIM_RoyaltyStream.h"

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_PhoneMessage.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_StandInLog.h"

std::list<SIM_RoyaltyStream*> SIM_RoyaltyStream::All;

void SIM_RoyaltyStream::Create(const std::string& guiname, float income, TYPE type) {
  new SIM_RoyaltyStream(guiname, income, type);  // the list owns it
  GetDebug()->DebugOut(GFormat("Royalties: a stream of %.2f a week for \"%s\"", (double)income, guiname.c_str()).c_str());
}

SIM_RoyaltyStream::SIM_RoyaltyStream(const std::string& guiname, float income, TYPE type)
    : m_income(income), m_guiname(guiname), m_type(type) {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_RoyaltyStream::~SIM_RoyaltyStream() { All.remove(this); }

void SIM_RoyaltyStream::Open() {
  // The day turn's tests watch for this moment of a new game.
  SIM_StandInLog::Record("SIM_RoyaltyStream::Open");
  Close();
}

void SIM_RoyaltyStream::Close() {
  while (!All.empty()) delete All.front();
}

void SIM_RoyaltyStream::NextWeekAll() {
  SIM_StandInLog::Record("SIM_RoyaltyStream::NextWeekAll");
  const float degrade = SIM_GetGlobalVariables()->Get("GV_ROYALTY_DEGRADE");
  float sum = 0.0f;
  for (SIM_RoyaltyStream* stream : All) {
    if (stream->m_income > 1.0f) {
      stream->m_lastcheque = stream->m_income * GRandom::RandReal(0.95f, 1.1f);
      stream->m_total += stream->m_lastcheque;
    } else {
      stream->m_lastcheque = 0.0f;  // a dried-up stream stays, paying nothing
    }
    stream->m_income *= 1.0f - degrade;
    sum += stream->m_lastcheque;
  }
  if (sum <= 0.0f) return;
  SIM_GetFinances()->AddCash(sum);
  GUI_PhoneMessage::CreateRoyaltyReport();
  GetDebug()->DebugOut(GFormat("Royalties: %.2f paid this week", (double)sum).c_str());
}
