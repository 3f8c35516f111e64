#pragma once
// A small town for the people tests: the real tables and tuning, no NPC left from an earlier
// test, the player named and without friends, and a fixed random seed. Helpers make NPCs and
// links with exactly the state a test needs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GDebug.h"
#include "ProcessBase.h"
#include "SIM_CharacterType.h"
#include "SIM_GlobalVariable.h"
#include "SIM_HiddenAttribute.h"
#include "SIM_InterestType.h"
#include "SIM_NPC.h"
#include "SIM_Names.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"
#include "TestSupport.h"

namespace peopletest {

class Town : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GetDebug()->IsOpen()) GetDebug()->Initialise();
    SIM_GetGlobalVariables()->Load();
    SIM_NPC::Close();
    SIM_CharacterType::Open();
    SIM_InterestType::Open();
    SIM_HiddenAttribute::Open();
    SIM_Names::Open();
    SIM_GetPortraits()->Open();
    SIM_Relationship::AllowPromotions();
    SIM_GetVede()->SetNames("Alex", "Player");
    std::srand(1);
  }
  void TearDown() override { SIM_NPC::Close(); }

  static void Set(const char* key, float value) { SIM_GetGlobalVariables()->Set(key, value); }

  // A complete NPC of the gender.
  static SIM_NPC* Npc(SIM_GENDER gender = SIM_MALE) {
    SIM_NPC* npc = SIM_NPC::CreateNew(gender);
    npc->FinishCreating();
    return npc;
  }
  // A link with the strength stored as given and the flags set.
  static SIM_Relationship* Link(SIM_Person* a, SIM_Person* b, float strength, bool friendship,
                                bool playerCreated = false) {
    SIM_Relationship* link = SIM_Relationship::Create(a, b);
    link->SetStrength(strength);
    link->SetFriendship(friendship);
    link->SetPlayerCreated(playerCreated);
    return link;
  }
  // A friend of the player.
  static SIM_NPC* Friend(float strength = 0.5f, SIM_GENDER gender = SIM_MALE) {
    SIM_NPC* npc = Npc(gender);
    npc->SetIntroduced(true);
    Link(SIM_GetVede(), npc, strength, true, true);
    return npc;
  }
  // A file of the test's own world; the returned path is absolute.
  static std::string WriteTable(const std::string& name, const std::string& text) {
    std::string path = testsupport::TestRoot() + "/tables/" + name;
    testsupport::WriteFile(path, text);
    return path;
  }
  static std::string Log() { return testsupport::ReadFile(GetDebug()->GetPath()); }
  static int Occurrences(const std::string& text) {
    std::string log = Log();
    int count = 0;
    for (size_t pos = log.find(text); pos != std::string::npos; pos = log.find(text, pos + text.size())) ++count;
    return count;
  }
};

}  // namespace peopletest
