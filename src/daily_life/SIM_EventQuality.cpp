#include "SIM_EventQuality.h"

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "Game.h"
#include "SIM_Rumour.h"
#include "SIM_SocialiseType.h"
#include "SIM_StandInLog.h"

std::list<SIM_EventQuality*> SIM_EventQuality::All;

SIM_EventQuality::SIM_EventQuality(SIM_SocialiseType* type) : m_type(type) {
  GAssert(type != nullptr, __FILE__, __LINE__);
  All.push_back(this);
  NextWeek();
}

SIM_EventQuality::~SIM_EventQuality() { All.remove(this); }

float SIM_EventQuality::GetQuality() const { return GRandom::RandReal(m_low, m_high); }

void SIM_EventQuality::NextWeek() {
  float r = GRandom::RandUnitFloat();
  float centre;
  if (r < 0.4f) {
    centre = GRandom::RandReal(0.05f, 0.25f);  // a poor week
  } else if (r < 0.8f) {
    centre = GRandom::RandReal(0.75f, 0.95f);  // a good week
  } else {
    centre = GRandom::RandReal(0.35f, 0.65f);
  }
  m_low = centre - 0.05f;
  m_high = centre + 0.05f;
  GenerateRumours();
}

void SIM_EventQuality::GenerateRumours() {
  if (!m_type) return;
  float middle = (m_low + m_high) / 2.0f;
  std::string key = "rumour_" + m_type->GetName();
  if (middle < 0.3f) {
    key += "_bad";
  } else if (middle > 0.7f) {
    key += "_good";
  } else {
    return;
  }
  std::string text = GTranslation::GetRandomString(key.c_str());
  GTranslation::ReplaceToken(text, "<TOWNNAME>", GetGame()->GetTownName());
  SIM_Rumour::AddRumour(text, SIM_Rumour::RUMOUR_SOCIALTYPE, m_type);
}

void SIM_EventQuality::NextWeekAll() {
  SIM_StandInLog::Record("SIM_EventQuality::NextWeekAll");
  SIM_Rumour::KillRumours(SIM_Rumour::RUMOUR_SOCIALTYPE);
  for (SIM_EventQuality* band : All) band->NextWeek();
}
