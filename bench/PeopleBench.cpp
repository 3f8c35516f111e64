// The town's cost per day: a fifth-year town of 150 people (the player's friends with their
// circles, links between the circles, memories of evenings and boredom with activities) through
// one night (SIM_SIM::NextDay, which decays every link and all boredom) and through the NPCs' own
// daily step (SIM_NPC::ProcessAllNPCS), also on a day of many invitations. Run with
// --benchmark_repetitions to see the median.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "GUI_ControlPanel.h"
#include "GUI_EndGame.h"
#include "GUI_YearlyReview.h"
#include "HeadlessPlayer.h"
#include "Paths.h"
#include "SIM_Boredom.h"
#include "SIM_FriendGenerator.h"
#include "SIM_Memory.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_GlobalVariable.h"
#include "SIM_SIM.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

namespace {

constexpr size_t kTownSize = 150;
constexpr int kFriends = 9;


// Kinds of evening the town remembers.
std::vector<SIM_SocialiseType*>& Evenings() {
  static std::vector<SIM_SocialiseType*> evenings;
  if (evenings.empty()) {
    for (const char* name : {"pub", "dinner", "cinema", "bowling"}) {
      SIM_SocialiseType* type = new SIM_SocialiseType();
      type->SetName(name);
      evenings.push_back(type);
    }
  }
  return evenings;
}

// A new game whose town has grown to kTownSize people: kFriends friends of the player, each with
// a circle, more people in the circles, and friendships across them.
void BuildTown() {
  HeadlessPlayer::StartNewGame(1);
  const std::vector<SIM_NPC*> friends = bench::BefriendUpTo(kFriends);
  for (size_t i = 0; SIM_NPC::All.size() < kTownSize; ++i) SIM_GetFriendGenerator()->GenerateSubFriends(friends[i % friends.size()]);
  while (SIM_NPC::All.size() > kTownSize) SIM_NPC::All.back()->Hide();
  std::vector<SIM_NPC*> town(SIM_NPC::All.begin(), SIM_NPC::All.end());
  for (size_t i = 0; i + 7 < town.size(); i += 3) {
    if (town[i]->GetRelationship(town[i + 7])) continue;
    SIM_Relationship* link = SIM_Relationship::Create(town[i], town[i + 7]);
    link->SetStrength(0.3f);
    link->SetFriendship(true);
    link->SetPlayerCreated(i % 2 == 0);
  }
}

// What the nights wear away comes back, so every measured night sees the same town.
void Refresh() {
  if (SIM_NPC::All.size() < kTownSize / 2) BuildTown();
  SIM_Vede* vede = SIM_GetVede();
  for (SIM_Relationship* link : vede->GetRelationships()) link->SetStrength(0.9f);
  for (SIM_NPC* npc : SIM_NPC::All) {
    for (SIM_SocialiseType* evening : Evenings()) {
      if (npc->GetMemory()->GetMemories().size() < Evenings().size()) npc->GetMemory()->AddEventMemory(evening, 0.7f);
    }
    SIM_Boredom* boredom = npc->GetBoredom();
    if (boredom->GetItems().size() < 3) {
      boredom->Clear();
      for (const char* activity : {"pub", "dinner", "cinema"}) boredom->AddEffect(activity, 0.6f);
    }
  }
}

void BM_NextDay(benchmark::State& state) {
  BuildTown();
  for (auto _ : state) {
    state.PauseTiming();
    if (GUI_EndGame::PTheWindow) {
      GUI_EndGame::Close();
      BuildTown();
    }
    if (GUI_YearlyReview::PTheWindow) GUI_YearlyReview::Continue(0);
    Refresh();
    HeadlessPlayer::PlayToEndOfDay();
    SIM_GetSim()->ProcessPreBedTasks();
    state.ResumeTiming();
    GUI_ControlPanel::NextDay(0);
  }
  state.counters["people"] = (double)SIM_NPC::All.size();
  state.counters["links"] = (double)SIM_Relationship::All.size();
}
BENCHMARK(BM_NextDay)->Unit(benchmark::kMillisecond);

void BM_ProcessAllNPCS(benchmark::State& state) {
  BuildTown();
  for (auto _ : state) {
    state.PauseTiming();
    Refresh();
    state.ResumeTiming();
    SIM_NPC::ProcessAllNPCS();
  }
  state.counters["people"] = (double)SIM_NPC::All.size();
}
BENCHMARK(BM_ProcessAllNPCS)->Unit(benchmark::kMillisecond);

// The same step on a day when friends are keen to see the player: every friend weighs inviting,
// and those who do choose an evening, ask their own friends and compose the invitation.
void BM_ProcessAllNPCSWithInvitations(benchmark::State& state) {
  BuildTown();
  HeadlessPlayer::PlayDay();  // nobody invites on the first day of a game
  SIM_GetGlobalVariables()->Set("GV_NPC_INVITEPROB", 1.0f);
  size_t invitations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Refresh();
    SIM_SocialInvitation::Clear();
    SIM_NPC::SetNobodyBusy();
    for (SIM_NPC* npc : SIM_NPC::All) {
      npc->SetSnubDelay(0);
      npc->SetDaysSinceSeen(10);
    }
    state.ResumeTiming();
    SIM_NPC::ProcessAllNPCS();
    state.PauseTiming();
    invitations += SIM_SocialInvitation::All.size();
    state.ResumeTiming();
  }
  SIM_SocialInvitation::Clear();
  state.counters["people"] = (double)SIM_NPC::All.size();
  state.counters["invitations"] = benchmark::Counter((double)invitations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ProcessAllNPCSWithInvitations)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv, bench::MakeGameWorld()); }
