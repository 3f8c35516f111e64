#include "HeadlessTownLife.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "GUI_RomanticOffer.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_Romance.h"
#include "SIM_SIM.h"
#include "SIM_SocialInvitation.h"
#include "SIM_SocialiseInstance.h"
#include "SIM_SocialiseType.h"

HeadlessTownLife::Counts HeadlessTownLife::TheCounts;
std::set<const void*> HeadlessTownLife::Answered;
std::set<int> HeadlessTownLife::Friends;

namespace {
std::set<int> HeadlessFriendsNow() {
  std::set<int> friends;
  for (const SIM_NPC* npc : SIM_NPC::All) {
    if (npc->DirectFriendOfVede()) friends.insert(npc->GetSLID());
  }
  return friends;
}

// What the invitation screen allows: the money in hand, the day not over, energy enough.
bool HeadlessCanAccept(SIM_SocialInvitation* invitation) {
  return !((float)invitation->GetCost() > SIM_GetFinances()->GetCash()) && !SIM_GetSim()->IsDayFinished() &&
         !(invitation->GetType() && invitation->GetType()->IsTooTired());
}
}  // namespace

void HeadlessTownLife::StartGame() {
  TheCounts = Counts();
  Answered.clear();
  Friends = HeadlessFriendsNow();
  GUI_RomanticOffer::Close();
}

bool HeadlessTownLife::AnswerInvitations() {
  std::vector<SIM_SocialInvitation*> invitations(SIM_SocialInvitation::All.begin(), SIM_SocialInvitation::All.end());
  // Read with the friend nearest to taking offence first: when two ask for the same evening, the
  // player goes with the one another snub would cost.
  std::stable_sort(invitations.begin(), invitations.end(), [](SIM_SocialInvitation* a, SIM_SocialInvitation* b) {
    return a->GetInvitee()->GetSnubCount() > b->GetInvitee()->GetSnubCount();
  });
  for (SIM_SocialInvitation* invitation : invitations) {
    if (!Answered.insert(invitation).second) continue;
    ++TheCounts.posted;
    // A sociable player: goes to three in four, pleads poverty to one in six, forgets the rest.
    const int answer = std::rand() % 12;
    if (answer < 9 && HeadlessCanAccept(invitation)) {
      ++TheCounts.accepted;
      invitation->Accept();
      SIM_SocialiseInstance::Create(invitation);
      return true;
    }
    if (answer < 11 && invitation->GetCost() > 0) {
      ++TheCounts.pleaded;
      invitation->PleadPoverty();
      continue;
    }
    ++TheCounts.lapsed;
  }
  return false;
}

void HeadlessTownLife::AnswerRomanticOffer() {
  // The offer stands open on the screen; the player answers it with one of its two buttons.
  GUI_RomanticOffer* offer = GUI_RomanticOffer::PTheWindow;
  if (!offer) return;
  SIM_NPC* npc = offer->GetNPC();
  if (npc->IsHidden() || SIM_GetRomance()->HasPartner()) {
    GUI_RomanticOffer::Close();
    return;
  }
  if (std::rand() % 2 == 0) {
    GUI_RomanticOffer::Accept(0);
    ++TheCounts.romances;
  } else {
    GUI_RomanticOffer::Reject(0);
  }
}

void HeadlessTownLife::BeforeNight() {
  for (SIM_SocialInvitation* invitation : SIM_SocialInvitation::All) {
    if (invitation->IsAccepted() || !Answered.insert(invitation).second) continue;
    ++TheCounts.posted;
    ++TheCounts.lapsed;
  }
}

void HeadlessTownLife::AfterNight() {
  const std::set<int> now = HeadlessFriendsNow();
  for (int slid : now) TheCounts.friendsGained += Friends.count(slid) ? 0 : 1;
  for (int slid : Friends) TheCounts.friendsLost += now.count(slid) ? 0 : 1;
  Friends = now;
  Answered.clear();
}
