#pragma once
// A restaurant evening. The player as host picks a restaurant in the chooser and its waiter
// decides whether there is a table; an NPC's invitation goes to the mid-range restaurant of its
// kind. On the menu one main course and one drink are chosen, then OrderFood runs the evening,
// feeds the player and settles the bill.
#include <list>

#include "SIM_SocialiseInstance.h"

class SIM_Restaurant;
class SIM_RestaurantOption;

class SIM_RestaurantInstance : public SIM_SocialiseInstance {
 public:
  void ProcessChunk() override;
  void DisplayPostMortem() override;
  void EvaluateEventSuccess() override;

  void BuildRestaurantList();             // every restaurant serving the evening's type, in order
  void AcceptTable(SIM_Restaurant* restaurant);  // the waiter's yes: opens the menu
  void AddOption(SIM_RestaurantOption* option);
  void RemoveOption(SIM_RestaurantOption* option);  // every occurrence
  float GetSelectedOptionsCost() const;
  bool ReadyToEat() const;  // a main course and a drink are chosen
  void OrderFood();
  void EatBoringFood();

  SIM_Restaurant* GetChosen() const { return m_chosen; }
  const std::list<SIM_RestaurantOption*>& GetSelectedOptions() const { return m_selectedOptions; }
  const std::list<SIM_Restaurant*>& GetRestaurants() const { return m_restaurants; }
  bool AteBoringFood() const { return m_ateBoringFood; }
  // True when the evening found no restaurant to go to and ran as a plain one.
  bool RanWithoutRestaurant() const { return m_ranPlain; }

 private:
  // No restaurant for the evening: it runs as a plain evening at the type's own price.
  void RunPlain();
  // The mid-range restaurant an NPC takes the player to (the last of the type when none is).
  SIM_Restaurant* PickInvitationRestaurant() const;

  std::list<SIM_RestaurantOption*> m_selectedOptions;  // not owned
  std::list<SIM_Restaurant*> m_restaurants;            // not owned
  SIM_Restaurant* m_chosen = nullptr;
  bool m_ateBoringFood = false;
  bool m_ranPlain = false;
};
