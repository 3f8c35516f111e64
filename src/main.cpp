// The process entry: everything happens in WinMain. The game reads no command-line arguments.
#include "winmain.h"

int main() { return WinMain(nullptr, nullptr, "", 0); }
