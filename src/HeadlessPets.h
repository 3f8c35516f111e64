#pragma once
// The pets of the player without a window: it buys a dog early on, a cat and a goldfish later,
// each with its food; it buys food when a pet's note asks for it (except once, for the goldfish,
// which is then lost); it spends an evening at home with the pets when the dog or the cat has
// been alone a while, and takes the dog for walks.
#include <map>
#include <string>

class HeadlessPets {
 public:
  static void StartGame();
  // True when tonight went to the pets: a trip to the pet shop, an evening at home or a walk.
  static bool SpendEvening();
  // What happened, for the digest: purchases and evenings by name ("dog", "food_dog", "walkpark").
  static const std::map<std::string, int>& GetCounts() { return Counts; }
  static int Lost();  // pets bought and no longer owned

 private:
  static std::map<std::string, int> Counts;
  static bool ForgotFishFood;
};
