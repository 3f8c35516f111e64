#pragma once
// The report of an attended special event. Stand-in until the social screens arrive: opening it
// is logged.
class SIM_SpecialEvent;

class GUI_SpecialEventPostMortem {
 public:
  static void Create(SIM_SpecialEvent* event);
};
