#include "SystemPointer.h"

#include <SDL.h>

namespace {
bool g_hidden = false;
}

void HideSystemPointer(bool hidden) { g_hidden = hidden; }

bool IsSystemPointerHidden() { return g_hidden; }

void ApplySystemPointer(bool windowed) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  const int wanted = windowed && !g_hidden ? SDL_ENABLE : SDL_DISABLE;
  if (SDL_ShowCursor(SDL_QUERY) != wanted) SDL_ShowCursor(wanted);
}
