#include "SIM_Gym.h"

#include "GUI_SoloActivityChooser.h"

void SIM_Gym::Clicked() {
  GUI_SoloActivityChooser::Create();
  GUI_SoloActivityChooser::ScrollToActivity("visitgym");
}
