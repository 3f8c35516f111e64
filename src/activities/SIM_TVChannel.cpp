#include "SIM_TVChannel.h"

#include "CSV.h"
#include "ExitCleanup.h"
#include "GDebug.h"
#include "SIM_ActivityTable.h"

std::list<SIM_TVChannel*> SIM_TVChannel::All;
bool SIM_TVChannel::BOpened = false;

SIM_TVChannel::SIM_TVChannel() {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_TVChannel::~SIM_TVChannel() { All.remove(this); }

void SIM_TVChannel::Open(const char* file) {
  if (BOpened) return;
  Close();
  SIM_ReadActivityTable(file, "the remote shows no channel",
                        [](const std::string& row, const std::string& origin) {
                          auto* channel = new SIM_TVChannel;
                          if (!channel->Load(row, origin)) delete channel;
                        });
  BOpened = true;
}

void SIM_TVChannel::Close() {
  while (!All.empty()) delete All.front();
  BOpened = false;
}

bool SIM_TVChannel::Load(const std::string& row, const std::string& origin) {
  SetOrigin(origin);
  CSV csv;
  csv.Initialise(row, ',', origin);
  csv.GetNextToken();  // the row marker
  m_name = csv.GetNextString();
  if (m_name.empty()) {
    GWarnRow(origin, "a television channel without a name; the row is skipped");
    return false;
  }
  SetSource(m_name);
  m_guiName = csv.GetNextString();
  if (m_guiName.empty()) m_guiName = m_name;
  m_spare = csv.GetNextString();
  const std::string cable = csv.GetNextString();
  if (!cable.empty() && !CSV::IsNumber(cable, true))
    GWarnRow(origin, "the cable column \"" + cable + "\" of channel " + m_name + " is not a whole number; taken as 0");
  m_needsCable = CSV::IsNumber(cable, true) && CSV::ParseInt(cable.c_str()) != 0;
  m_tooltip = csv.GetNextString();
  SIM_ReadEffectColumns(csv, *this, origin, "channel " + m_name);
  return true;
}
