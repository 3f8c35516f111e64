#pragma once
// The outing kinds of social evening and the romantic date. The outings are stand-ins until they
// arrive: each runs as a plain evening (the type's own costs, the report) and logs once
// that it stood in. The restaurant and the cinema have not chosen a venue.
#include "SIM_SocialiseInstance.h"

class SIM_Movie;
class SIM_Restaurant;

class SIM_RestaurantInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
  SIM_Restaurant* GetChosen() const { return nullptr; }
};

class SIM_MovieInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
  SIM_Movie* GetChosen() const { return nullptr; }
};

class SIM_GamblingInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
};

class SIM_BeerInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
};

class SIM_NightclubInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
};

// The romantic date: the partner minds a grubby player, then the evening runs as any other.
class SIM_RomanceInstance : public SIM_SocialiseInstance {
 public:
  SIM_RomanceInstance();
  void ProcessChunk() override;
};

class SIM_BowlingInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
};

class SIM_GameInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
};
