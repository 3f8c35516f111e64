#pragma once
// The game speaks Mac virtual key codes (36 Return, 53 Escape, 51 Delete, 55 Command, 56 and 60
// Shift). This maps the keyboard's physical keys (SDL scancodes) onto them by position, so the
// letters match the text-entry table. Both the GUI keys and the Ctrl keys act as Command.
// Returns -1 for a key the game has no code for.
int MacKeyFromScancode(int scancode);
