#include "KeyMap.h"

#include <SDL_scancode.h>

int MacKeyFromScancode(int scancode) {
  switch (scancode) {
    case SDL_SCANCODE_A: return 0;
    case SDL_SCANCODE_S: return 1;
    case SDL_SCANCODE_D: return 2;
    case SDL_SCANCODE_F: return 3;
    case SDL_SCANCODE_H: return 4;
    case SDL_SCANCODE_G: return 5;
    case SDL_SCANCODE_Z: return 6;
    case SDL_SCANCODE_X: return 7;
    case SDL_SCANCODE_C: return 8;
    case SDL_SCANCODE_V: return 9;
    case SDL_SCANCODE_NONUSBACKSLASH: return 10;
    case SDL_SCANCODE_B: return 11;
    case SDL_SCANCODE_Q: return 12;
    case SDL_SCANCODE_W: return 13;
    case SDL_SCANCODE_E: return 14;
    case SDL_SCANCODE_R: return 15;
    case SDL_SCANCODE_Y: return 16;
    case SDL_SCANCODE_T: return 17;
    case SDL_SCANCODE_1: return 18;
    case SDL_SCANCODE_2: return 19;
    case SDL_SCANCODE_3: return 20;
    case SDL_SCANCODE_4: return 21;
    case SDL_SCANCODE_6: return 22;
    case SDL_SCANCODE_5: return 23;
    case SDL_SCANCODE_EQUALS: return 24;
    case SDL_SCANCODE_9: return 25;
    case SDL_SCANCODE_7: return 26;
    case SDL_SCANCODE_MINUS: return 27;
    case SDL_SCANCODE_8: return 28;
    case SDL_SCANCODE_0: return 29;
    case SDL_SCANCODE_RIGHTBRACKET: return 30;
    case SDL_SCANCODE_O: return 31;
    case SDL_SCANCODE_U: return 32;
    case SDL_SCANCODE_LEFTBRACKET: return 33;
    case SDL_SCANCODE_I: return 34;
    case SDL_SCANCODE_P: return 35;
    case SDL_SCANCODE_RETURN: return 36;
    case SDL_SCANCODE_L: return 37;
    case SDL_SCANCODE_J: return 38;
    case SDL_SCANCODE_APOSTROPHE: return 39;
    case SDL_SCANCODE_K: return 40;
    case SDL_SCANCODE_SEMICOLON: return 41;
    case SDL_SCANCODE_BACKSLASH: return 42;
    case SDL_SCANCODE_COMMA: return 43;
    case SDL_SCANCODE_SLASH: return 44;
    case SDL_SCANCODE_N: return 45;
    case SDL_SCANCODE_M: return 46;
    case SDL_SCANCODE_PERIOD: return 47;
    case SDL_SCANCODE_TAB: return 48;
    case SDL_SCANCODE_SPACE: return 49;
    case SDL_SCANCODE_GRAVE: return 50;
    case SDL_SCANCODE_BACKSPACE: return 51;
    case SDL_SCANCODE_ESCAPE: return 53;
    case SDL_SCANCODE_LGUI:
    case SDL_SCANCODE_RGUI:
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return 55;
    case SDL_SCANCODE_LSHIFT: return 56;
    case SDL_SCANCODE_CAPSLOCK: return 57;
    case SDL_SCANCODE_LALT: return 58;
    case SDL_SCANCODE_RSHIFT: return 60;
    case SDL_SCANCODE_RALT: return 61;
    case SDL_SCANCODE_KP_PERIOD: return 65;
    case SDL_SCANCODE_KP_MULTIPLY: return 67;
    case SDL_SCANCODE_KP_PLUS: return 69;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 71;
    case SDL_SCANCODE_KP_DIVIDE: return 75;
    case SDL_SCANCODE_KP_ENTER: return 76;
    case SDL_SCANCODE_KP_MINUS: return 78;
    case SDL_SCANCODE_KP_EQUALS: return 81;
    case SDL_SCANCODE_KP_0: return 82;
    case SDL_SCANCODE_KP_1: return 83;
    case SDL_SCANCODE_KP_2: return 84;
    case SDL_SCANCODE_KP_3: return 85;
    case SDL_SCANCODE_KP_4: return 86;
    case SDL_SCANCODE_KP_5: return 87;
    case SDL_SCANCODE_KP_6: return 88;
    case SDL_SCANCODE_KP_7: return 89;
    case SDL_SCANCODE_KP_8: return 91;
    case SDL_SCANCODE_KP_9: return 92;
    case SDL_SCANCODE_F5: return 96;
    case SDL_SCANCODE_F6: return 97;
    case SDL_SCANCODE_F7: return 98;
    case SDL_SCANCODE_F3: return 99;
    case SDL_SCANCODE_F8: return 100;
    case SDL_SCANCODE_F9: return 101;
    case SDL_SCANCODE_F11: return 103;
    case SDL_SCANCODE_F10: return 109;
    case SDL_SCANCODE_F12: return 111;
    case SDL_SCANCODE_INSERT: return 114;
    case SDL_SCANCODE_HOME: return 115;
    case SDL_SCANCODE_PAGEUP: return 116;
    case SDL_SCANCODE_DELETE: return 117;
    case SDL_SCANCODE_F4: return 118;
    case SDL_SCANCODE_END: return 119;
    case SDL_SCANCODE_F2: return 120;
    case SDL_SCANCODE_PAGEDOWN: return 121;
    case SDL_SCANCODE_F1: return 122;
    case SDL_SCANCODE_LEFT: return 123;
    case SDL_SCANCODE_RIGHT: return 124;
    case SDL_SCANCODE_DOWN: return 125;
    case SDL_SCANCODE_UP: return 126;
    default: return -1;
  }
}
