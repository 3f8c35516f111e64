#pragma once
// The phone in the top right corner of the in-game screen. It lights while messages are unread
// and rings (the ring tone and a 200 ms blink) only when CheckRinging finds unread messages with
// the inbox shut: at the day's end ("enddaygui"), when the in-game mode comes back and when the
// evening begins. A click, P or Return opens the inbox and silences it. One for the whole run; a
// new game keeps it.
#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_WindowBase.h"

class GUI_Tooltip;

class GUI_MobilePhone : public GUI_WindowBase {
 public:
  enum STATUS { STATUS_IDLE = 0, STATUS_UNREAD = 1, STATUS_RINGING = 2 };
  static constexpr float kWidth = 105.0f;
  static constexpr float kHeight = 143.0f;
  static constexpr double kBlinkMs = 200.0;
  static constexpr const char* kRingTone = "data/sounds/telephone.ogg";

  GUI_MobilePhone();
  ~GUI_MobilePhone() override;

  void Initialise();  // a new or loaded game; Draw calls it the first time
  void Draw() override;
  void ProcessInput() override;
  bool CheckClick(float x, float y) override;

  void Clicked();  // opens the inbox, as the P and Return keys do
  void CheckRinging();
  void StopSounds();  // the in-game mode is left

  STATUS GetStatus() const { return m_status; }
  bool IsHighlighted() const { return m_highlight; }
  bool IsInitialised() const { return m_initialised; }

  static GUI_MobilePhone* Instance;

 private:
  void UpdateStatus();

  bool m_initialised = false;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
  CTexturedSprite m_texture;
  CTexturedSprite m_highlightTexture;
  CTexturedSprite m_icon;
  STATUS m_status = STATUS_IDLE;
  bool m_highlight = false;
  GTimer m_blinkTimer;
};

GUI_MobilePhone* GUI_GetMobilePhone();
