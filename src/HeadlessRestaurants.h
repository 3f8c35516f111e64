#pragma once
// What the headless player does at a restaurant: as host it asks at each restaurant on offer in
// turn until a waiter has a table (a full one turns it away), then, as at a friend's table, it
// orders a drink and a main course drawn from tonight's menu.
class SIM_SocialiseType;

namespace HeadlessRestaurants {
// How much more the player wants a restaurant evening than the friends would: now and then a meal
// out beats anything they like (worth as much as every friend liking it fully).
float Fancy(SIM_SocialiseType* type, float friends);
// Finishes the restaurant evening waiting for the player's choice; false when none was waiting.
bool FinishWaitingMeal();
}  // namespace HeadlessRestaurants
