#include "SIM_PetBase.h"

#include <algorithm>

#include "ActivityHooks.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_Assets.h"
#include "GUI_EventList.h"
#include "GUI_PetDetails.h"
#include "GUI_Message.h"
#include "GUI_Postit.h"
#include "GUI_Sounds.h"
#include "SIM_AchievementBase.h"
#include "SIM_Dog.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NamedValue.h"
#include "SIM_PetFood.h"
#include "SIM_Script.h"
#include "SIM_SmallTalk.h"
#include "SIM_StandInLog.h"
#include "SIM_Vede.h"
#include "SIM_Vorla.h"

std::list<SIM_PetBase*> SIM_PetBase::All;

namespace {
// More hungry days than this and the pet is gone.
constexpr int kMaxDaysWithoutFood = 4;
// Below this many meals the pet asks for food.
constexpr int kLowFoodMeals = 3;
constexpr int kHamsterSafeAge = 28;
constexpr float kHamsterDeathChance = 0.01f;
constexpr int kHamsterTalkDays = 4;

float Variable(const char* key) { return SIM_GetGlobalVariables()->Get(key); }
}  // namespace

SIM_PetBase::SIM_PetBase(const Kind& kind)
    : m_achievement(kind.achievement),
      m_petName(kind.petName),
      m_canBeLonely(kind.canBeLonely),
      m_detailsText(kind.detailsText),
      m_sound(kind.sound),
      m_reminderText(kind.reminderText) {
  All.push_back(this);
}

SIM_PetBase::~SIM_PetBase() {
  if (GUI_PetDetails::PTheWindow && GUI_PetDetails::PTheWindow->GetPet() == this) GUI_PetDetails::Close();
  CloseReminder();
  All.remove(this);
}

SIM_PetBase* SIM_PetBase::Create(const std::string& classKey) {
  if (classKey == "sim_cat") return new SIM_Cat;
  if (classKey == "sim_dog") return new SIM_Dog;
  if (classKey == "sim_fish") return new SIM_Fish;
  if (classKey == "sim_parrot") return new SIM_Parrot;
  if (classKey == "sim_hamster") return new SIM_Hamster;
  return nullptr;
}

void SIM_PetBase::Open() {
  while (!All.empty()) delete All.front();
}

SIM_PetBase* SIM_PetBase::GetByName(const std::string& assetName) {
  for (SIM_PetBase* pet : All) {
    if (pet->GetName() == assetName) return pet;
  }
  return nullptr;
}

void SIM_PetBase::SpendTimeAll() {
  for (SIM_PetBase* pet : All) pet->SpendTime();
}

void SIM_HookHomeWithPets() { SIM_PetBase::SpendTimeAll(); }

void SIM_PetBase::ClearReminders() {
  SIM_StandInLog::Record("SIM_PetBase::ClearReminders");  // the night's order is checked here
  ForgetReminders();
}

void SIM_PetBase::ForgetReminders() {
  for (SIM_PetBase* pet : All) pet->m_reminder = nullptr;
}

int SIM_PetBase::GetMealsLeft() const { return SIM_PetMeal::GetQuantity(GetName()); }

void SIM_PetBase::Purchase() {
  SIM_Asset::Purchase();
  m_daysWithoutFood = 0;
  m_age = 0;
  m_happiness = 0.5f;
  SIM_AchievementBase::AddAchievement(m_achievement);
}

void SIM_PetBase::Clicked() { GUI_PetDetails::Create(this, m_detailsText); }

void SIM_PetBase::Process() {
  SIM_Asset::Process();
  if (!m_owned) return;
  const std::string& animal = GetName();
  if (SIM_PetMeal::GetQuantity(animal) < 1) {
    ++m_daysWithoutFood;
    if (m_daysWithoutFood > kMaxDaysWithoutFood) {
      InsufficientFood();
      return;
    }
  } else {
    SIM_PetMeal::Eat(animal);
    m_daysWithoutFood = 0;
  }
  if (SIM_PetMeal::GetQuantity(animal) < kLowFoodMeals) {
    PlaySound();
    if (!m_reminder) {
      m_reminder = GUI_Postit::Create(GTranslation::GetString(m_reminderText.c_str()), GUI_Postit::TYPE_PETFOOD);
    }
  } else {
    CloseReminder();
  }
  if (!m_canBeLonely) return;
  m_lonely = false;
  ++m_eveningsAlone;
  if (static_cast<float>(m_eveningsAlone) > Variable("PET_LONELY_DAYS")) {
    m_lonely = true;
    GUI_EventList* events = GUI_GetEventList();
    events->AddEvent(animal == "dog" ? "EVENT_DOG_LONELY" : "EVENT_CAT_LONELY");
    events->SetAfterWorkEvent(true);
  }
}

