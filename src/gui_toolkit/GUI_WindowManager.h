#pragma once
// The registered windows in z-order, the modal and the full-screen windows. The in-game mode
// calls Draw / DrawFullscreen, ProcessInput and CheckClick every frame or click; the manager
// deletes windows only on Escape (the topmost dialog), when a full-screen window opens (every
// dialog), at a new game or load (CloseOnRestart), in CloseAll and in CloseTopFullScreen. No list
// owns its windows: a window's destructor takes it out of all of them.
//
// A button callback may delete its own window or every dialog; once a window has taken a click
// the manager touches nothing more and returns.
#include <list>

class GUI_WindowBase;

class GUI_WindowManager {
 public:
  using WindowList = std::list<GUI_WindowBase*>;

  // Every occurrence is taken out first, so a window is listed once.
  void AddWindow(GUI_WindowBase* window, bool atTop);
  void RemoveWindow(GUI_WindowBase* window);
  void AddModal(GUI_WindowBase* window);
  void RemoveModal(GUI_WindowBase* window);
  void AddFullscreen(GUI_WindowBase* window);
  void RemoveFullscreen(GUI_WindowBase* window);
  void MakeTopmost(GUI_WindowBase* window);  // when it is registered

  bool HasFullscreen() const { return !m_fullscreens.empty(); }
  bool DialogActive() const;  // some registered window is a dialog, visible or not
  void CloseTopDialog();
  void HandleEscapeKey();
  // Deletes every registered dialog (keep, when given, is spared: a dialog that makes itself
  // full screen must not delete itself in its own constructor).
  void CloseAllDialogs(GUI_WindowBase* keep = nullptr);
  // Deletes every window that asks to be closed at a new game or a load, full-screen ones included.
  void CloseOnRestart();
  void CloseAll();
  // A button callback: deletes the current full-screen window, when there is one.
  static void CloseTopFullScreen(int);

  void Draw();            // nothing while a full-screen window is open
  bool DrawFullscreen();  // false (nothing drawn) without a full-screen window
  bool CheckClick();      // true when the click was taken
  void ProcessInput();

  const WindowList& GetWindows() const { return m_windows; }
  const WindowList& GetModals() const { return m_modals; }
  const WindowList& GetFullscreens() const { return m_fullscreens; }
  GUI_WindowBase* GetTopFullscreen() const { return m_fullscreens.empty() ? nullptr : m_fullscreens.back(); }
  bool IsRegistered(const GUI_WindowBase* window) const;

 private:
  WindowList m_windows;      // bottom first; the last is the topmost
  WindowList m_modals;       // in the order they became modal
  WindowList m_fullscreens;  // the last is the current one
};

GUI_WindowManager* GUI_GetWindowManager();
