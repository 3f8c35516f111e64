#include "SIM_Movie.h"

#include "GDebug.h"
#include "SIM_StandInLog.h"

void SIM_Movie::NextDay() { GStandIn("SIM_Movie::NextDay"); }

void SIM_Movie::Open() { SIM_StandInLog::Called("SIM_Movie::Open"); }
void SIM_Movie::Close() { SIM_StandInLog::Called("SIM_Movie::Close"); }
