#pragma once
// Something that recurs every so often whatever the player does (the charity run, the dentist).
// Stand-in until the work and daily-life subsystem arrives: the nightly step of each event is
// logged once and recorded (SIM_StandInLog) under the derived class's name.
class SIM_OccasionalEvent {
 public:
  virtual void NextDay() = 0;  // the nightly step
  virtual ~SIM_OccasionalEvent() = default;
};
