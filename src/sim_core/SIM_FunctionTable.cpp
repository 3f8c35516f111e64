#include "SIM_FunctionTable.h"

#include "ActivityHooks.h"
#include "GDebug.h"
#include "SIM_Dirt.h"

// The one hook of the simulation core itself; the others start activities and screens.
void SIM_HookDirtyHome() { SIM_GetDirt()->DirtyHome(); }

SIM_FunctionTable* SIM_GetFunctionTable() {
  static SIM_FunctionTable* table = new SIM_FunctionTable();
  return table;
}

SIM_FunctionTable::SIM_FunctionTable() {
  // "cleanhome" joins when the home-dirt service is first made.
  AddHook("investigatestory", SIM_HookInvestigateStory);
  AddHook("surfweb", SIM_HookSurfWeb);
  AddHook("bowlingmatch", SIM_HookBowlingMatch);
  AddHook("charityrun", SIM_HookCharityRun);
  AddHook("dentist", SIM_HookDentist);
  AddHook("writescreenplay", SIM_HookWriteScreenplay);
  AddHook("writesong", SIM_HookWriteSong);
  AddHook("developtheory", SIM_HookDevelopTheory);
  AddHook("easycrossword", SIM_HookEasyCrossword);
  AddHook("crypticcrossword", SIM_HookCrypticCrossword);
  AddHook("videogame", SIM_HookVideoGame);
  AddHook("eveningclasses", SIM_HookEveningClasses);
  AddHook("alcoholicsmeeting", SIM_HookAlcoholMeeting);
  AddHook("dirtyhome", SIM_HookDirtyHome);
  AddHook("homewithpets", SIM_HookHomeWithPets);
  AddHook("walkpark", SIM_HookWalkPark);
  AddHook("shopping", SIM_HookShopping);
  AddHook("shownpcwindow", SIM_HookShowNPC);
  AddHook("enddaygui", SIM_Hook_EndDayGUI);
}

SIM_FunctionTable::~SIM_FunctionTable() {
  for (SIM_HookedFunction* hook : m_hooks) delete hook;
}

void SIM_FunctionTable::AddHook(const std::string& key, SIM_HookFunction function) {
  SIM_HookedFunction* hook = new SIM_HookedFunction();
  hook->function = function;
  hook->key = key;
  m_hooks.push_back(hook);
}

bool SIM_FunctionTable::Trigger(const std::string& key) {
  for (SIM_HookedFunction* hook : m_hooks) {
    if (hook->key == key) {
      if (hook->function) hook->function();
      return true;
    }
  }
  std::string text = GFormat("Hook not found: %s", key.c_str());
  GErrorOnce("SIM_FunctionTable:" + key, text.c_str(), __FILE__, __LINE__);
  return false;
}

bool SIM_FunctionTable::HasHook(const std::string& key) const {
  for (const SIM_HookedFunction* hook : m_hooks) {
    if (hook->key == key) return true;
  }
  return false;
}
