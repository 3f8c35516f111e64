#pragma once
// The base of every button: a rectangle with a plain callback of one int. A click passes the
// tutorial's gate, plays the click sound, and runs the callback at once or, for a fade-first
// button, when the screen fade-out it starts has ended. A disabled button still takes its click:
// it shows its explanation (a help window) when it has one and does nothing otherwise.
//
//   GUI_ButtonText* ok = new GUI_ButtonText("CONFIRM_OK", MyWindow::Ok, 0);
//   ok->SetPosition(l, t, r, b);
//   ok->SetTooltip("TT_OK", 30);     // hover text after 30 still frames
//   window->AddButton(ok);           // the window owns the button from now on
#include <string>

#include "GUI_BaseElement.h"

class GUI_Tooltip;
class GUI_WindowBase;

class GUI_ButtonBase : public GUI_BaseElement {
 public:
  enum GUIBUTTONSTATE { GUIBUTTONSTATE_NORMAL = 0, GUIBUTTONSTATE_HIGHLIGHTED = 1 };
  using Callback = void (*)(int);

  GUI_ButtonBase(Callback callback, int argument);
  ~GUI_ButtonBase() override;
  GUI_ButtonBase(const GUI_ButtonBase&) = delete;
  GUI_ButtonBase& operator=(const GUI_ButtonBase&) = delete;

  void Draw() override;  // queues the tooltip; every button type draws its face first
  using GUI_BaseElement::SetPosition;
  void SetPosition(float left, float top, float right, float bottom) override;  // tooltip under it
  // False when the tutorial does not allow this button now or the point is outside; otherwise
  // Click and true. Neither the enabled nor the visible flag is tested here.
  virtual bool CheckClick(float x, float y);
  virtual void Click();
  // Once a frame through the window's ProcessInput: hover highlight and the tooltip's ping.
  virtual void Process();

  void SetRawTooltip(const std::string& text, int delay);  // delay in still frames
  void SetTooltip(const char* key, int delay);             // the translation of the key
  GUI_Tooltip* GetTooltip() const { return m_tooltip; }
  bool MouseInside();

  void SetState(GUIBUTTONSTATE state) { m_state = state; }
  GUIBUTTONSTATE GetState() const { return m_state; }
  void SetOwner(GUI_WindowBase* owner) { m_owner = owner; }
  GUI_WindowBase* GetOwner() const { return m_owner; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  bool IsEnabled() const { return m_enabled; }
  void SetVisible(bool visible) {  // hides and disables together
    m_visible = visible;
    m_enabled = visible;
  }
  bool IsVisible() const { return m_visible; }
  void SetSilent(bool silent) { m_silent = silent; }
  bool IsSilent() const { return m_silent; }
  void SetFadeFirst() { m_fadeFirst = true; }
  bool IsFadeFirst() const { return m_fadeFirst; }
  void SetDisabledClickExplanation(const std::string& key) { m_explanation = key; }
  const std::string& GetDisabledClickExplanation() const { return m_explanation; }
  void SetCallback(Callback callback, int argument) {
    m_callback = callback;
    m_argument = argument;
  }
  Callback GetCallback() const { return m_callback; }
  int GetArgument() const { return m_argument; }
  void Highlight() {}

 protected:
  void PlayClickSound();

  GUIBUTTONSTATE m_state = GUIBUTTONSTATE_NORMAL;
  Callback m_callback = nullptr;
  int m_argument = 0;
  GUI_WindowBase* m_owner = nullptr;  // not owned
  GUI_Tooltip* m_tooltip = nullptr;   // owned
  bool m_enabled = true;
  bool m_visible = true;
  bool m_silent = false;
  std::string m_explanation;  // the help key shown by a click while disabled
  bool m_fadeFirst = false;
};
