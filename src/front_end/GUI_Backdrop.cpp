#include "GUI_Backdrop.h"

#include "GDebug.h"

void GUI_Backdrop::Refresh() { GStandIn("GUI_Backdrop::Refresh (backdrop not built yet)"); }
