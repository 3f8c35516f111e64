#pragma once
// The game's version, shown in the debug log banner, the assertion report and the menus.
inline const char* GetAppVersionString() { return "2.0.0"; }
