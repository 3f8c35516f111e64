#pragma once
// The pools of portraits for new people. Stand-in until the people subsystem arrives: every call is
// logged once and recorded (SIM_StandInLog).
class SIM_PortraitDatabase {
 public:
  void Open();
};

SIM_PortraitDatabase* SIM_GetPortraits();
