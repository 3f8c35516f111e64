#pragma once
// The player's pets: a cat, a dog, a fish, a parrot and a hamster, one object per kind, made by
// the asset factory from the assets table whether owned or not. A pet eats one of its meals a
// day (SIM_PetMeal), sticks a note up when food runs low, and leaves or dies after more than four
// hungry days. The cat and the dog also want company: their happiness falls each day and rises on
// evenings spent at home with them.
#include <list>
#include <string>

#include "SIM_Asset.h"

class GUI_Postit;

class SIM_PetBase : public SIM_Asset {
 public:
  // The five factory keys ("sim_cat", "sim_dog", ...); any other key gives null.
  static SIM_PetBase* Create(const std::string& classKey);
  static void Open();  // every pet object goes
  static SIM_PetBase* GetByName(const std::string& assetName);  // owned or not; null when absent
  static void SpendTimeAll();  // an evening at home with the pets
  // The day turn closes every note just before: the pets forget theirs.
  static void ClearReminders();
  // The same, for whoever closes every note at another moment (GUI_Postit::Close).
  static void ForgetReminders();
  static std::list<SIM_PetBase*> All;

  ~SIM_PetBase() override;  // leaves All (and SIM_Asset::All)

  void Purchase() override;  // fed, young and half happy; its achievement
  void Clicked() override;  // the pet's details window
  void Process() override;

  virtual bool IsRenameable() const { return false; }
  virtual void SpendTime();       // an evening with the player: no longer alone
  virtual void InsufficientFood();  // more than four hungry days: the pet is lost
  // The pet's own sound when it has one, else one of its asset sounds.
  virtual void PlaySound();

  void BuyFood();  // food arrived: the reminder note goes

  std::string GetPetName() const { return m_petName; }
  void SetPetName(const std::string& name) { m_petName = name; }
  int GetDaysWithoutFood() const { return m_daysWithoutFood; }
  void SetDaysWithoutFood(int days) { m_daysWithoutFood = days; }
  int GetEveningsAlone() const { return m_eveningsAlone; }
  void SetEveningsAlone(int evenings) { m_eveningsAlone = evenings; }
  int GetAge() const { return m_age; }
  void SetAge(int days) { m_age = days; }
  float GetHappiness() const { return m_happiness; }
  void SetHappiness(float happiness) { m_happiness = happiness; }
  bool CanBeLonely() const { return m_canBeLonely; }
  bool IsLonely() const { return m_lonely; }
  const std::string& GetDetailsText() const { return m_detailsText; }  // a translation key
  const std::string& GetReminderText() const { return m_reminderText; }  // a translation key
  GUI_Postit* GetReminder() const { return m_reminder; }
  int GetMealsLeft() const;  // this kind's meals in stock

 protected:
  // What sets one kind apart: its default name, its texts' keys, its achievement, whether it wants
  // company, and a sound of its own (or "").
  struct Kind {
    const char* petName;
    const char* detailsText;
    const char* reminderText;
    const char* achievement;
    bool canBeLonely;
    const char* sound;
  };
  explicit SIM_PetBase(const Kind& kind);

  void CloseReminder();
  // Ownership ends, the note goes and the hunger count restarts.
  void Lose();
  void ShowMessage(const std::string& titleKey, const std::string& textKey) const;

  const char* m_achievement;
  std::string m_petName;
  int m_daysWithoutFood = 0;
  int m_eveningsAlone = 0;
  bool m_canBeLonely = false;
  bool m_lonely = false;
  GUI_Postit* m_reminder = nullptr;
  std::string m_detailsText;
  std::string m_sound;
  std::string m_reminderText;
  int m_age = 0;
  float m_happiness = 0.5f;
};

class SIM_Cat : public SIM_PetBase {
 public:
  SIM_Cat();
  void Process() override;
  float GetEffectiveness() const override { return m_happiness; }
  bool IsRenameable() const override { return true; }
  void SpendTime() override;
  void InsufficientFood() override;
  // How happy evenings at home can make the cat: 0.5, plus 0.25 each for a bed and a post.
  static float HappinessCap();
};

class SIM_Fish : public SIM_PetBase {
 public:
  SIM_Fish();
  void InsufficientFood() override;
  void Eat();  // the cat got it: lost without a message
};

class SIM_Parrot : public SIM_PetBase {
 public:
  SIM_Parrot();
  void InsufficientFood() override;
};

class SIM_Hamster : public SIM_PetBase {
 public:
  SIM_Hamster();
  void Process() override;
  void InsufficientFood() override;
  void SuddenDeath();
};
