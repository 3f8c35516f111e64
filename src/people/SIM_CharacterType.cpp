#include "SIM_CharacterType.h"

#include "SIM_StandInLog.h"

void SIM_CharacterType::Open() { STAND_IN(); }
void SIM_CharacterType::Close() { STAND_IN(); }
