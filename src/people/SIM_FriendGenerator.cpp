#include "SIM_FriendGenerator.h"

#include <cstdlib>

#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_NPCIcon.h"
#include "GUI_NPCMessage.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_PortraitDatabase.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"

SIM_FriendGenerator* SIM_GetFriendGenerator() {
  static SIM_FriendGenerator generator;
  return &generator;
}

namespace {
// A new link from `from` to `to` that starts as a friendship, whatever the gain threshold says.
SIM_Relationship* Befriend(SIM_Person* from, SIM_Person* to, float strength, bool playerCreated) {
  SIM_Relationship* link = SIM_Relationship::Create(from, to);
  if (!link) return nullptr;
  link->SetStrength(strength);
  link->SetFriendship(true);
  link->SetPlayerCreated(playerCreated);
  return link;
}
}  // namespace

void SIM_FriendGenerator::GenerateFriends() {
  SIM_GetVede()->RecalcAttributes();
  const int count = (int)SIM_GetGlobalVariables()->Get("GV_INITIALFRIENDS");
  for (int i = 0; i < count; ++i) GenerateSubFriends(CreateInitialFriend());
}

SIM_GENDER SIM_FriendGenerator::ChooseOptimumGender() const {
  int men = 0;
  int women = 0;
  for (const SIM_Relationship* link : SIM_GetVede()->GetRelationships()) {
    if (!link->IsFriendship()) continue;
    const SIM_Person* friendPerson = link->GetOther(SIM_GetVede());
    if (!friendPerson) continue;
    (friendPerson->GetGender() == SIM_MALE ? men : women)++;
  }
  if (men + women < 2) return SIM_RANDOMGENDER;
  if (men == 0) return SIM_MALE;
  if (women > 0) return SIM_RANDOMGENDER;
  return SIM_FEMALE;
}

SIM_NPC* SIM_FriendGenerator::CreateInitialFriend() {
  SIM_NPC* npc = SIM_NPC::CreateNew(ChooseOptimumGender());
  SIM_GetPortraits()->SetUsed(npc->GetPortraitTexture(), npc->GetGender());
  npc->ChooseName();
  npc->SetIntroduced(true);
  Befriend(SIM_GetVede(), npc, GRandom::RandReal(0.27f, 0.6f), true);
  npc->FinishCreating();
  npc->GetInterests().UnhideAllInterests();
  return npc;
}

void SIM_FriendGenerator::GenerateSubFriends(SIM_NPC* npc) {
  if (!npc) return;
  const int count = std::rand() % 3 + (npc->HasCharacterType("extravert") ? 4 : 2);
  for (int i = 0; i < count; ++i) {
    SIM_NPC* subFriend = SIM_NPC::CreateNew(SIM_RANDOMGENDER);
    subFriend->ChooseName();
    Befriend(npc, subFriend, GRandom::RandReal(0.27f, 1.0f), false);
    subFriend->FinishCreating();
  }
}

SIM_NPC* SIM_FriendGenerator::MeetNewFriend() {
  SIM_NPC* npc = SIM_NPC::CreateNew(SIM_RANDOMGENDER);
  Befriend(SIM_GetVede(), npc, GRandom::RandReal(0.27f, 0.35f), true);
  SIM_GetPortraits()->SetUsed(npc->GetPortraitTexture(), npc->GetGender());
  GenerateSubFriends(npc);
  npc->SetIntroduced(true);
  npc->ChooseName();
  npc->FinishCreating();
  GUI_NPCIcon::PositionAll();
  GUI_NPCIcon::PositionAll();
  std::string text = GTranslation::GetString("MET_NEW_FRIEND_TEXT");
  GTranslation::ReplaceToken(text, "<FRIENDSNAME>", npc->GetFullName());
  if (GUI_NPCMessage* message = GUI_NPCMessage::Create(npc, text)) message->SetTitle(GTranslation::GetString("MET_NEW_FRIEND_TITLE"));
  return npc;
}
