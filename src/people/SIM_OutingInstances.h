#pragma once
// The outing kinds of social evening and the romantic date (the restaurant has its own file).
#include <array>
#include <cstdint>

#include "SIM_RestaurantInstance.h"
#include "SIM_SocialiseInstance.h"

class SIM_Movie;

// The cinema. A host picks the film (and popcorn) on the film chooser and the evening runs when it
// is watched; a friend's invitation just goes along: a film seen, but no film of the programme.
class SIM_MovieInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
  void EvaluateEventSuccess() override;
  // The chosen film is watched, counted, and the evening runs; popcorn has its script.
  void WatchMovie();
  void SetChosen(SIM_Movie* film) { m_chosen = film; }
  SIM_Movie* GetChosen() const { return m_chosen; }
  void SetAtePopcorn(bool ate) { m_atePopcorn = ate; }
  bool GetAtePopcorn() const { return m_atePopcorn; }

 private:
  SIM_Movie* m_chosen = nullptr;  // not owned
  bool m_atePopcorn = true;
};

// A night at the tables: the entry is paid when it starts, then the fruit machine is played (up
// to five spins); the evening itself runs when the machine is left, judged by the winnings.
class SIM_GamblingInstance : public SIM_SocialiseInstance {
 public:
  static constexpr int kMaxSpins = 5;

  void ProcessChunk() override;
  void EvaluateEventSuccess() override;

  // One spin's result, cash won (negative: lost); the mood follows its size against a day's pay.
  void AddWinnings(int amount);
  int GetWinnings(int index) const;
  bool MoreSpinsLeft() const { return m_spinsPlayed < kMaxSpins; }
  int GetSpinsPlayed() const { return m_spinsPlayed; }
  int GetTotalWinnings() const;
  // The machine was left: the evening runs, with nothing more to pay.
  void FinishGaming();

 private:
  std::array<int32_t, kMaxSpins> m_results{};
  int32_t m_spinsPlayed = 0;
};

// The pub: a drunk alcoholic may start a fight instead of having an evening.
class SIM_BeerInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
  bool GotViolentlyDrunk();
  void ProcessBrawl();
};

class SIM_NightclubInstance : public SIM_SocialiseInstance {
 public:
  SIM_NightclubInstance();
};

// The romantic date: the partner minds a grubby player, then the evening runs as any other.
class SIM_RomanceInstance : public SIM_SocialiseInstance {
 public:
  SIM_RomanceInstance();
  void ProcessChunk() override;
};

// A competitive game named after the skill it trains: the player's skill against the opponents'
// mean decides the victory, shown on the report.
class SIM_GameInstance : public SIM_SocialiseInstance {
 public:
  void DisplayPostMortem() override;
  void CalculateVictory();
  void ImproveSkill();
  void ApplyGameEffects();
  float GetVictory() const { return m_victory; }

 protected:
  float m_victory = 0.5f;
};

// Bowling: a good bowler may be asked onto the team.
class SIM_BowlingInstance : public SIM_GameInstance {
 public:
  void ProcessChunk() override;
  void AfterPostMortem() override;
};
