#pragma once
// The queue of in-game phone messages. Stand-in until the phone arrives: posting a special event
// is logged and remembered.
class SIM_SpecialEvent;

class GUI_PhoneMessage {
 public:
  static void CreateSpecialEvent(SIM_SpecialEvent* event);
  // Stand-ins, logged once and recorded (SIM_StandInLog).
  static void Clear();
  static void InputPending();
  static SIM_SpecialEvent* LastSpecialEvent;
};
