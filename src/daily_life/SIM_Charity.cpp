#include "SIM_Charity.h"

#include <cstdlib>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Postit.h"
#include "GUI_SocialActivityChooser.h"
#include "Game.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_Vede.h"

namespace {
constexpr size_t kMaxCharityText = 2047;
}  // namespace

SIM_Charity* SIM_GetCharity() {
  static SIM_Charity instance;
  return &instance;
}

SIM_Charity::SIM_Charity() : SIM_OccasionalEvent(27, 34, "charityrun", "CHARITYRUN_REMINDER") {}

void SIM_Charity::TriggerMessage() {
  // Only a best friend talks the player into running; without one the run still takes place.
  if (SIM_NPC* buddy = SIM_NPC::GetBestFriend()) {
    GUI_PhoneMessage::CreateNPCMessage(buddy, GTranslation::GetString("CHARITYRUN_PHONEMESSAGE"));
  }
}

float SIM_Charity::MoneyRaised(float performance, int friendships) {
  const float money = SIM_GetGlobalVariables()->Get("CHARITYRUN_MAX_EARNINGS") * performance * (float)friendships;
  return money < 1.0f ? 1.0f : money;
}

std::string SIM_Charity::ResultText(float performance, float money) {
  std::string text = std::string(GTranslation::GetValueName(performance, "CHARITYRUN_TEXT")).substr(0, kMaxCharityText);
  GTranslation::ReplaceToken(text, "<RAVEZIRER>", SIM_GetVede()->GetForeName());
  // The pennies are for show: two digits of 0 to 8 after the whole amount.
  const int tens = std::rand() % 9;
  const int units = std::rand() % 9;
  const std::string amount = std::string(GetGame()->GetCurrency()) + " " +
                             GUI_SocialActivityChooser::Delimited((int)money) + "." + std::to_string(tens) +
                             std::to_string(units);
  GTranslation::ReplaceToken(text, "<AMOUNT>", amount);
  return text;
}

void SIM_Charity::ProcessEvent() {
  GUI_Postit::RemoveByText(GTranslation::GetString("CHARITYRUN_REMINDER"));
  SIM_Vede* vede = SIM_GetVede();
  const float performance = vede->GetValue("fitness") * vede->GetValue("_energy");
  const float money = MoneyRaised(performance, vede->CountFriendships());
  GetDebug()->DebugOut(("Charity run: performance " + std::to_string(performance) + ", raised " +
                        std::to_string((int)money)).c_str());
  GUI_Message::Create(ResultText(performance, money), GTranslation::GetString("CHARITYRUN_TITLE"));
}

void SIM_HookCharityRun() { SIM_GetCharity()->ProcessEvent(); }
