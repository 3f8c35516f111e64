#include "SIM_Rumour.h"

#include "SIM_StandInLog.h"

std::list<SIM_Rumour*> SIM_Rumour::All;
std::list<SIM_Rumour*>::iterator SIM_Rumour::ItCurrent = SIM_Rumour::All.end();

SIM_Rumour* SIM_Rumour::AddRumour(const std::string& text, RUMOURTYPE type, void* subject) {
  auto* rumour = new SIM_Rumour(text, type, subject);
  All.push_back(rumour);
  ItCurrent = All.begin();
  return rumour;
}

void SIM_Rumour::KillRumours(RUMOURTYPE type) {
  for (auto it = All.begin(); it != All.end();) {
    if ((*it)->m_type != type) {
      ++it;
      continue;
    }
    delete *it;
    // The reader moves on to the rumour that followed the one it was about to read.
    if (it == ItCurrent) {
      it = ItCurrent = All.erase(it);
    } else {
      it = All.erase(it);
    }
  }
}

SIM_Rumour* SIM_Rumour::GetNextRumour() {
  if (All.empty()) return nullptr;
  if (ItCurrent == All.end()) ItCurrent = All.begin();
  SIM_Rumour* rumour = *ItCurrent;
  ++ItCurrent;
  return rumour;
}

void SIM_Rumour::Remove(SIM_Rumour* rumour) {
  for (auto it = All.begin(); it != All.end(); ++it) {
    if (*it != rumour) continue;
    if (it == ItCurrent) {
      ItCurrent = All.erase(it);
    } else {
      All.erase(it);
    }
    delete rumour;
    return;
  }
}

void SIM_Rumour::Open() {
  SIM_StandInLog::Record("SIM_Rumour::Open");
  Close();
}

void SIM_Rumour::Close() {
  for (SIM_Rumour* rumour : All) delete rumour;
  All.clear();
  ItCurrent = All.end();
}
