#include "SIM_Movie.h"

#include "SIM_StandInLog.h"

void SIM_Movie::NextDay() { STAND_IN(); }

void SIM_Movie::Open() { STAND_IN(); }
void SIM_Movie::Close() { STAND_IN(); }
