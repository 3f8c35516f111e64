#include "SIM_TVInstance.h"

#include "GDebug.h"
#include "GUI_WatchTV.h"

void SIM_TVInstance::Create(SIM_SoloActivityType* type) { new SIM_TVInstance(type); }

SIM_TVInstance::SIM_TVInstance(SIM_SoloActivityType* type) : SIM_SoloActivityInstance(type) {
  GAssert(type != nullptr, __FILE__, __LINE__);
  GUI_WatchTV::Create(this);
}

SIM_TVInstance::~SIM_TVInstance() { GUI_WatchTV::Forget(this); }
