#include "SIM_Gift.h"

#include "GUI_Gift.h"

SIM_Gift::~SIM_Gift() {
  if (GUI_Gift::PTheWindow && GUI_Gift::PTheWindow->GetGift() == this) GUI_Gift::Close();
}

void SIM_Gift::Purchase() { SIM_Asset::Purchase(); }

void SIM_Gift::Clicked() { GUI_Gift::Create(this); }
