#include "GUI_AmbientSounds.h"

#include <algorithm>
#include <string>
#include <vector>

#include "GRandom.h"
#include "GUI_Sounds.h"
#include "SIM_Asset.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_SIM.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

GUI_AmbientSounds* GUI_GetAmbientSounds() {
  static GUI_AmbientSounds sounds;
  return &sounds;
}

GUI_AmbientSounds::GUI_AmbientSounds() {
  ChooseRandomInterval();
  ChooseRandomBirdsongInterval();
}

void GUI_AmbientSounds::ChooseRandomInterval() {
  SIM_GlobalVariable* vars = SIM_GetGlobalVariables();
  m_interval = std::max(GRandom::Scene().RandReal(vars->Get("AMBIENT_SOUND_MIN"), vars->Get("AMBIENT_SOUND_MAX")), 10000.0f);
  m_timer.StartTimer();
}

void GUI_AmbientSounds::ChooseRandomBirdsongInterval() {
  SIM_GlobalVariable* vars = SIM_GetGlobalVariables();
  m_birdsongInterval = std::max(
      GRandom::Scene().RandReal(vars->Get("AMBIENT_SOUND_MIN_BIRDSONG"), vars->Get("AMBIENT_SOUND_MAX_BIRDSONG")), 1000.0f);
  m_birdsongTimer.StartTimer();
}

void GUI_AmbientSounds::Process() {
  m_timer.Update();
  if (m_timer.GetElapsed() >= (double)m_interval) {
    ChooseRandomInterval();
    PlayAmbientSound();
    m_timer.StartTimer();
  }
  SIM_Weather* weather = SIM_GetWeather();
  if (weather->GetIntensity(SIM_Weather::WEATHER_RAIN) == 0.0f && weather->GetIntensity(SIM_Weather::WEATHER_CLOUD) == 0.0f &&
      weather->GetIntensity(SIM_Weather::WEATHER_SNOW) == 0.0f) {
    m_birdsongTimer.Update();
    if (m_birdsongTimer.GetElapsed() >= (double)m_birdsongInterval) {
      ChooseRandomBirdsongInterval();
      PlayBirdSong();
      m_birdsongTimer.StartTimer();
    }
  }
}

void GUI_AmbientSounds::PlayAmbientSound() {
  std::vector<std::string> candidates;
  if (SIM_GetVede()->GetValue("boredom") > 0.8f) candidates.push_back("boredom");
  if (SIM_GetVede()->GetValue("_energy") < 0.2f) candidates.push_back("tired");
  if (SIM_NamedValueList::Globals.IsTrue("dog")) candidates.push_back("dog");
  if (SIM_NamedValueList::Globals.IsTrue("cat")) candidates.push_back("cat");
  if (candidates.empty()) return;

  const std::string& pick = candidates[GRandom::Scene().Rand() % candidates.size()];
  if (pick == "tired") {
    GUI_GetSounds()->PlaySound("data/sounds/yawn.ogg", false);
  } else if (pick == "boredom") {
    GUI_GetSounds()->PlaySound("data/sounds/bored_sigh.ogg", false);
  } else if (SIM_Asset* pet = SIM_Asset::GetOwnedByName(pick)) {
    pet->PlaySound();
  }
}

void GUI_AmbientSounds::PlayBirdSong() {
  if (SIM_GetSim()->IsDayFinished()) return;
  static const char* const songs[] = {"data/sounds/birdsong_1.ogg", "data/sounds/birdsong_2.ogg", "data/sounds/birdsong_3.ogg"};
  const char* song = songs[GRandom::Scene().Rand() % 3];
  const float volume = GRandom::Scene().RandReal(0.2f, 0.5f);
  GUI_GetSounds()->PlaySound(song, volume, GRandom::Scene().RandReal(-0.8f, 0.8f), false);
}
