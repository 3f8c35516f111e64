#pragma once
// The report of a social evening. Stand-in until the social screens arrives: every call is logged
// once and recorded (SIM_StandInLog).
class SIM_SocialiseInstance;

class GUI_PostMortem {
 public:
  // Opens the report of the evening; the stand-in closes it at once, so the evening's closing
  // steps (AfterPostMortem) still run.
  static void Create(SIM_SocialiseInstance* instance);
  static void Close();
  static void Reset();  // the layout after a change of screen size
};

// The report of an attended special event. Stand-in until the social screens arrive: opening it
// is logged.
class SIM_SpecialEvent;

class GUI_SpecialEventPostMortem {
 public:
  static void Create(SIM_SpecialEvent* event);
};
