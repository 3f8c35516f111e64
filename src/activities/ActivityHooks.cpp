// Stand-ins for the hook functions whose activities, screens or services are not built yet. Each
// says once in the debug log that it was called. When the owning subsystem arrives, it defines the
// function beside its activity and deletes the stand-in here.
#include "ActivityHooks.h"

#include "SIM_StandInLog.h"

void SIM_HookSurfWeb() { STAND_IN(); }
void SIM_HookEasyCrossword() { STAND_IN(); }
void SIM_HookCrypticCrossword() { STAND_IN(); }
void SIM_HookVideoGame() { STAND_IN(); }
