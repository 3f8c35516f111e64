#pragma once
// One evening activity under way (a social evening, a solo activity, an outing). When it is over
// the derived activity calls ProcessChunk, which uses up the evening slot.
class SIM_TimeChunk {
 public:
  // The default finish: the slot is used (SIM_SIM::EndDay); an evening spent outdoors in more
  // than light rain ("glob_outdoors" set by the activity) may bring a cold, and the outdoors flag
  // is cleared either way.
  virtual void ProcessChunk();
  virtual ~SIM_TimeChunk() = default;

 protected:
  // The same finish for an activity whose own window uses up the slot when it closes.
  void ProcessChunkKeepingSlot();
};
