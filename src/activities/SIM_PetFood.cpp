#include "SIM_PetFood.h"

#include "ExitCleanup.h"
#include "SIM_Finances.h"
#include "SIM_PetBase.h"
#include "SIM_StandInLog.h"

std::list<SIM_PetMeal*> SIM_PetMeal::All;

SIM_PetFood* SIM_PetFood::Create(const std::string& animal) { return new SIM_PetFood(animal); }

void SIM_PetFood::Open() {
  SIM_StandInLog::Record("SIM_PetFood::Open");  // the new game's order is checked here
  SIM_PetMeal::Open();
}

void SIM_PetFood::Purchase() {
  SIM_GetFinances()->SpendCash(m_price);
  for (int i = 0; i < kMealsPerPurchase; ++i) SIM_PetMeal::Create(m_animalName);
  if (SIM_PetBase* pet = SIM_PetBase::GetByName(m_animalName)) pet->BuyFood();
}

SIM_PetMeal::SIM_PetMeal(const std::string& animal) : m_animalName(animal) {
  RegisterExitCleanup(Close);
  All.push_back(this);
}

SIM_PetMeal::~SIM_PetMeal() { All.remove(this); }

void SIM_PetMeal::Close() {
  while (!All.empty()) delete All.front();
}

int SIM_PetMeal::GetQuantity(const std::string& animal) {
  int meals = 0;
  for (const SIM_PetMeal* meal : All) {
    if (meal->m_animalName == animal) ++meals;
  }
  return meals;
}

void SIM_PetMeal::Eat(const std::string& animal) {
  for (SIM_PetMeal* meal : All) {
    if (meal->m_animalName == animal) {
      delete meal;
      return;
    }
  }
}
