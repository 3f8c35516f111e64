#pragma once
// The answer to a job application (GUI_JobOffer) and a friend's offer of a job through his
// connections (GUI_JobUnlock), opened from their phone messages. Stand-ins until the career
// screens arrive: opening one is logged once and recorded (SIM_StandInLog); the message stays.
class GUI_PhoneMessage;
class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;

class GUI_JobOffer {
 public:
  static void Create(SIM_JobOffer* offer, GUI_PhoneMessage* message);
};

class GUI_JobUnlock {
 public:
  static void Create(SIM_NPC* npc, GUI_PhoneMessage* message, SIM_JobBase* job);
};
