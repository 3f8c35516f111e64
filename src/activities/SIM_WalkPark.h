#pragma once
// A walk in the park, the solo activity behind the hook "walkpark": sunshine, an umbrella in the
// rain and a dog at your side make it better; it lifts happiness, eases stress and ends with a
// message about how it went.
class SIM_WalkPark {
 public:
  // One walk: its effects and its message. Returns how much it was enjoyed, 0..1.
  static float WalkInPark();
};
