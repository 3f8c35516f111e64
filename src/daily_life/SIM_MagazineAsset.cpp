#include "SIM_MagazineAsset.h"

#include "SIM_StandInLog.h"

void SIM_MagazineAsset::ProcessMagazines() { SIM_StandInLog::Called("SIM_MagazineAsset::ProcessMagazines"); }