void SIM_PetBase::SpendTime() { m_eveningsAlone = 0; }

void SIM_PetBase::InsufficientFood() { Lose(); }

void SIM_PetBase::PlaySound() {
  if (!m_sound.empty()) {
    GUI_GetSounds()->PlaySound(m_sound.c_str(), false);
    return;
  }
  if (m_sounds.empty()) return;
  // The scenery's draw: the room's ambient sounds call this on the clock, and a seeded game must not
  // hang on how often they come.
  const size_t pick = static_cast<size_t>(GRandom::Scene().RandReal(0.0f, static_cast<float>(m_sounds.size())));
  GUI_GetSounds()->PlaySound(m_sounds[std::min(pick, m_sounds.size() - 1)].c_str(), false);
}

void SIM_PetBase::BuyFood() { CloseReminder(); }

void SIM_PetBase::CloseReminder() {
  if (!m_reminder) return;
  GUI_Postit* note = m_reminder;
  m_reminder = nullptr;
  delete note;
}

void SIM_PetBase::Lose() {
  InsufficientUpkeep();
  m_owned = false;
  m_pawned = false;
  GUI_GetAssets()->Refresh();
  CloseReminder();
  m_daysWithoutFood = 0;
}

void SIM_PetBase::ShowMessage(const std::string& titleKey, const std::string& textKey) const {
  std::string text = GTranslation::GetString(textKey.c_str());
  GTranslation::ReplaceToken(text, "<PETNAME>", m_petName);
  GUI_TextureMessage::Create(m_texture, text, GTranslation::GetString(titleKey.c_str()));
}

// ---- the cat

SIM_Cat::SIM_Cat() : SIM_PetBase({"Vede", "CAT_DETAILS_TEXT", "REMINDER_CATFOOD", "ACH_CAT_OWNED", true, ""}) {}

void SIM_Cat::Process() {
  SIM_PetBase::Process();
  m_happiness = std::clamp(m_happiness - Variable("CAT_HAPPINESS_REDUCTION_PER_DAY"), 0.0f, 1.0f);
}

float SIM_Cat::HappinessCap() {
  float cap = 0.5f;
  if (SIM_NamedValueList::Globals.IsTrue("catbed")) cap += 0.25f;
  if (SIM_NamedValueList::Globals.IsTrue("catpost")) cap += 0.25f;
  return cap;
}

void SIM_Cat::SpendTime() {
  SIM_PetBase::SpendTime();
  m_happiness = std::min(m_happiness + Variable("CAT_HAPPINESS_PER_EVENING"), HappinessCap());
  if (SIM_PetMeal::GetQuantity("cat") < 1) m_happiness = 0.0f;
}

void SIM_Cat::InsufficientFood() {
  if (SIM_NamedValueList::Globals.IsTrue("fish")) {
    // The flag can outlive the fish (a load of an older game): without one the cat is lost.
    SIM_Fish* fish = dynamic_cast<SIM_Fish*>(GetByName("fish"));
    if (fish && fish->IsOwned()) {
      PlaySound();
      std::string text = GTranslation::GetString("CAT_ATEFISH_TEXT");
      GTranslation::ReplaceToken(text, "<PETNAME>", m_petName);
      GUI_TextureMessage::Create("asset_cat.dds", text, GTranslation::GetString("CAT_ATEFISH_TITLE"));
      fish->Eat();
      m_daysWithoutFood = 0;
      return;
    }
    GWarnOnce("cat-no-fish", "Pets: the value \"fish\" is set but no fish is owned; the cat goes hungry", __FILE__,
              __LINE__);
  }
  Lose();
  ShowMessage("CAT_LOST_TITLE", "CAT_LOST_TEXT");
  PlaySound();
  SIM_GetScript()->StoreScript("cat_left_home.txt");
}

