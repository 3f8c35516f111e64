#include "Alert.h"

#include <SDL.h>

#include <cstdio>

#include "GDebug.h"

namespace {
// Nothing may block: the message goes to stderr and the log, and the default answer is taken.
int AnswerAtOnce(const std::string& title, const std::string& message,
                 const std::vector<std::string>& buttons, int defaultButton) {
  std::string answer = (defaultButton >= 0 && (size_t)defaultButton < buttons.size()) ? buttons[(size_t)defaultButton] : "";
  std::fprintf(stderr, "[%s] %s (answered: %s)\n", title.c_str(), message.c_str(), answer.c_str());
  GetDebug()->DebugOut(GFormat("Alert \"%s\": %s (answered: %s)", title.c_str(), message.c_str(), answer.c_str()).c_str());
  return defaultButton;
}
}  // namespace

int ShowAlert(const std::string& title, const std::string& message, const std::vector<std::string>& buttons,
              int defaultButton) {
  if (buttons.empty()) defaultButton = 0;
  else if (defaultButton < 0 || (size_t)defaultButton >= buttons.size()) defaultButton = 0;
  if (IsNonInteractive()) return AnswerAtOnce(title, message, buttons, defaultButton);

  std::vector<SDL_MessageBoxButtonData> data;
  for (size_t i = 0; i < buttons.size(); ++i) {
    SDL_MessageBoxButtonData b{};
    b.buttonid = (int)i;
    b.text = buttons[i].c_str();
    if ((int)i == defaultButton) b.flags = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    data.push_back(b);
  }
  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_ERROR | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  box.window = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetKeyboardFocus() : nullptr;
  box.title = title.c_str();
  box.message = message.c_str();
  box.numbuttons = (int)data.size();
  box.buttons = data.empty() ? nullptr : data.data();
  int chosen = -1;
  if (SDL_ShowMessageBox(&box, &chosen) != 0) return AnswerAtOnce(title, message, buttons, defaultButton);
  if (chosen < 0 || (size_t)chosen >= buttons.size()) return defaultButton;
  return chosen;
}
