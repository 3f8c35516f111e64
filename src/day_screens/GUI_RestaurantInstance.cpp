#include "GUI_RestaurantInstance.h"

#include <algorithm>
#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_FoodMenuItem.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_RestaurantKey.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_RestaurantOption.h"

GUI_RestaurantInstance* GUI_RestaurantInstance::PTheWindow = nullptr;
GSpriteList GUI_RestaurantInstance::SpriteList;

namespace {

constexpr float kDrinkRowHeight = 75.0f;
constexpr float kMainCourseRowHeight = 118.0f;
constexpr uint32_t kMoneyLabelColour = 0x80000000u;  // black at alpha 128

}  // namespace

void GUI_RestaurantInstance::Create(SIM_RestaurantInstance* outing) {
  GAssert(outing != nullptr, __FILE__, __LINE__);
  if (!outing) return;
  Close();
  new GUI_RestaurantInstance(outing);
}

void GUI_RestaurantInstance::Close() {
  GUI_RestaurantInstance* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_RestaurantInstance::OrderItem(SIM_RestaurantOption* option) {
  if (PTheWindow) PTheWindow->m_outing->AddOption(option);
}

void GUI_RestaurantInstance::CancelItem(SIM_RestaurantOption* option) {
  if (PTheWindow) PTheWindow->m_outing->RemoveOption(option);
}

void GUI_RestaurantInstance::UpdateOrderStatus() {
  GUI_RestaurantInstance* screen = PTheWindow;
  if (!screen) return;
  screen->m_orderButton->SetEnabled(screen->m_outing->ReadyToEat());
  // Not checked against the cash: the bill may leave the player in the red.
  const float left = SIM_GetFinances()->GetCash() - screen->m_outing->GetSelectedOptionsCost();
  char text[128];
  std::snprintf(text, sizeof text, "%s %.2f", GetGame()->GetCurrency(), (double)left);
  screen->m_moneyLeft = text;
}

void GUI_RestaurantInstance::OrderFood(int) {
  GUI_RestaurantInstance* screen = PTheWindow;
  if (!screen) return;
  screen->m_outing->OrderFood();
  Close();
}

GUI_RestaurantInstance::GUI_RestaurantInstance(SIM_RestaurantInstance* outing) {
  GetDebug()->DebugOut("GUI_RestaurantInstance::GUI_RestaurantInstance() begins");
  GAssert(outing != nullptr, __FILE__, __LINE__);
  m_outing = outing;
  PTheWindow = this;
  SIM_Restaurant* restaurant = outing ? outing->GetChosen() : nullptr;
  GAssert(restaurant != nullptr, __FILE__, __LINE__);

  m_descriptionTexts.SetFont("anime14.dds", 14.0f);
  m_nameTexts.SetFont("calibriblackbold24.dds", 24.0f);
  if (restaurant) m_background.SetTexture(restaurant->GetMenuTexture());

  MakeFullScreenWindow();
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;

  m_orderButton = new GUI_IconButton("bigbuttons.dds", OrderFood, 0);
  m_orderButton->SetHighlightTexture("bigbuttons.dds");
  m_orderButton->SetCells(16, 6, 7);
  m_orderButton->SetTooltip("RESTAURANT_ORDERFOOD_TOOLTIP", 30);
  m_orderButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_orderButton->SetFadeFirst();
  AddButton(m_orderButton);
  m_orderButton->SetEnabled(false);
  m_orderButton->SetDisabledClickExplanation("RESTAURANT_ORDERFOOD_DISABLED");

  GUI_MenuBase::SizeStrip(m_strip);

  m_moneyLabel = GTranslation::GetString("MONEY");

  ChooseTodaysMenu();
  ApplyTodaysMenu();
  UpdateOrderStatus();

  if (restaurant) GUI_GetSounds()->OverrideMusic(restaurant->GetMusic().c_str(), true);

  m_key = new GUI_RestaurantKey;
  m_key->SetPosition(0.0f, H - 90.0f, 350.0f, H);
  m_key->Initialise();
  AddChild(m_key);

  GUI_HintHelp::Launch("restaurant_menu");
  GUI_GetFader()->FadeIn();
  GetDebug()->DebugOut("GUI_RestaurantInstance::GUI_RestaurantInstance() ends");
}

GUI_RestaurantInstance::~GUI_RestaurantInstance() {
  if (PTheWindow == this) PTheWindow = nullptr;
  SpriteList.Clear();
}

void GUI_RestaurantInstance::ChooseTodaysMenu() {
  GetDebug()->DebugOut("GUI_RestaurantInstance::ChooseTodaysMenu() begins");
  m_todaysMenu.clear();
  // Drinks first, then main courses: the always-listed ones and draws to fill the places.
  SIM_Restaurant* restaurant = m_outing ? m_outing->GetChosen() : nullptr;
  if (restaurant) m_todaysMenu = restaurant->DrawTodaysMenu();
  GetDebug()->DebugOut("GUI_RestaurantInstance::ChooseTodaysMenu() ends");
}

void GUI_RestaurantInstance::ClearFoodMenuItems() {
  for (GUI_FoodMenuItem* item : m_menuItems) {
    RemoveChild(item);
    delete item;
  }
  m_menuItems.clear();
}

void GUI_RestaurantInstance::ApplyTodaysMenu() {
  ClearFoodMenuItems();
  // The texts are laid out anew with the items.
  m_descriptionTexts.ClearChunks();
  m_nameTexts.ClearChunks();
  const float left = (float)rect.left;
  const float right = (float)rect.right;
  const float centre = GetCenterX();
  float y = (float)rect.top + 130.0f;
  int column = 0;
  const std::list<SIM_RestaurantOption*>& selection = m_outing->GetSelectedOptions();
  for (SIM_RestaurantOption* option : m_todaysMenu) {
    const float h = option->GetType() == SIM_RestaurantOption::DRINK ? kDrinkRowHeight : kMainCourseRowHeight;
    auto* item = new GUI_FoodMenuItem(option);
    if (column == 0) {
      item->SetPosition(left + 40.0f, y, centre - 40.0f, y + h);
    } else {
      item->SetPosition(centre + 30.0f, y, right - 40.0f, y + h);
    }
    AddChild(item);
    m_menuItems.push_back(item);
    item->Populate();
    // A new layout keeps what is already ordered marked, so the marks and the bill agree.
    if (std::find(selection.begin(), selection.end(), option) != selection.end()) item->MarkSelected();
    if (column == 1) {
      y += h;
      column = 0;
    } else {
      column = 1;
    }
  }
}

void GUI_RestaurantInstance::Reset() {
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  SetPosition(0.0f, 0.0f, W, H);
  m_orderButton->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_strip.SetSize(W, 128.0f);
  m_strip.PlaceLocal(W / 2.0f, H - 64.0f);
  if (m_key) {
    m_key->SetPosition(0.0f, H - 90.0f, 350.0f, H);
    m_key->Initialise();
  }
  ApplyTodaysMenu();
}

void GUI_RestaurantInstance::DrawMoney() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold30.dds", 30.0f);
  text->AddQueueString(m_moneyLabel, 514.0f, 710.0f, kMoneyLabelColour, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_moneyLeft, 622.0f, 710.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
}

void GUI_RestaurantInstance::Draw() {
  GetD3DEngine()->FillScreen(&m_background, 1.0f, 0.75f);
  m_strip.Draw();
  DrawChildren();
  DrawButtons();
  DrawMoney();
  SpriteList.Draw();
  SpriteList.Clear();
  m_descriptionTexts.Draw();
  m_nameTexts.Draw();
  if (m_key) m_key->DrawLabels();
  GetTextEngine()->ProcessTextQueue(-1);
}
