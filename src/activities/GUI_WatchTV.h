#pragma once
// The television remote: it slides up from the bottom-left corner with one button per channel.
// A channel counts the viewing, runs the evening in front of the set (which uses the activity
// slot) and then adds the channel's own effects; the cancel button or Escape slides the remote
// away and leaves the slot free. Channels that need cable television are greyed and refused with
// the error sound until cable is bought; the remote stays up.
#include <string>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_ButtonBase.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;
class SIM_TVChannel;
class SIM_TVInstance;

class GUI_WatchTV : public GUI_WindowBase {
 public:
  enum MODE { MODE_SLIDING_IN = 0, MODE_SHOWN = 1, MODE_SLIDING_OUT = 2 };
  static constexpr float kWidth = 512.0f;
  static constexpr float kHeight = 629.0f;
  static constexpr float kSlideMs = 500.0f;
  static constexpr float kChannelTop = 80.0f;
  static constexpr float kChannelStep = 370.0f / 7.0f;
  static constexpr float kChannelInset = 98.0f;

  // Closes any remote and opens a new one on the evening.
  static void Create(SIM_TVInstance* instance);
  static void Close();
  // Slides the open remote away; keys and clicks are no longer its.
  static void Hide();
  static void Cancel(int);
  // The viewing counted and the evening run; only once per remote.
  static void WatchTV();
  // An evening being freed: the remote must not run it any more.
  static void Forget(SIM_TVInstance* instance);

  explicit GUI_WatchTV(SIM_TVInstance* instance);
  ~GUI_WatchTV() override;  // frees an evening that was never watched

  void Draw() override;
  void HandleKey(unsigned key) override;

  MODE GetMode() const { return m_mode; }
  SIM_TVInstance* GetInstance() const { return m_instance; }
  bool HasWatched() const { return m_watched; }
  GUI_IconButton* GetCancelButton() const { return m_cancel; }

  static GUI_WatchTV* PTheWindow;

 private:
  GUI_IconButton* m_cancel = nullptr;  // in the button list, which owns it
  CTexturedSprite m_remote;
  GTimer m_slide;
  MODE m_mode = MODE_SLIDING_IN;
  SIM_TVInstance* m_instance = nullptr;  // owned by SIM_SoloActivityInstance::All
  bool m_watched = false;
};

class GUI_ChannelButton : public GUI_ButtonBase {
 public:
  // left, top, right and bottom relative to the remote's top-left corner.
  GUI_ChannelButton(SIM_TVChannel* channel, float left, float top, float right, float bottom);
  ~GUI_ChannelButton() override;

  void Draw() override;
  // An available channel: the evening, the click sound, the channel's effects, the remote away.
  // Otherwise only the error sound.
  void Click() override;

  SIM_TVChannel* GetChannel() const { return m_channel; }
  bool IsAvailable() const { return m_available; }
  const std::string& GetWarning() const { return m_warning; }
  float GetRelativeTop() const { return m_top; }
  float GetRelativeBottom() const { return m_bottom; }

  // The available channel last under the mouse; the hover sound plays when it changes.
  static GUI_ChannelButton* PHighlighted;

 private:
  SIM_TVChannel* m_channel;  // owned by SIM_TVChannel::All
  bool m_available = true;
  CTexturedSprite m_face;
  std::string m_warning;
  float m_left, m_top, m_right, m_bottom;
};
