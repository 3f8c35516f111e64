#pragma once
// The full-screen black fade drawn over everything after the current mode. A fade-out ignores
// clicks until it ends and then calls its callback (which is expected to change screens); a
// fade-in uncovers the new screen. FADETIME is 150 timer milliseconds.
//
// A fade started while a fade-out is still running replaces it, but the replaced fade's callback
// is not lost: it is queued and runs when the new fade ends, before the new fade's own callback.
// So the action of a fade-first button always happens exactly once, after a fade.
#include <cstddef>
#include <utility>
#include <vector>

#include "GTimer.h"

class GUI_ScreenFader {
 public:
  enum TYPE { TYPE_NONE = 0, TYPE_FADEOUT = 1, TYPE_FADEIN = 2 };
  using Callback = void (*)(int);
  static constexpr float FADETIME = 150.0f;  // milliseconds

  void StartFade(TYPE type, Callback callback, int argument);
  void FadeOut(Callback callback, int argument) { StartFade(TYPE_FADEOUT, callback, argument); }
  void FadeIn() { StartFade(TYPE_FADEIN, nullptr, 0); }
  // Every frame, after the mode: the black veil, and at the end of a fade the callbacks.
  void Draw();
  TYPE GetType() const { return m_type; }
  bool IsFading() const { return m_type != TYPE_NONE; }
  // Callbacks waiting for the running fade to end, its own included.
  size_t PendingCallbacks() const { return m_queued.size() + (m_callback ? 1 : 0); }

 private:
  GTimer m_timer;
  TYPE m_type = TYPE_NONE;
  Callback m_callback = nullptr;
  int m_argument = 0;
  std::vector<std::pair<Callback, int>> m_queued;  // from replaced fades, oldest first
};

GUI_ScreenFader* GUI_GetFader();
