#include "GUI_PostMortem.h"

#include "SIM_SocialiseInstance.h"
#include "SIM_StandInLog.h"

void GUI_PostMortem::Create(SIM_SocialiseInstance* instance) {
  STAND_IN();
  if (instance) instance->AfterPostMortem();
}

void GUI_PostMortem::Close() { STAND_IN(); }
void GUI_PostMortem::Reset() { STAND_IN(); }

void GUI_SpecialEventPostMortem::Create(SIM_SpecialEvent*) { STAND_IN(); }
