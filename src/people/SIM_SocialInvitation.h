#pragma once
// The invitations the player's friends send. Stand-in until the people subsystem arrives: every
// call is logged once and recorded (SIM_StandInLog).
#include <cstdint>
#include <vector>

class SIM_NPC;
class SIM_SocialiseType;

class SIM_SocialInvitation {
 public:
  // What an accepted invitation's evening reads; the stand-in is never made, so they stay empty.
  SIM_NPC* GetInvitee() const { return m_inviter; }
  SIM_SocialiseType* GetType() const { return m_type; }
  int32_t GetCost() const { return m_cost; }
  const std::vector<SIM_NPC*>& GetAttendees() const { return m_attendees; }
  static void Clear();
  static void SnubOthers();
 private:
  std::vector<SIM_NPC*> m_attendees;
  SIM_NPC* m_inviter = nullptr;
  SIM_SocialiseType* m_type = nullptr;
  int32_t m_cost = 0;
};
