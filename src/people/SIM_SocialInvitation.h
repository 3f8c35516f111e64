#pragma once
// An NPC's invitation to the player: made when a friend organises an evening (SIM_NPC::
// OrganiseEvent), delivered as a phone message and answered on the invitation screen. The player
// accepts (the evening runs at once), pleads poverty (a milder snub) or lets it lapse; at the real
// end of the day every invitation not accepted is rejected and the friends go without the player.
// Invitations live in All until the night clears them.
#include <cstdint>
#include <list>
#include <string>
#include <vector>

class SIM_NPC;
class SIM_SocialiseType;

class SIM_SocialInvitation {
 public:
  enum IMPORTANCE { IMPORTANCE_NORMAL = 0, IMPORTANCE_IMPORTANT = 1, IMPORTANCE_BIRTHDAY = 2 };

  // Null (with an assertion) without an inviter or a type.
  static SIM_SocialInvitation* Create(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance);
  virtual ~SIM_SocialInvitation();

  void AddAttendee(SIM_NPC* npc) { m_attendees.push_back(npc); }
  // The inviter pays the player's share: the invitation then costs the player nothing.
  void SetInviterPays(bool pays);

  SIM_NPC* GetInvitee() const { return m_inviter; }  // the inviting NPC
  SIM_SocialiseType* GetType() const { return m_type; }
  IMPORTANCE GetImportance() const { return m_importance; }
  const std::string& GetInviteText() const { return m_inviteText; }
  int32_t GetCost() const { return m_cost; }  // what accepting costs the player; never negative
  bool HasPleadedPoverty() const { return m_pleadedPoverty; }
  bool IsAccepted() const { return m_accepted; }
  bool InviterPays() const { return m_inviterPays; }
  // The inviter first, then the NPCs who accepted its invitation (not owned).
  const std::vector<SIM_NPC*>& GetAttendees() const { return m_attendees; }

  // Salutation, small talk, the type's wording, a sign-off by importance and the pay offer.
  void ComposeInviteText();
  // The player goes: an inviter who pays spends the share, an important or birthday invitation
  // warms the link, the phone message goes. The caller then starts the evening.
  void Accept();
  // The player declines for want of money: a false plea runs its script; the inviter takes it as a
  // mitigated snub now and no snub at the day's end.
  void PleadPoverty();
  // At the day's real end: the snub (unless poverty was pleaded), then the evening without the
  // player, paid and remembered by those who went.
  void Reject();
  void HandleSnub();

  static void SnubOthers();  // Reject for every invitation not accepted
  static void Clear();       // deletes every invitation
  static std::list<SIM_SocialInvitation*> All;

 private:
  SIM_SocialInvitation(SIM_NPC* inviter, SIM_SocialiseType* type, IMPORTANCE importance);

  std::vector<SIM_NPC*> m_attendees;
  bool m_accepted = false;
  SIM_NPC* m_inviter = nullptr;
  SIM_SocialiseType* m_type = nullptr;
  IMPORTANCE m_importance = IMPORTANCE_NORMAL;
  std::string m_inviteText;
  bool m_inviterPays = false;
  int32_t m_cost = 0;
  bool m_pleadedPoverty = false;
};
