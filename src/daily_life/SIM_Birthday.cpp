#include "SIM_Birthday.h"

#include <algorithm>

#include "GDebug.h"
#include "GUI_ChangeNotifier.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Script.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"

SIM_Birthday* SIM_GetBirthday() {
  static SIM_Birthday birthday;
  return &birthday;
}

int SIM_Birthday::CountGuests() {
  SIM_GlobalVariable* variables = SIM_GetGlobalVariables();
  const float fond = variables->Get("BIRTHDAY_ATTEND_MIN");
  const float fondIfNotSnubbed = variables->Get("BIRTHDAY_ATTEND_MIN_IFNOT_SNUBBED");
  SIM_Vede* vede = SIM_GetVede();
  int guests = 0;
  for (SIM_NPC* npc : SIM_NPC::All) {
    const SIM_Relationship* link = npc->GetRelationship(vede);
    if (!link) continue;
    const float strength = link->GetStrength();
    if (strength > fond || (strength > fondIfNotSnubbed && !npc->IsSnubbed())) ++guests;
  }
  return guests;
}

float SIM_Birthday::GoodScale(int guests) { return std::clamp(0.25f * (float)(guests - 3), 0.0f, 1.0f); }

float SIM_Birthday::DepressingScale(int guests) { return std::clamp(0.25f * (float)(4 - guests), 0.0f, 1.0f); }

void SIM_Birthday::ProcessBirthday() {
  SIM_StandInLog::Record("SIM_Birthday::ProcessBirthday");
  m_partyGuests = CountGuests();
  GUI_ChangeNotifier::CloseAll();
  SIM_Script* script = SIM_GetScript();
  // Four guests is an ordinary party: it neither cheers nor depresses.
  if (m_partyGuests > 4) script->RunScript("birthday_good.txt", GoodScale(m_partyGuests));
  if (m_partyGuests < 4) script->RunScript("birthday_depressing.txt", DepressingScale(m_partyGuests));
  script->RunScript("birthday_party.txt", 1.0f);
  SIM_GetVede()->Birthday();
  GetDebug()->DebugOut(("Birthday party: " + std::to_string(m_partyGuests) + " guests").c_str());
}
