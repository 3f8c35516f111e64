#include "SIM_WalkPark.h"

#include <algorithm>
#include <string>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Message.h"
#include "Game.h"
#include "SIM_Dog.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"
#include "SIM_Weather.h"

void SIM_HookWalkPark() { SIM_WalkPark::WalkInPark(); }

float SIM_WalkPark::WalkInPark() {
  const SIM_Weather* weather = SIM_GetWeather();
  const bool umbrella = SIM_NamedValueList::Globals.IsTrue("umbrella");
  // The flag can outlive the dog (an older save): a walk without one then.
  SIM_PetBase* dog = nullptr;
  if (SIM_NamedValueList::Globals.IsTrue("dog")) {
    dog = dynamic_cast<SIM_PetBase*>(SIM_Asset::GetOwnedByName("dog"));
    if (!dog) {
      GWarnOnce("walk-no-dog", "Walk in the park: the value \"dog\" is set but no dog is owned", __FILE__, __LINE__);
    }
  }

  float enjoyment = 0.8f;
  float rain = weather->GetIntensity(SIM_Weather::WEATHER_RAIN);
  if (umbrella) rain *= 0.5f;
  enjoyment -= rain;
  if (weather->GetType() == SIM_Weather::WEATHER_SUN) enjoyment += 0.2f;
  if (dog) {
    dog->SpendTime();
    enjoyment += 0.1f;
  }
  enjoyment = std::clamp(enjoyment, 0.0f, 1.0f);

  SIM_GlobalVariable* variables = SIM_GetGlobalVariables();
  SIM_Vede* vede = SIM_GetVede();
  vede->ApplyEffect("happiness", 0.25f * enjoyment, variables->Get("_HAPPINESS_DEGRADE"), "walkinpark");
  vede->ApplyEffect("stress", -0.25f * enjoyment, variables->Get("_STRESS_DEGRADE"), "walkinpark");

  const char* key = "WALKINPARK_DEFAULT";
  switch (weather->GetType()) {
    case SIM_Weather::WEATHER_SUN: key = "WALKINPARK_SUNNY"; break;
    case SIM_Weather::WEATHER_SNOW: key = "WALKINPARK_SNOW"; break;
    case SIM_Weather::WEATHER_RAIN: key = umbrella ? "WALKINPARK_RAIN_UMBRELLA" : "WALKINPARK_RAIN_NOUMBRELLA"; break;
    default: break;
  }
  std::string text = GTranslation::GetString(key);
  if (dog) {
    std::string withDog = GTranslation::GetString("WALKINPARK_DOG");
    GTranslation::ReplaceToken(withDog, "<DOGNAME>", dog->GetPetName());
    text += " " + withDog;
  }
  std::string title = GTranslation::GetString("WALKINPARK_TITLE");
  GTranslation::ReplaceToken(title, "<TOWNNAME>", GetGame()->GetTownName());
  GUI_Message::Create(text, title);
  return enjoyment;
}
