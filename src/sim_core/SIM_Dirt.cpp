#include "SIM_Dirt.h"

#include "GUI_Dirt.h"
#include "GUI_EventList.h"
#include "GUI_HintHelp.h"
#include "SIM_Attribute.h"
#include "SIM_FunctionTable.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"

SIM_Dirt* SIM_GetDirt() {
  static SIM_Dirt dirt;
  return &dirt;
}

void SIM_HookCleanHome() { SIM_GetDirt()->CleanHome(); }

SIM_Dirt::SIM_Dirt() { SIM_GetFunctionTable()->AddHook("cleanhome", SIM_HookCleanHome); }

SIM_NamedValue* SIM_Dirt::GetDirtValue() {
  SIM_NamedValue* dirt = SIM_NamedValueList::Globals.GetNamedValue("glob_dirt");
  if (!dirt) {
    dirt = new SIM_Attribute("glob_dirt", "Dirt", 0.0f);
    SIM_NamedValueList::Globals.AddValue(dirt);
  }
  return dirt;
}

void SIM_Dirt::Initialise() {
  GetDirtValue()->SetValue(0.0f);
  m_cache = 0.0f;
}

void SIM_Dirt::DirtyHome() {
  float rate = SIM_GetGlobalVariables()->Get("GV_DIRT_ACCUMULATE_RATE");
  if (SIM_NamedValueList::Globals.IsTrue("dishwasher")) rate *= 0.75f;
  GetDirtValue()->ProcOperator("+=", rate);
}

void SIM_Dirt::CleanHome() {
  GetDirtValue()->SetValue(0.0f);
  m_cache = 0.0f;
  GUI_GetDirt()->Process();
}

void SIM_Dirt::NextDay() {
  float bonus = 0.0f;
  if (SIM_NamedValueList::Globals.IsTrue("dog")) bonus += SIM_GetGlobalVariables()->Get("GV_DIRT_PET_BONUS");
  if (SIM_NamedValueList::Globals.IsTrue("cat")) bonus += SIM_GetGlobalVariables()->Get("GV_DIRT_PET_BONUS");
  SIM_NamedValue* dirt = GetDirtValue();
  dirt->ProcOperator("+=", bonus);
  m_cache = dirt->GetValue();
  if (m_cache > 0.5f) {
    GUI_GetEventList()->AddEvent("DIRTY_HOUSE");
    GUI_GetEventList()->SetAfterWorkEvent(true);
    GUI_HintHelp::Launch("dirt_threshhold");
  }
}

void SIM_Dirt::RefreshDirtCache() { m_cache = GetDirtValue()->GetValue(); }
