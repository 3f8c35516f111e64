#pragma once
// The main display's size in pixels (the desktop mode of display 0). False, with the outputs left
// alone, when there is no display to ask (headless runs, no video driver).
bool GetMainDisplaySize(int* width, int* height);