// ---- the dog

SIM_Dog::SIM_Dog() : SIM_PetBase({"Rover", "DOG_DETAILS_TEXT", "REMINDER_DOGFOOD", "ACH_DOG_OWNED", true, ""}) {}

void SIM_Dog::Purchase() {
  SIM_PetBase::Purchase();
  m_burglars = 0;
}

void SIM_Dog::Process() {
  SIM_PetBase::Process();
  m_happiness = std::clamp(m_happiness - Variable("DOG_HAPPINESS_REDUCTION_PER_DAY"), 0.0f, 1.0f);
}

float SIM_Dog::GetEffectiveness() const { return SIM_PetMeal::GetQuantity("dog") > 0 ? 1.0f : 0.0f; }

void SIM_Dog::SpendTime() {
  SIM_PetBase::SpendTime();
  m_happiness = std::clamp(m_happiness + Variable("DOG_HAPPINESS_PER_EVENING"), 0.0f, 1.0f);
  if (SIM_PetMeal::GetQuantity("dog") < 1) m_happiness = 0.0f;
}

void SIM_Dog::InsufficientFood() {
  Lose();
  ShowMessage("DOG_LOST_TITLE", "DOG_LOST_TEXT");
  m_burglars = 0;
  SIM_GetScript()->StoreScript("dog_left_home.txt");
}

void SIM_Dog::PlaySound() {
  GUI_GetSounds()->PlaySound(m_daysWithoutFood < 1 ? "data/sounds/dog_bark.ogg" : "data/sounds/dog_angry.ogg", false);
}

// ---- the fish

SIM_Fish::SIM_Fish() : SIM_PetBase({"Blinky", "FISH_DETAILS_TEXT", "REMINDER_FISHFOOD", "ACH_FISH_OWNED", false, ""}) {}

void SIM_Fish::InsufficientFood() {
  Lose();
  ShowMessage("FISH_LOST_TITLE", "FISH_LOST_TEXT");
  SIM_GetScript()->StoreScript("fish_died.txt");
}

void SIM_Fish::Eat() {
  Lose();
  SIM_GetScript()->StoreScript("fish_died.txt");
}

// ---- the parrot

SIM_Parrot::SIM_Parrot()
    : SIM_PetBase({"Polly", "PARROT_DETAILS_TEXT", "REMINDER_PARROTFOOD", "ACH_PARROT_OWNED", false,
                   "data/sounds/parrot.wav"}) {}

void SIM_Parrot::InsufficientFood() {
  Lose();
  ShowMessage("PARROT_LOST_TITLE", "PARROT_LOST_TEXT");
  SIM_GetVorla()->AddEarnedVorla(Variable("VORLA_LOSTPARROT"));
}

// ---- the hamster

SIM_Hamster::SIM_Hamster()
    : SIM_PetBase({"Harry", "HAMSTER_DETAILS_TEXT", "REMINDER_HAMSTERFOOD", "ACH_HAMSTER_OWNED", false, ""}) {}

void SIM_Hamster::Process() {
  SIM_PetBase::Process();
  if (!m_owned) return;
  ++m_age;
  if (m_age > kHamsterSafeAge && GRandom::IsChance(kHamsterDeathChance)) SuddenDeath();
}

void SIM_Hamster::InsufficientFood() {
  Lose();
  ShowMessage("HAMSTER_LOST_TITLE", "HAMSTER_LOST_TEXT");
  SIM_GetVorla()->AddEarnedVorla(Variable("VORLA_LOSTHAMSTER"));
}

void SIM_Hamster::SuddenDeath() {
  Lose();
  ShowMessage("HAMSTER_SUDDENDEATH_TITLE", "HAMSTER_SUDDENDEATH_TEXT");
  SIM_GetVede()->ApplyEffect("happiness", Variable("GV_HAMSTER_SUDDENDEATH_EFFECT"),
                             Variable("GV_HAMSTER_SUDDENDEATH_DEGRADE"), "pet died");
  SIM_GetSmallTalk()->AddTempEvent("SMALLTALK_HAMSTERDEATH", kHamsterTalkDays);
}
