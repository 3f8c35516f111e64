#pragma once
// The day's phone messages. The simulation never opens a window while the player is busy: it
// files a message, either at once (the phone lights up) or held back until the day's end ("enddaygui"
// and the night deliver those), and the player opens each from the inbox into the window of its
// type. A delivered message belongs to the queue (All) until the night, a new game, or the window
// it opened deletes it. Messages are not saved.
//
//   GUI_PhoneMessage::PrepareNPCMessage(npc, text);  // held back until the day's end
//   GUI_PhoneMessage::CreateNPCMessage(npc, text);   // in the inbox at once
#include <list>
#include <string>

class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;
class SIM_SocialInvitation;
class SIM_SpecialEvent;

class GUI_PhoneMessage {
 public:
  enum PHONE_MESSAGE_TYPE {
    PHONE_JOBUNLOCK = 0,
    PHONE_JOBOFFER = 1,
    PHONE_SOCIALINVITE = 2,
    PHONE_RUMOUR = 3,
    PHONE_NPCMESSAGE = 4,
    PHONE_ROYALTIES = 5,
    PHONE_TEXTUREMESSAGE = 6,
    PHONE_SPECIALEVENT = 7,
    PHONE_MESSAGE = 8,
    PHONE_NEWFRIEND = 9,
  };

  // In All and Unread, sender "Unknown"; the subject is not owned.
  GUI_PhoneMessage(void* subject, PHONE_MESSAGE_TYPE type);
  virtual ~GUI_PhoneMessage();  // out of All and Unread (a held-back message is never deleted alone)
  GUI_PhoneMessage(const GUI_PhoneMessage&) = delete;
  GUI_PhoneMessage& operator=(const GUI_PhoneMessage&) = delete;

  static GUI_PhoneMessage* CreateJobUnlock(SIM_NPC* npc, SIM_JobBase* job);
  static GUI_PhoneMessage* CreateJobOffer(SIM_JobOffer* offer);
  static GUI_PhoneMessage* CreateSocialInvite(SIM_SocialInvitation* invitation);
  static GUI_PhoneMessage* CreateRumour(SIM_NPC* npc);
  static GUI_PhoneMessage* CreateNPCMessage(SIM_NPC* npc, const std::string& text);
  static GUI_PhoneMessage* PrepareNPCMessage(SIM_NPC* npc, const std::string& text);  // held back
  static GUI_PhoneMessage* CreateRoyaltyReport();
  static GUI_PhoneMessage* CreateTextureMessage(const std::string& texture, const std::string& text,
                                                const std::string& title, const std::string& sender);
  static GUI_PhoneMessage* CreateSpecialEvent(SIM_SpecialEvent* event);
  static GUI_PhoneMessage* CreateMessage(const std::string& title, const std::string& text);
  static GUI_PhoneMessage* CreateNewFriend(SIM_NPC* npc);  // held back

  // Opens the window of the message's type, then marks it read. It stays listed, so it can be
  // opened again. The window may delete the message: callers touch it no more afterwards.
  void Open();

  // The held-back messages join All and Unread in their order.
  static void InputPending();
  // Deletes every delivered message; the held-back ones stay for the night step to deliver.
  static void Clear();
  // Deletes the held-back ones too: a new or loaded game must not receive messages about people
  // of the game that was left.
  static void ClearAll();
  static void DeleteInvite(SIM_SocialInvitation* invitation);
  // The delivered message with this id, or null once it is gone. Ids are never reused in a run.
  static GUI_PhoneMessage* Find(int id);

  void SetText(const std::string& text) { m_text = text; }
  void SetTitle(const std::string& title) { m_title = title; }
  void SetTexture(const std::string& texture) { m_texture = texture; }
  void SetSender(const std::string& sender) { m_sender = sender; }
  std::string GetSender() const { return m_sender; }
  const std::string& GetText() const { return m_text; }
  const std::string& GetTitle() const { return m_title; }
  const std::string& GetTexture() const { return m_texture; }
  bool IsRead() const { return m_read; }
  PHONE_MESSAGE_TYPE GetType() const { return m_type; }
  void* GetSubject() const { return m_subject; }
  SIM_JobBase* GetExtraJob() const { return m_extraJob; }
  int GetId() const { return m_id; }

  static std::list<GUI_PhoneMessage*> All;      // delivered, owned by the queue
  static std::list<GUI_PhoneMessage*> Unread;   // delivered and not yet opened
  static std::list<GUI_PhoneMessage*> Pending;  // held back until the day's end

 private:
  void HoldBack();  // from All and Unread into Pending
  static GUI_PhoneMessage* NewNPCMessage(SIM_NPC* npc, const std::string& text);

  void* m_subject;
  SIM_JobBase* m_extraJob = nullptr;
  PHONE_MESSAGE_TYPE m_type;
  std::string m_sender;
  std::string m_text;
  std::string m_title;
  std::string m_texture;
  bool m_read = false;
  int m_id;
  static int NextId;
};
