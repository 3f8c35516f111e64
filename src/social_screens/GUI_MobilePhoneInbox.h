#pragma once
// The phone's inbox: the large phone slides up from the bottom left edge in 500 ms, lists every
// message of the day (one row each, the unread ones marked) under every other window, and slides
// away again with its close button or Escape. A click on a row opens that message's window.
//
// Rows keep the id of their message, never its address: a window opened from a row may delete
// the message (an accepted invitation), and the row then goes at the inbox's next frame.
#include <string>

#include "CTexturedSprite.h"
#include "GTimer.h"
#include "GUI_WindowBase.h"

class GUI_IconButton;
class GUI_PhoneMessage;
class GUI_Tooltip;

class GUI_MobilePhoneInboxStrip : public GUI_WindowBase {
 public:
  static constexpr size_t kSenderShown = 16;  // longer senders are cut and end in "..."
  static constexpr float kMarkSize = 32.0f;

  explicit GUI_MobilePhoneInboxStrip(GUI_PhoneMessage* message);  // a null message asserts
  ~GUI_MobilePhoneInboxStrip() override;

  void Draw() override;
  void ProcessInput() override;
  bool CheckClick(float x, float y) override;

  GUI_PhoneMessage* GetMessage() const;  // null once the message is gone
  int GetMessageId() const { return m_messageId; }
  const std::string& GetShownSender() const { return m_sender; }
  static std::string ShortSender(const std::string& sender);

 private:
  int m_messageId = 0;
  std::string m_sender;
  CTexturedSprite m_background;
  CTexturedSprite m_unreadMark;
  CTexturedSprite m_readMark;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
};

class GUI_MobilePhoneInbox : public GUI_WindowBase {
 public:
  enum SLIDE { SLIDE_OPENING = 0, SLIDE_OPEN = 1, SLIDE_CLOSING = 2 };
  static constexpr float kWidth = 323.0f;
  static constexpr float kHeight = 604.0f;
  static constexpr double kSlideMs = 500.0;
  static constexpr float kFirstRowTop = 127.0f;
  static constexpr float kRowStep = 32.0f;
  static constexpr float kRowHeight = 28.0f;

  ~GUI_MobilePhoneInbox() override;

  static void Create();     // closes the left-hand windows (an old inbox too), then a new one
  static void Hide(int);    // the close button and Escape: slides away, still exists
  static void Close(int);   // deletes it at once, without sliding
  static bool IsOpen();     // exists and has finished sliding in
  // One row per delivered message, in order of arrival.
  static void Populate();

  void Draw() override;

  // How far below its resting place the inbox stands after `elapsedMs` of a slide.
  static float SlideOffset(SLIDE state, double elapsedMs);
  SLIDE GetSlideState() const { return m_slide; }
  float GetOffset() const { return m_offset; }
  const std::list<GUI_MobilePhoneInboxStrip*>& GetRows() const { return m_rows; }

  static GUI_MobilePhoneInbox* PTheWindow;

 private:
  GUI_MobilePhoneInbox();
  void DropDeadRows();
  void LayOut();

  CTexturedSprite m_background;
  GTimer m_slideTimer;
  SLIDE m_slide = SLIDE_OPENING;
  std::list<GUI_MobilePhoneInboxStrip*> m_rows;  // children of the inbox
  GUI_IconButton* m_closeButton = nullptr;       // in the button list
  float m_offset = kHeight;
};
