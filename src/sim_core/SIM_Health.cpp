#include "SIM_Health.h"

#include <algorithm>
#include <cstdlib>

#include "GRandom.h"
#include "GUI_HintHelp.h"
#include "GUI_Sounds.h"
#include "SIM_Dirt.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"

namespace {
// The germs that dirt adds go to the player's "germs" value, and the illness rules read that same
// value back: reading a game-wide "glob_germs" that nothing writes would leave germs harmless.
float Germs() { return SIM_GetVede()->GetValue("germs"); }

float ClampChance(float v) { return std::min(1.0f, std::max(0.0f, v)); }
}  // namespace

SIM_Health* SIM_GetHealth() {
  static SIM_Health health;
  return &health;
}

void SIM_Health::NextDay() {
  CatchGermsFromDirt();
  if (m_state != HEALTHY) {
    CheckForRecovery();
  } else {
    CheckForNewIllness();
  }
}

void SIM_Health::CatchGermsFromDirt() {
  float dirt = SIM_Dirt::GetDirtValue()->GetValue();
  if (dirt <= 0.4f) return;
  float amount = 0.25f * (dirt - 0.4f) * SIM_GetGlobalVariables()->Get("GV_GERM_ACCUMULATE_RATE");
  if (amount > 0.0f) {
    SIM_GetVede()->ApplyEffect("germs", amount, SIM_GetGlobalVariables()->Get("_GERMS_DEGRADE"), "dirt");
  }
}

void SIM_Health::CheckForRecovery() {
  if (m_state == ILL) {
    float germs = Germs();
    if (germs < 0.5f && GRandom::IsChance(0.5f - germs)) m_state = HEALTHY;
    return;
  }
  if (m_state == COLD || m_state == STRESS_ILLNESS) {
    if (--m_daysLeft <= 0) m_state = HEALTHY;
  }
}

void SIM_Health::CheckForNewIllness() {
  SIM_Vede* vede = SIM_GetVede();
  if (Germs() > 0.5f) {
    float chance = (1.0f - vede->GetValue("health")) * SIM_GetGlobalVariables()->Get("ILLNESS_CHANCE_SCALAR");
    if (vede->GetValue("weight") >= 0.8f) chance *= 2.0f;
    if (GRandom::IsChance(ClampChance(chance))) {
      m_state = ILL;
      GUI_HintHelp::Launch("ill");
      PlaySound();
    }
  }
  float stress = vede->GetValue("stress");
  if (stress > 0.9f) {
    float chance = ClampChance(2.0f * (stress - 0.8f));
    if (GRandom::IsChance(chance)) {
      m_state = STRESS_ILLNESS;
      m_daysLeft = 5 + std::rand() % 4;
      GUI_HintHelp::Launch("ill_stress");
      PlaySound();
    }
  }
}

void SIM_Health::CheckForCold(float scale) {
  if (SIM_GetSim()->GetTurnCount() <= 9) return;
  float chance = std::max(1.0f - SIM_GetVede()->GetValue("health"),
                          SIM_GetGlobalVariables()->Get("MIN_COLD_CATCH_CHANCE")) * scale;
  if (GRandom::IsChance(chance)) {
    m_state = COLD;
    m_daysLeft = 2 + std::rand() % 3;
    GUI_HintHelp::Launch("ill");
    PlaySound();
  }
}

void SIM_Health::PlaySound() {
  if (m_state == COLD) {
    GUI_GetSounds()->PlaySound("data/sounds/sneeze.ogg", false);
  } else if (m_state == ILL || m_state == STRESS_ILLNESS) {
    GUI_GetSounds()->PlaySound("data/sounds/cough.ogg", false);
  }
}
