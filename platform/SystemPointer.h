#pragma once
// The system's mouse pointer over the game's window. A screen that draws a pointer of its own (the
// video game's crosshair) asks for it hidden while the mouse is over its play area; the window's
// frame loop applies the wish. In full screen the system pointer never shows: the game draws its
// own cursor. Without a window only the wish is kept, so headless tests can read it.
void HideSystemPointer(bool hidden);
bool IsSystemPointerHidden();
// Once a frame from the window's loop: shown in a window unless hidden, never in full screen.
void ApplySystemPointer(bool windowed);
