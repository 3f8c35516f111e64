#include "SIM_TVChannel.h"

#include "GDebug.h"

SIM_TVChannel::SIM_TVChannel() { All.push_back(this); }

SIM_TVChannel::~SIM_TVChannel() { All.remove(this); }

void SIM_TVChannel::Open(const char* file) { OpenTable(file, "the remote shows no channel"); }

bool SIM_TVChannel::Load(const std::string& row, const std::string& origin) {
  CSV csv;
  if (!StartRow(csv, row, origin, m_name, "television channel")) return false;
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
