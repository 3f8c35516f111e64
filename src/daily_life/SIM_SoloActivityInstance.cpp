#include "SIM_SoloActivityInstance.h"

#include "ExitCleanup.h"
#include "GDebug.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_Dirt.h"
#include "GUI_VideoGame.h"
#include "SIM_Boredom.h"
#include "SIM_Description.h"
#include "SIM_Finances.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_Script.h"
#include "SIM_SoloActivityType.h"
#include "SIM_StandInLog.h"
#include "SIM_Statistics.h"
#include "SIM_Vede.h"

std::list<SIM_SoloActivityInstance*> SIM_SoloActivityInstance::All;

void SIM_SoloActivityInstance::Create(SIM_SoloActivityType* type) {
  auto* instance = new SIM_SoloActivityInstance(type);
  instance->ProcessChunk();
}

void SIM_SoloActivityInstance::Open() {
  SIM_StandInLog::Record("SIM_SoloActivityInstance::Open");
  Close();
}

void SIM_SoloActivityInstance::Close() {
  while (!All.empty()) delete All.front();
}

SIM_SoloActivityInstance::SIM_SoloActivityInstance(SIM_SoloActivityType* type) : m_type(type) {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_SoloActivityInstance::~SIM_SoloActivityInstance() { All.remove(this); }

void SIM_SoloActivityInstance::ProcessChunk() {
  if (!m_type) {
    GError("A solo evening without a type", __FILE__, __LINE__);
    SIM_TimeChunk::ProcessChunk();
    return;
  }
  GUI_ChangeNotifier::CloseAll();
  SIM_Script* script = SIM_GetScript();
  script->RunScript(m_type->GetScript(), 1.0f);
  script->RunScript("solo_event.txt", 1.0f);
  // Charged even when free, so that the cash display always hears of the evening.
  SIM_GetFinances()->SpendCash(m_type->GetCost());
  if (!m_type->GetIgnoreModifiers()) m_type->ApplyModifiers(1.0f);
  // The video game's window uses up the slot when it closes: ending it here too would spend two.
  if (GUI_VideoGame::PTheWindow) ProcessChunkKeepingSlot();
  else SIM_TimeChunk::ProcessChunk();
  if (m_type->GetName() == "clean") GUI_GetDirt()->Process();
  m_type->CheckForNewFriends();
  SIM_GetDescription()->AddNounCandidate(m_type->GetDescriptionNoun(),
                                         SIM_GetGlobalVariables()->Get("SOLO_DESC_NOUN_VALUE"));
  SIM_Statistics* statistics = SIM_GetStatistics();
  statistics->ChangeCounter(1, "DAYS_SOLO");
  statistics->IncrementActivity(m_type->GetName(), m_type->GetGUIName());
  SIM_Vede* vede = SIM_GetVede();
  if (SIM_Boredom* boredom = vede->GetBoredom()) boredom->AddEffect(m_type->GetName(), 0.6f);
  if (vede->IsBored(m_type)) script->RunScript("bored_by_solo_choice.txt", 1.0f);
  GetDebug()->DebugOut(GFormat("Solo evening: %s (evenings left today: %d)", m_type->GetName().c_str(),
                               (int)SIM_GetSim()->GetActivitiesRemaining())
                           .c_str());
}
