#pragma once
// A special event's invitation, opened from its phone message: a ticket, the event's text and the
// choice to attend or decline (GUI_SpecialEvent). Attending spends the evening's activity on the
// event and shows its report over the weather backdrop with the player's avatar and mind-state
// panel (GUI_SpecialEventPostMortem); continuing delivers the day's held-back messages.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_SpecialEvent;

class GUI_SpecialEvent : public GUI_Dialog {
 public:
  static constexpr float kWidth = 500.0f;
  static constexpr float kHeight = 320.0f;
  static constexpr float kTicketWidth = 84.0f;
  static constexpr float kTicketHeight = 168.0f;

  static void Create(SIM_SpecialEvent* event);
  static void Close();
  static void Attend(int);  // the attend button
  static void Reject(int);  // the decline button: the event is left as it was

  ~GUI_SpecialEvent() override;
  void Draw() override;

  const std::string& GetText() const { return m_text; }
  GUI_ButtonText* GetAttendButton() const { return m_attend; }
  GUI_ButtonText* GetRejectButton() const { return m_reject; }

  static GUI_SpecialEvent* PTheWindow;

 private:
  explicit GUI_SpecialEvent(SIM_SpecialEvent* event);

  SIM_SpecialEvent* m_event;
  GUI_ButtonText* m_attend = nullptr;  // in the button list
  GUI_ButtonText* m_reject = nullptr;
  std::string m_text;
  CTexturedSprite m_ticket;
};

class GUI_SpecialEventPostMortem : public GUI_Dialog {
 public:
  static void Create(SIM_SpecialEvent* event);
  static void Close();
  static void Continue(int);

  ~GUI_SpecialEventPostMortem() override;  // gives the mind-state panel back; the day's end GUI
  void Draw() override;

  const std::string& GetText() const { return m_text; }
  GUI_IconButton* GetContinueButton() const { return m_continue; }

  static GUI_SpecialEventPostMortem* PTheWindow;

 private:
  explicit GUI_SpecialEventPostMortem(SIM_SpecialEvent* event);

  SIM_SpecialEvent* m_event;
  GUI_IconButton* m_continue = nullptr;  // in the button list
  CTexturedSprite m_strip;
  RECT m_textBox;
  std::string m_text;
};
