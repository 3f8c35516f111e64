#pragma once
// The functions behind the hook keys that scripts "Call". Each lives with the activity or service
// it starts.
void SIM_HookInvestigateStory();
void SIM_HookSurfWeb();
void SIM_HookBowlingMatch();  // the bowling team (daily_life/SIM_BowlingTeam.cpp)
void SIM_HookCharityRun();  // the charity run (daily_life/SIM_Charity.cpp)
void SIM_HookDentist();  // the dentist (daily_life/SIM_Dentist.cpp)
void SIM_HookWriteScreenplay();
void SIM_HookWriteSong();
void SIM_HookDevelopTheory();
void SIM_HookEasyCrossword();  // the crossword (activities/GUI_Crossword.cpp)
void SIM_HookCrypticCrossword();
void SIM_HookVideoGame();
void SIM_HookEveningClasses();
void SIM_HookAlcoholMeeting();
void SIM_HookDirtyHome();
void SIM_HookHomeWithPets();
void SIM_HookWalkPark();
void SIM_HookShopping();
void SIM_HookShowNPC();  // the person window (social_screens/GUI_NPC.cpp)
void SIM_Hook_EndDayGUI();
