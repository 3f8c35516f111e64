// Stand-ins for the hook functions whose activities, screens or services are not built yet. Each
// says once in the debug log that it was called. When the owning subsystem arrives, it defines the
// function beside its activity and deletes the stand-in here.
#include "ActivityHooks.h"

#include "GDebug.h"

void SIM_HookInvestigateStory() { GStandIn("hook investigatestory (news-story project)"); }
void SIM_HookSurfWeb() { GStandIn("hook surfweb (web-surfing screen)"); }
void SIM_HookBowlingMatch() { GStandIn("hook bowlingmatch (bowling team)"); }
void SIM_HookCharityRun() { GStandIn("hook charityrun (charity run)"); }
void SIM_HookDentist() { GStandIn("hook dentist (dentist visit)"); }
void SIM_HookWriteScreenplay() { GStandIn("hook writescreenplay (screenplay project)"); }
void SIM_HookWriteSong() { GStandIn("hook writesong (song project)"); }
void SIM_HookDevelopTheory() { GStandIn("hook developtheory (theory project)"); }
void SIM_HookEasyCrossword() { GStandIn("hook easycrossword (crossword)"); }
void SIM_HookCrypticCrossword() { GStandIn("hook crypticcrossword (crossword)"); }
void SIM_HookVideoGame() { GStandIn("hook videogame (video-game mini-game)"); }
void SIM_HookEveningClasses() { GStandIn("hook eveningclasses (evening classes screen)"); }
void SIM_HookAlcoholMeeting() { GStandIn("hook alcoholicsmeeting (support-group meeting)"); }
void SIM_HookHomeWithPets() { GStandIn("hook homewithpets (pets)"); }
void SIM_HookWalkPark() { GStandIn("hook walkpark (walk in the park)"); }
void SIM_HookShopping() { GStandIn("hook shopping (shopping screen)"); }
