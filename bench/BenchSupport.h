#pragma once
// What the benchmark programs share: each runs in a private world (tests/support/TestWorld.h), so
// that it never reads or writes the real user folder, and leaves nothing behind.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Paths.h"
#include "SIM_FriendGenerator.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"
#include "TestWorld.h"

namespace bench {

// A private world whose data/ links to the game's, so neither the real user folder nor the
// repository gets a file; the game runs headless in it.
inline std::string MakeGameWorld() {
  const std::string resources = GetResourcesDir();
  if (resources.empty()) std::exit(2);
  const std::string root = testsupport::MakeTestWorld("vorla2-bench", resources + "/data");
  setenv("VORLA2_HEADLESS", "1", 1);
  ResetPathCache();
  return root;
}

// The player's friends in the running game, made up to `count` with new people, each close to the
// player and with a circle of acquaintances of their own.
inline std::vector<SIM_NPC*> BefriendUpTo(int count) {
  std::vector<SIM_NPC*> friends;
  for (SIM_NPC* npc : SIM_NPC::All) {
    if (npc->DirectFriendOfVede()) friends.push_back(npc);
  }
  while ((int)friends.size() < count) {
    SIM_NPC* npc = SIM_NPC::CreateNew(SIM_RANDOMGENDER);
    npc->SetIntroduced(true);
    SIM_Relationship* link = SIM_Relationship::Create(SIM_GetVede(), npc);
    link->SetStrength(0.9f);
    link->SetFriendship(true);
    link->SetPlayerCreated(true);
    npc->FinishCreating();
    SIM_GetFriendGenerator()->GenerateSubFriends(npc);
    friends.push_back(npc);
  }
  return friends;
}

// Runs the benchmarks of this program, then removes the private world at root.
inline int RunBenchmarks(int argc, char** argv, const std::string& root) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return 0;
}

}  // namespace bench
