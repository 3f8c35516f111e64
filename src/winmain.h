#pragma once
// The process's platform side: the main window, its event pump and the frame loop. The game keeps
// the Win32 names (WinMain, the window and instance handles) while SDL does the work underneath.

// The application runs frames; cleared to quit and while the application is in the background.
extern bool BActive;
// The main window (an SDL_Window*, opaque to the game); null in headless runs.
extern void* gWnd;
// The platform instance handle; there is none on this platform.
extern void* gInstance;
// The main display is more than 768 pixels high, so the game may run in a window. True until the
// Game constructor has looked.
extern bool canGoWindowed;

// Creates the window, the Game and runs the frame loop until the game quits. 0 after a normal
// run, 1 when the pre-flight check fails. No command-line argument is read.
int WinMain(void* instance, void* previous, const char* commandLine, int showCommand);
bool PreFlightCheck();
// The application comes to the front: frames run again, the music volume is refreshed and the
// current mode is re-activated (Game::Resume). Nothing happens before start-up has finished.
void ApplicationActivated();
// Another application is in front: no frames run until it comes back. Nothing else stops.
void ApplicationDeactivated();
// Ends the frame loop after the current frame (the game calls it when it has released everything).
void QuitEventLoop();
// Rebuilds the display's surfaces; nothing calls it.
void RestoreD3D();
