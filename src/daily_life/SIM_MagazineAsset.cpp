#include "SIM_MagazineAsset.h"

#include "SIM_StandInLog.h"

void SIM_MagazineAsset::ProcessMagazines() { STAND_IN(); }
