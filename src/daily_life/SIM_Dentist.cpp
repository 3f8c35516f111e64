#include "SIM_Dentist.h"

#include "ActivityHooks.h"
#include "GTranslation.h"
#include "GUI_Dentist.h"
#include "GUI_PhoneMessage.h"
#include "GUI_Postit.h"
#include "Game.h"

namespace {
constexpr size_t kMaxPracticeName = 2047;
}  // namespace

SIM_Dentist* SIM_GetDentist() {
  static SIM_Dentist instance;
  return &instance;
}

SIM_Dentist::SIM_Dentist() : SIM_OccasionalEvent(20, 27, "dentist", "DENTIST_REMINDER") {}

void SIM_Dentist::TriggerMessage() {
  std::string practice = GTranslation::GetString("DENTIST_NAME");
  GTranslation::ReplaceToken(practice, "<TOWNNAME>", GetGame()->GetTownName());
  GUI_PhoneMessage::CreateMessage(practice.substr(0, kMaxPracticeName), GTranslation::GetString("DENTIST_PHONEMESSAGE"));
}

void SIM_Dentist::ProcessEvent() {
  GUI_Postit::RemoveByText(GTranslation::GetString("DENTIST_REMINDER"));
  GUI_Dentist::Create();
}

void SIM_HookDentist() { SIM_GetDentist()->ProcessEvent(); }
