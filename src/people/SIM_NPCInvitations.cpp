// How an NPC answers an invitation: the player's, with its refusal shown, or another NPC's.
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_NPCMessage.h"
#include "GUI_NoMoneyDialog.h"
#include "SIM_Dirt.h"
#include "SIM_GlobalVariable.h"
#include "SIM_Memory.h"
#include "SIM_NPC.h"
#include "SIM_NamedValue.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

namespace {

float InviteTuning(const char* key) { return SIM_GetGlobalVariables()->Get(key); }

// A non-friend who looks down on the player: the character type, the player's value it tests,
// the least it accepts, and what it says.
struct InviteEntryTest {
  const char* characterType;
  const char* value;
  const char* minimum;
  const char* refusal;
};

const InviteEntryTest kInviteEntryTests[] = {
    {"cool", "vorla", "MIN_VORLA_SOCIALISE_COOL", "NPC_INVITE_LOWVORLA"},
    {"intelligent", "iq", "MIN_IQ_SOCIALISE_INTELLIGENT", "NPC_INVITE_LOWIQ"},
    {"cultured", "culture", "MIN_CULTURE_SOCIALISE_CULTURED", "NPC_INVITE_LOWCULTURE"},
};

}  // namespace

bool SIM_NPC::AcceptInvite(SIM_SocialiseType* type, SIM_Person* inviter) {
  if (!type) return false;
  SIM_Vede* vede = SIM_GetVede();
  if (inviter != vede) {
    return !m_busy && !IsBored(type) && !CantAffordIt(type) && GetActivityAttractiveness(type) > 0.5f;
  }

  if (!DirectFriendOfVede()) {
    for (const InviteEntryTest& test : kInviteEntryTests) {
      if (!HasCharacterType(test.characterType)) continue;
      if (InviteTuning(test.minimum) > vede->GetValue(test.value)) {
        SIM_GetScript()->RunScript("invite_rejected.txt", 1.0f);
        GUI_NPCMessage::Create(this, PersonaliseText(GTranslation::GetRandomString(test.refusal)));
        return false;
      }
    }
  }

  SIM_Romance* romance = SIM_GetRomance();
  if (romance->IsCurrentPartner(this)) {
    romance->ApplyRomanticCredit(InviteTuning(type->GetProcessFunction() == "ROMANTIC" ? "GV_ROMANCE_CREDIT_ROMANTICINVITE"
                                                                                 : "GV_ROMANCE_CREDIT_INVITED"));
  }

  const char* refusal = nullptr;
  std::string text;
  if (m_busy) {
    text = GTranslation::GetString("NPC_BUSYMESSAGE");
    refusal = "busy";
  } else if (IsBored(type)) {
    text = GTranslation::GetRandomString("NPC_BOREDWITHACTIVITY");
    refusal = "bored";
  } else if (BadMemories(type)) {
    text = GTranslation::GetString("NPC_BADACTIVITYMEMORY");
    refusal = "memories";
  }
  if (refusal) {
    GUI_NPCMessage::Create(this, PersonaliseText(text));
    AppreciateRejectedInvite();
    return false;
  }

  if (CantAffordIt(type)) {
    GUI_NoMoneyDialog::Create(type, this);
    return false;
  }

  if (type->GetFlag(SIM_SocialiseType::SOCFLAG_HOMEBASED) && (Allergic() || TooGrubby())) return false;

  float chance = 1.0f;
  if (HasCharacterType("introvert")) chance -= InviteTuning("INTROVERT_DECLINE_INVITE_PENALTY");
  if (HasCharacterType("extravert")) chance += InviteTuning("EXTRAVERT_ACCEPT_INVITE_BONUS");
  if (SIM_Relationship* link = GetRelationship(vede)) chance += (link->GetStrength() - 0.5f) * 0.25f;
  chance += 0.5f * vede->GetValue("persuasion");
  chance += 0.1f * vede->GetValue("charisma");
  chance += (GetActivityAttractiveness(type) - 0.5f) * 0.5f;
  if (GRandom::IsChance(chance)) return true;

  GUI_NPCMessage::Create(this, PersonaliseText(GTranslation::GetString("NPC_DECLINEINVITE")));
  AppreciateRejectedInvite();
  return false;
}

bool SIM_NPC::CantAffordIt(SIM_SocialiseType* type) const {
  if (!type) return false;
  float cost = (float)type->GetEffectiveCostPerHead();
  return cost > 0.0f && cost > m_cash;
}

bool SIM_NPC::BadMemories(SIM_SocialiseType* type) const {
  float remembered = m_memory ? m_memory->GetLastTypeMemory(type) : 0.5f;
  return InviteTuning("GV_BADMEMORY_THRESHHOLD") > remembered;
}

bool SIM_NPC::Allergic() {
  static const struct {
    const char* trait;
    const char* pet;
    const char* message;
  } kAllergies[] = {{"cat_allergy", "cat", "NPC_REJECT_CATALLERGY"}, {"dog_allergy", "dog", "NPC_REJECT_DOGALLERGY"}};
  for (const auto& allergy : kAllergies) {
    if (HasAttribute(allergy.trait) && SIM_NamedValueList::Globals.IsTrue(allergy.pet)) {
      GUI_NPCMessage::Create(this, PersonaliseText(GTranslation::GetString(allergy.message)));
      m_flatteredByInvite = true;
      return true;
    }
  }
  return false;
}

bool SIM_NPC::TooGrubby() {
  float threshold = HasCharacterType("cultured") ? 0.25f : 0.5f;
  SIM_NamedValue* dirt = SIM_Dirt::GetDirtValue();
  if (!dirt || dirt->GetValue() <= threshold) return false;
  SIM_GetScript()->RunScript("invite_rejected.txt", 1.0f);
  GUI_NPCMessage::Create(this, PersonaliseText(GTranslation::GetString("NPC_TOOGRUBBY")));
  m_flatteredByInvite = true;
  return true;
}

void SIM_NPC::AppreciateRejectedInvite() {
  if (m_flatteredByInvite) return;
  if (SIM_Relationship* link = GetRelationship(SIM_GetVede())) {
    link->AdjustStrength(InviteTuning("INVITE_REJECTED_BUT_APPRECIATED_RELATIONSHIP_CHANGE"));
  }
  m_flatteredByInvite = true;
}
