#pragma once
// A friend's invitation, opened from its phone message: who invites, what they wrote, the cost,
// who else is going, and three answers. Accept runs the evening at once (the screen fades first);
// decline leaves the invitation to lapse at the day's end; "can't afford it" pleads poverty, after
// which the invitation can only be read. Accept is disabled when the player cannot pay, once the
// day is over, and when the evening's energy is beyond the player ("too tired").
#include <list>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_NPCPortrait;
class GUI_Tooltip;
class SIM_NPC;
class SIM_SocialInvitation;

// One face in the "who is going" row; strangers show a blank face and only their name.
class GUI_InvitationPortrait : public GUI_WindowBase {
 public:
  explicit GUI_InvitationPortrait(SIM_NPC* npc);
  ~GUI_InvitationPortrait() override;
  void Draw() override;
  bool CheckClick(float x, float y) override;
  SIM_NPC* GetNPC() const { return m_npc; }
  bool ShowsFace() const { return m_portrait != nullptr; }

 private:
  CTexturedSprite m_blank;
  SIM_NPC* m_npc;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child, only for someone introduced
  GUI_Tooltip* m_tooltip = nullptr;       // owned
};

class GUI_SocialInvitation : public GUI_Dialog {
 public:
  static constexpr float kWidth = 580.0f;
  static constexpr float kHeight = 340.0f;
  static constexpr size_t kTitleKept = 37;

  static void Create(SIM_SocialInvitation* invitation);
  static void Close();
  static void Clear();  // every open invitation dialog (the night; after an acceptance)
  // The buttons act on the one open dialog, which they reach through PTheWindow.
  static void Accept(int);
  static void Reject(int);
  static void NoCash(int);
  static std::string ShortTitle(const std::string& title);

  ~GUI_SocialInvitation() override;
  void Draw() override;
  bool CheckClick(float x, float y) override;

  SIM_SocialInvitation* GetInvitation() const { return m_invitation; }
  GUI_ButtonText* GetAcceptButton() const { return m_accept; }
  GUI_ButtonText* GetRejectButton() const { return m_reject; }
  GUI_ButtonText* GetNoCashButton() const { return m_noCash; }
  const std::list<GUI_InvitationPortrait*>& GetAttendeePortraits() const { return m_attendeePortraits; }
  // The button states for the frame, without drawing.
  void UpdateButtons();

  static GUI_SocialInvitation* PTheWindow;
  static std::list<GUI_SocialInvitation*> All;

 private:
  explicit GUI_SocialInvitation(SIM_SocialInvitation* invitation);
  void AddAttendeeButtons();

  SIM_SocialInvitation* m_invitation;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child
  GUI_ButtonText* m_accept = nullptr;     // in the button list
  GUI_ButtonText* m_reject = nullptr;
  GUI_ButtonText* m_noCash = nullptr;  // only when it costs something
  bool m_tooTired = false;
  std::string m_costCaption;
  std::string m_whoIsGoing;
  std::string m_tooTiredLabel;
  std::string m_acceptLabel;
  std::list<GUI_InvitationPortrait*> m_attendeePortraits;  // children
};
