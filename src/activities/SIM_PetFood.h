#pragma once
// Pet food and the meals it buys. Food is a possession in the shop that is never kept: buying it
// adds ten meals for its animal. Each meal is one object in SIM_PetMeal::All; a pet eats one a
// day, so the meals for an animal are its food stock in days.
#include <list>
#include <string>

#include "SIM_Asset.h"

class SIM_PetFood : public SIM_Asset {
 public:
  static constexpr int kMealsPerPurchase = 10;

  static SIM_PetFood* Create(const std::string& animal);
  static void Open();  // no meals left (a new game, a load)

  void Purchase() override;  // pays, adds the meals; the food itself is not owned
  const std::string& GetAnimalName() const { return m_animalName; }

 private:
  explicit SIM_PetFood(const std::string& animal) : m_animalName(animal) {}
  std::string m_animalName;
};

class SIM_PetMeal {
 public:
  explicit SIM_PetMeal(const std::string& animal);  // joins All
  virtual ~SIM_PetMeal();                            // leaves All

  static SIM_PetMeal* Create(const std::string& animal) { return new SIM_PetMeal(animal); }
  static void Open() { Close(); }
  static void Close();  // every meal goes
  static int GetQuantity(const std::string& animal);
  static void Eat(const std::string& animal);  // the first meal for the animal, if any
  static std::list<SIM_PetMeal*> All;

  const std::string& GetAnimalName() const { return m_animalName; }

 private:
  std::string m_animalName;
};
