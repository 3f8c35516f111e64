#pragma once
// The kinds of social evening. Stand-in until the social events arrive: an activity type with a
// name, which memories and boredom refer to; loading is logged once and recorded
// (SIM_StandInLog).
#include "SIM_TimeChunkType.h"

class SIM_SocialiseType : public SIM_TimeChunkType {
 public:
  static void Open();
  static void Close();
};
