#pragma once
// The invitation dialogs. Stand-in until the invitations arrive: every call is logged once and
// recorded (SIM_StandInLog).
class SIM_NPC;
class SIM_SocialInvitation;

class GUI_SocialInvitation {
 public:
  static void Create(SIM_SocialInvitation* invitation);
  static void Clear();
  static SIM_NPC* OrganiserOf(SIM_SocialInvitation* invitation);
};
