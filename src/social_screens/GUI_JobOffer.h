#pragma once
// The answer to a job application (GUI_JobOffer) and a friend's offer of a job through his
// connections (GUI_JobUnlock), opened from their phone messages.
//
// The offer dialog owns the offer and the message that opened it: however it closes, both are
// deleted (an offer is shown once) and an open inbox drops the message's row at once. The unlock
// dialog deletes its message on accept or reject only; its close button leaves the message, read,
// in the inbox.
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_NPCPortrait;
class GUI_PhoneMessage;
class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;

class GUI_JobOffer : public GUI_Dialog {
 public:
  static constexpr float kWidth = 400.0f;
  static constexpr float kHeight = 300.0f;

  // Nothing (after an assertion) without an offer or a message.
  static void Create(SIM_JobOffer* offer, GUI_PhoneMessage* message);
  static void Close();
  static void Accept(int);
  static void Reject(int);

  ~GUI_JobOffer() override;
  void Draw() override;

  SIM_JobOffer* GetOffer() const { return m_offer; }
  GUI_ButtonText* GetAcceptButton() const { return m_acceptButton; }
  GUI_ButtonText* GetRejectButton() const { return m_rejectButton; }
  const std::string& GetText() const { return m_text; }

  static GUI_JobOffer* PTheWindow;

 private:
  GUI_JobOffer(SIM_JobOffer* offer, GUI_PhoneMessage* message);

  SIM_JobOffer* m_offer;                     // owned
  GUI_ButtonText* m_acceptButton = nullptr;  // in the button list; only for an offer
  GUI_ButtonText* m_rejectButton = nullptr;
  std::string m_text;
  GUI_PhoneMessage* m_message;  // owned
  int m_messageId;              // to tell whether a new game has freed the message already
};

class GUI_JobUnlock : public GUI_Dialog {
 public:
  static constexpr float kWidth = 490.0f;
  static constexpr float kHeight = 280.0f;

  // Nothing (after an assertion) without a person, a message or a job.
  static void Create(SIM_NPC* npc, GUI_PhoneMessage* message, SIM_JobBase* job);
  static void Close();
  static void Accept(int);  // the job at once, without an application
  static void Reject(int);

  ~GUI_JobUnlock() override;
  void Draw() override;

  SIM_JobBase* GetJob() const { return m_job; }
  GUI_ButtonText* GetAcceptButton() const { return m_acceptButton; }
  GUI_ButtonText* GetRejectButton() const { return m_rejectButton; }
  // The salary row: the currency, a blank and the starting salary.
  std::string SalaryValue() const;

  static GUI_JobUnlock* PTheWindow;

 private:
  GUI_JobUnlock(SIM_NPC* npc, GUI_PhoneMessage* message, SIM_JobBase* job);
  static void Answered();  // the message goes, the dialog closes, the inbox catches up

  SIM_JobBase* m_job;  // not owned
  GUI_ButtonText* m_acceptButton = nullptr;
  GUI_ButtonText* m_rejectButton = nullptr;
  std::string m_text;
  std::string m_jobTypeLabel;
  std::string m_employerLabel;
  std::string m_salaryLabel;
  GUI_PhoneMessage* m_message;  // deleted by the answer buttons
  int m_messageId;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child
};
