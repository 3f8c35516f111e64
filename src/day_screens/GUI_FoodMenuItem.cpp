#include "GUI_FoodMenuItem.h"

#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_MenuItemEffect.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"

std::list<GUI_FoodMenuItem*> GUI_FoodMenuItem::All;

namespace {
constexpr float kDishIconSize = 64.0f;
constexpr uint32_t kRuleColour = 0xC8000000u;  // the fill packing: black at alpha 200
}  // namespace

GUI_FoodMenuItem::GUI_FoodMenuItem(SIM_RestaurantOption* option) : m_option(option) {
  GAssert(option != nullptr, __FILE__, __LINE__);
  m_icon.SetTexture("food_icons.dds");
  m_icon.SetSize(kDishIconSize, kDishIconSize);
  m_icon.SetUV(0.5f, 0.5f, 0.75f, 1.0f);
  m_selectedMark.SetTexture("food_icons.dds");
  m_selectedMark.SetSize(kDishIconSize, kDishIconSize);
  m_selectedMark.SetUV(0.75f, 0.5f, 1.0f, 1.0f);
  char price[64];
  std::snprintf(price, sizeof price, "%s %.2f", GetGame()->GetCurrency(), option ? (double)option->GetCost() : 0.0);
  m_priceText = price;
  SetEatMouseMoves(false);
  All.push_back(this);
}

GUI_FoodMenuItem::~GUI_FoodMenuItem() { All.remove(this); }

void GUI_FoodMenuItem::Populate() {
  if (!m_option) return;
  const float right = (float)rect.right;
  const float bottom = (float)rect.bottom;
  int k = 0;
  for (SIM_Modifier* modifier : m_option->GetModifiers()) {
    auto* effect = new GUI_MenuItemEffect(modifier, m_option->GetOrigin());
    effect->SetPosition(right - 100.0f - 100.0f * (float)k, bottom - 48.0f, right - 100.0f * (float)k, bottom + 6.0f);
    effect->SetEatMouseMoves(false);
    AddChild(effect);
    ++k;
  }
  GUI_RestaurantInstance* screen = GUI_RestaurantInstance::PTheWindow;
  SIM_Restaurant* restaurant = screen ? screen->GetRestaurantInstance()->GetChosen() : nullptr;
  if (restaurant) m_textColour = restaurant->GetTextColor();
}

void GUI_FoodMenuItem::ClearByType(SIM_RestaurantOption::MENUTYPE type) {
  // Deselecting touches no list entry but the item's own flag, so a copy is not needed.
  for (GUI_FoodMenuItem* item : All) {
    if (item->m_option && item->m_option->GetType() == type && item->m_selected) item->SetSelected(false);
  }
}

void GUI_FoodMenuItem::SetSelected(bool selected) {
  if (!m_option) return;
  if (selected) {
    ClearByType(m_option->GetType());
    GUI_RestaurantInstance::OrderItem(m_option);
  } else {
    GUI_RestaurantInstance::CancelItem(m_option);
  }
  m_selected = selected;
  GUI_RestaurantInstance::UpdateOrderStatus();
}

bool GUI_FoodMenuItem::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  SetSelected(!m_selected);
  return true;
}

void GUI_FoodMenuItem::Draw() {
  if (!m_option) return;
  GUI_RestaurantInstance* screen = GUI_RestaurantInstance::PTheWindow;
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  const float itemWidth = GetWidth();
  LibTextEngine* text = GetTextEngine();
  // Descriptions and the rest go to the screen's two cached lists, one font each; the engine
  // takes one list at a time.
  if (screen) text->SetCurrentChunkList(&screen->GetDescriptionTexts());
  // A drink's row is too short for its description to pass over its effects: it wraps before them.
  float descriptionWidth = itemWidth - 90.0f;
  if (m_option->GetType() == SIM_RestaurantOption::DRINK)
    descriptionWidth -= 100.0f * (float)m_option->GetModifiers().size();
  text->AddWrappedString(m_option->GetDescription(), left + 70.0f, top + 25.0f, descriptionWidth, m_textColour);
  text->SetCurrentChunkList(nullptr);
  if (screen) text->SetCurrentChunkList(&screen->GetNameTexts());
  text->AddWrappedString(m_option->GetGUIName(), left + 70.0f, top + 5.0f, itemWidth, m_textColour);
  text->AddQueueString(m_priceText, left, top + 5.0f, m_textColour, itemWidth, LibTextEngine::ALIGN_RIGHT);

  m_icon.PlaceLocal(left + 35.0f, top + 35.0f);
  GUI_RestaurantInstance::SpriteList.AddSprite(&m_icon);
  if (m_selected) {
    m_selectedMark.PlaceLocal(left + 40.0f, top + 30.0f);
    GUI_RestaurantInstance::SpriteList.AddSprite(&m_selectedMark);
  }
  DrawChildren();
  text->SetCurrentChunkList(nullptr);

  RECT line;
  SetRect(&line, rect.left, rect.bottom - 2, rect.right, rect.bottom);
  GetD3DEngine()->FillRect(&line, kRuleColour);
}
