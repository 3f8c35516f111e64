#include "SIM_CharacterType.h"

#include "SIM_StandInLog.h"

void SIM_CharacterType::Open() { SIM_StandInLog::Called("SIM_CharacterType::Open"); }
void SIM_CharacterType::Close() { SIM_StandInLog::Called("SIM_CharacterType::Close"); }
