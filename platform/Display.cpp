#include "Display.h"

#include <SDL.h>

#include "GDebug.h"

bool GetMainDisplaySize(int* width, int* height) {
  if (IsHeadless() || !SDL_WasInit(SDL_INIT_VIDEO)) return false;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
  if (width) *width = mode.w;
  if (height) *height = mode.h;
  return true;
}
