#include "GUI_WindowManager.h"

#include <algorithm>
#include <vector>

#include "CInput.h"
#include "GUI_ConfirmDialog.h"
#include "GUI_WindowBase.h"

GUI_WindowManager* GUI_GetWindowManager() {
  // Never freed: windows deleted late at exit still find their manager.
  static GUI_WindowManager* manager = new GUI_WindowManager;
  return manager;
}

namespace {
bool Contains(const GUI_WindowManager::WindowList& list, const GUI_WindowBase* window) {
  return std::find(list.begin(), list.end(), window) != list.end();
}

// A window's drawing or input may delete windows (its own or others), so the walks go over a copy
// and skip any window that has left the list meanwhile.
std::vector<GUI_WindowBase*> Snapshot(const GUI_WindowManager::WindowList& list, bool topFirst) {
  std::vector<GUI_WindowBase*> out(list.begin(), list.end());
  if (topFirst) std::reverse(out.begin(), out.end());
  return out;
}
}  // namespace

void GUI_WindowManager::AddWindow(GUI_WindowBase* window, bool atTop) {
  if (!window) return;
  m_windows.remove(window);
  if (atTop) {
    m_windows.push_back(window);
  } else {
    m_windows.push_front(window);
  }
}

void GUI_WindowManager::RemoveWindow(GUI_WindowBase* window) { m_windows.remove(window); }

void GUI_WindowManager::AddModal(GUI_WindowBase* window) {
  if (window) m_modals.push_back(window);
}

void GUI_WindowManager::RemoveModal(GUI_WindowBase* window) { m_modals.remove(window); }

void GUI_WindowManager::AddFullscreen(GUI_WindowBase* window) {
  if (window) m_fullscreens.push_back(window);
}

void GUI_WindowManager::RemoveFullscreen(GUI_WindowBase* window) { m_fullscreens.remove(window); }

void GUI_WindowManager::MakeTopmost(GUI_WindowBase* window) {
  if (Contains(m_windows, window)) AddWindow(window, true);
}

bool GUI_WindowManager::IsRegistered(const GUI_WindowBase* window) const { return Contains(m_windows, window); }

bool GUI_WindowManager::DialogActive() const {
  for (GUI_WindowBase* window : m_windows) {
    if (window->IsDialog()) return true;
  }
  return false;
}

void GUI_WindowManager::CloseTopDialog() {
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
    if ((*it)->IsDialog()) {
      delete *it;
      return;
    }
  }
}

void GUI_WindowManager::HandleEscapeKey() {
  if (DialogActive()) CloseTopDialog();
}

void GUI_WindowManager::CloseAllDialogs(GUI_WindowBase* keep) {
  std::vector<GUI_WindowBase*> dialogs;
  for (GUI_WindowBase* window : m_windows) {
    if (window != keep && window->IsDialog()) dialogs.push_back(window);
  }
  for (GUI_WindowBase* dialog : dialogs) {
    // A dialog's destructor may already have deleted another one (a child, a companion window).
    if (Contains(m_windows, dialog)) delete dialog;
  }
}

void GUI_WindowManager::CloseOnRestart() {
  // One window at a time, searching again after each: destructors change the lists.
  for (;;) {
    GUI_WindowBase* victim = nullptr;
    for (GUI_WindowBase* window : m_windows) {
      if (window->GetCloseOnRestart()) {
        victim = window;
        break;
      }
    }
    if (!victim) {
      for (GUI_WindowBase* window : m_fullscreens) {
        if (window->GetCloseOnRestart()) {
          victim = window;
          break;
        }
      }
    }
    if (!victim) return;
    delete victim;
  }
}

void GUI_WindowManager::CloseAll() {
  while (!m_windows.empty()) delete m_windows.front();
}

void GUI_WindowManager::CloseTopFullScreen(int) {
  GUI_WindowManager* manager = GUI_GetWindowManager();
  if (!manager->m_fullscreens.empty()) delete manager->m_fullscreens.back();
}

void GUI_WindowManager::Draw() {
  if (HasFullscreen()) return;
  std::vector<GUI_WindowBase*> windows = Snapshot(m_windows, false);
  for (int pass = 0; pass < 2; ++pass) {
    const bool dialogs = pass == 1;
    for (GUI_WindowBase* window : windows) {
      if (!Contains(m_windows, window)) continue;
      if (window->IsVisible() && window->IsDialog() == dialogs) window->Draw();
    }
  }
}

bool GUI_WindowManager::DrawFullscreen() {
  if (m_fullscreens.empty()) return false;
  m_fullscreens.back()->Draw();
  for (GUI_WindowBase* window : Snapshot(m_windows, false)) {
    if (!Contains(m_windows, window)) continue;
    if (window->IsVisible() && window->IsDialog()) window->Draw();
  }
  // A quit question is never hidden behind a full-screen window's later dialogs.
  if (GUI_ConfirmDialog::PTheWindow) GUI_ConfirmDialog::PTheWindow->Draw();
  return true;
}

bool GUI_WindowManager::CheckClick() {
  const float x = GetInput()->mouseX;
  const float y = GetInput()->mouseY;
  if (!m_modals.empty()) {
    for (GUI_WindowBase* window : Snapshot(m_modals, true)) {
      if (!Contains(m_modals, window)) continue;
      if (window->CheckClick(x, y)) return true;
    }
    return true;  // nothing below a modal window gets a click
  }
  if (m_fullscreens.empty()) {
    for (GUI_WindowBase* window : Snapshot(m_windows, true)) {
      if (!Contains(m_windows, window)) continue;
      if (window->CheckClick(x, y)) return true;
    }
    return false;
  }
  for (GUI_WindowBase* window : Snapshot(m_windows, true)) {
    if (!Contains(m_windows, window)) continue;
    if (window->IsVisible() && window->IsDialog() && window->CheckClick(x, y))
      return true;
  }
  for (GUI_WindowBase* window : Snapshot(m_fullscreens, true)) {
    if (!Contains(m_fullscreens, window)) continue;
    if (window->CheckClick(x, y)) return true;
  }
  return true;
}

void GUI_WindowManager::ProcessInput() {
  if (!m_modals.empty()) {
    for (GUI_WindowBase* window : Snapshot(m_modals, true)) {
      if (Contains(m_modals, window)) window->ProcessInput();
    }
    return;
  }
  if (m_fullscreens.empty()) {
    for (GUI_WindowBase* window : Snapshot(m_windows, true)) {
      if (Contains(m_windows, window)) window->ProcessInput();
    }
    return;
  }
  for (GUI_WindowBase* window : Snapshot(m_windows, true)) {
    if (Contains(m_windows, window) && window->IsVisible() && window->IsDialog()) window->ProcessInput();
  }
  GUI_WindowBase* current = GetTopFullscreen();
  if (current && !current->IsDialog()) current->ProcessInput();
}
