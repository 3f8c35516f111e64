#include "SIM_RestaurantInstance.h"

#include <algorithm>

#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_PostMortem.h"
#include "GUI_RestaurantChooser.h"
#include "GUI_RestaurantInstance.h"
#include "SIM_FoodMemory.h"
#include "SIM_Finances.h"
#include "SIM_NPC.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantOption.h"
#include "SIM_Script.h"
#include "SIM_SocialiseType.h"
#include "SIM_Vede.h"

void SIM_RestaurantInstance::ProcessChunk() {
  if (!m_type) {
    SIM_SocialiseInstance::ProcessChunk();  // reports the fault and uses the slot
    return;
  }
  if (IsVedeHost()) {
    BuildRestaurantList();
    if (m_restaurants.empty()) {
      RunPlain();
      return;
    }
    GUI_RestaurantChooser::Create(this);
    return;
  }
  m_chosen = PickInvitationRestaurant();
  if (!m_chosen) {
    RunPlain();
    return;
  }
  // The friend's table is booked: the bill is settled per head once the food is ordered.
  m_costPerHead = 0;
  GUI_RestaurantInstance::Create(this);
}

SIM_Restaurant* SIM_RestaurantInstance::PickInvitationRestaurant() const {
  SIM_Restaurant* midRange = nullptr;
  SIM_Restaurant* any = nullptr;
  for (SIM_Restaurant* restaurant : SIM_Restaurant::All) {
    if (!restaurant->MatchesType(m_type)) continue;
    any = restaurant;
    if (restaurant->GetStyle() == SIM_Restaurant::MIDRANGE) midRange = restaurant;
  }
  if (!midRange && any) {
    GWarnOnce("restaurant-invite-midrange:" + m_type->GetName(),
              GFormat("No mid-range restaurant serves \"%s\"; invitations go to %s", m_type->GetName().c_str(),
                      any->GetGUIName().c_str()).c_str(),
              __FILE__, __LINE__);
  }
  return midRange ? midRange : any;
}

void SIM_RestaurantInstance::RunPlain() {
  GWarnOnce("restaurant-none:" + m_type->GetName(),
            GFormat("No restaurant serves \"%s\"; the evening goes ahead without a menu", m_type->GetName().c_str()).c_str(),
            __FILE__, __LINE__);
  m_ranPlain = true;
  SIM_SocialiseInstance::ProcessChunk();
}

void SIM_RestaurantInstance::BuildRestaurantList() {
  m_restaurants.clear();
  for (SIM_Restaurant* restaurant : SIM_Restaurant::All)
    if (restaurant->MatchesType(m_type)) m_restaurants.push_back(restaurant);
}

void SIM_RestaurantInstance::AcceptTable(SIM_Restaurant* restaurant) {
  m_chosen = restaurant;
  m_costPerHead = 0;
  GUI_RestaurantInstance::Create(this);
}

void SIM_RestaurantInstance::AddOption(SIM_RestaurantOption* option) {
  if (option) m_selectedOptions.push_back(option);
}

void SIM_RestaurantInstance::RemoveOption(SIM_RestaurantOption* option) { m_selectedOptions.remove(option); }

float SIM_RestaurantInstance::GetSelectedOptionsCost() const {
  float total = 0.0f;
  for (const SIM_RestaurantOption* option : m_selectedOptions) total += option->GetCost();
  return total;
}

bool SIM_RestaurantInstance::ReadyToEat() const {
  bool main = false;
  bool drink = false;
  for (const SIM_RestaurantOption* option : m_selectedOptions) {
    if (option->GetType() == SIM_RestaurantOption::MAINCOURSE) main = true;
    if (option->GetType() == SIM_RestaurantOption::DRINK) drink = true;
  }
  return main && drink;
}

void SIM_RestaurantInstance::OrderFood() {
  GAssert(m_selectedOptions.size() == 2, __FILE__, __LINE__);
  SIM_FoodMemory* memory = SIM_GetFoodMemory();
  for (SIM_RestaurantOption* option : m_selectedOptions)
    if (memory->IsBoringChoice(option->GetGUIName())) EatBoringFood();
  SIM_SocialiseInstance::ProcessChunk();
  for (SIM_RestaurantOption* option : m_selectedOptions) {
    option->ApplyModifiers(1.0f);
    // Drinks are never remembered: the same wine twice is no hardship.
    if (option->GetType() == SIM_RestaurantOption::MAINCOURSE) memory->Add(option->GetGUIName());
    SIM_GetFinances()->SpendCash(option->GetCost());
  }
  const int style = m_chosen ? m_chosen->GetStyle() : SIM_Restaurant::MIDRANGE;
  SIM_Script* script = SIM_GetScript();
  if (style == SIM_Restaurant::SNOOTY) script->RunScript("restaurant_snooty.txt", 1.0f);
  if (style == SIM_Restaurant::HIP) script->RunScript("restaurant_hip.txt", 1.0f);
  if (style == SIM_Restaurant::CHEAPO) script->RunScript("restaurant_cheapo.txt", 1.0f);
  SIM_GetVede()->ApplyEffect("boredom", -0.2f, 0.25f, "restaurant");
  if (!m_chosen) return;
  const int32_t perHead = (int32_t)((m_chosen->GetMaxCost() + m_chosen->GetMinCost()) / 2.0f);
  for (SIM_Person* attendee : m_attendees)
    if (auto* npc = dynamic_cast<SIM_NPC*>(attendee)) npc->SpendMoney((float)perHead);
}

void SIM_RestaurantInstance::EatBoringFood() {
  SIM_GetScript()->RunScript("eatboringfood.txt", 1.0f);
  m_ateBoringFood = true;
}

void SIM_RestaurantInstance::EvaluateEventSuccess() {
  if (m_ranPlain) {
    SIM_SocialiseInstance::EvaluateEventSuccess();
    return;
  }
  if (IsVedeHost()) {
    GAssert(m_chosen != nullptr, __FILE__, __LINE__);
    m_eventQuality = m_chosen ? m_chosen->GetQuality() : 0.5f;
  } else {
    m_eventQuality = GRandom::RandUnitFloat();
  }
  m_mood = SIM_GetVede()->GetValue("happiness");
}

void SIM_RestaurantInstance::DisplayPostMortem() {
  GUI_PostMortem* report = GUI_PostMortem::Create(this);
  if (report && m_ateBoringFood) report->AddExtraText(GTranslation::GetString("RESTAURANT_ATEBORINGFOOD"));
}
