#pragma once
// The invitations the player's friends send. Stand-in until the people subsystem arrives: every
// call is logged once and recorded (SIM_StandInLog).
class SIM_SocialInvitation {
 public:
  static void Clear();
  static void SnubOthers();
};
