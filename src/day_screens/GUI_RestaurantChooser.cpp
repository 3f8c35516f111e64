#include "GUI_RestaurantChooser.h"

#include <cstdio>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_IconButton.h"
#include "GUI_WaiterDialog.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Finances.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_StandInLog.h"

GUI_RestaurantChooser* GUI_RestaurantChooser::PTheWindow = nullptr;

namespace {
constexpr float kRestaurantChooserWidth = 500.0f;
constexpr float kRestaurantChooserHeight = 320.0f;
}  // namespace

void GUI_RestaurantChooser::Create(SIM_RestaurantInstance* outing) {
  GAssert(outing != nullptr, __FILE__, __LINE__);
  if (!outing) return;
  Close();
  new GUI_RestaurantChooser(outing);
}

void GUI_RestaurantChooser::Close() {
  SIM_StandInLog::Record("GUI_RestaurantChooser::Close");  // the day turn's order, for its test
  GUI_RestaurantChooser* window = PTheWindow;
  PTheWindow = nullptr;
  delete window;
}

void GUI_RestaurantChooser::NextRestaurant(int) {
  GUI_RestaurantChooser* chooser = PTheWindow;
  if (!chooser) return;
  const std::list<SIM_Restaurant*>& list = chooser->m_outing->GetRestaurants();
  if (list.empty() || chooser->m_position == list.end()) return;
  auto next = std::next(chooser->m_position);
  if (next == list.end()) return;
  chooser->m_position = next;
  chooser->m_current = *next;
  chooser->LogShown();
}

void GUI_RestaurantChooser::PrevRestaurant(int) {
  GUI_RestaurantChooser* chooser = PTheWindow;
  if (!chooser) return;
  const std::list<SIM_Restaurant*>& list = chooser->m_outing->GetRestaurants();
  if (list.empty() || chooser->m_position == list.begin()) return;
  --chooser->m_position;
  chooser->m_current = *chooser->m_position;
  chooser->LogShown();
}

void GUI_RestaurantChooser::BookATable(int) {
  GUI_RestaurantChooser* chooser = PTheWindow;
  // With nothing on offer there is no waiter to ask.
  if (!chooser || !chooser->m_current) return;
  GUI_WaiterDialog::Create(chooser->m_outing, chooser->m_current);
}

GUI_RestaurantChooser::GUI_RestaurantChooser(SIM_RestaurantInstance* outing) : GUI_Dialog(true) {
  GWarning("GUI_RestaurantChooser::GUI_RestaurantChooser() begins", __FILE__, __LINE__);
  GAssert(outing != nullptr, __FILE__, __LINE__);
  m_outing = outing;
  PTheWindow = this;
  SetTitle(GTranslation::GetString("RESTAURANT_CHOOSE_TITLE"));

  SetSize(kRestaurantChooserWidth, kRestaurantChooserHeight);
  PlaceCentral();
  m_menuCost = GTranslation::GetString("MENU_COST");
  m_insufficientCash = GTranslation::GetString("INSUFFICIENT_CASH");
  m_bookTable = GTranslation::GetString("RESTAURANT_BOOKTABLE");
  m_noRestaurant = GTranslation::GetString("RESTAURANT_NONE");
  UpdateClientArea();

  const RECT& client = GetClientArea();
  const float left = (float)client.left;
  const float top = (float)client.top;
  const float right = (float)client.right;
  const float bottom = (float)client.bottom;

  m_nextButton = new GUI_IconButton("smallbuttons.dds", NextRestaurant, 0);
  m_nextButton->SetHighlightTexture("smallbuttons.dds");
  m_nextButton->SetCells(16, 2, 3);
  m_nextButton->SetPosition((float)rect.right - 62.0f, top + 19.0f, (float)rect.right - 29.0f, top + 51.0f);
  AddButton(m_nextButton);

  m_prevButton = new GUI_IconButton("smallbuttons.dds", PrevRestaurant, 0);
  m_prevButton->SetHighlightTexture("smallbuttons.dds");
  m_prevButton->SetCells(16, 0, 1);
  m_prevButton->SetPosition((float)rect.left + 29.0f, top + 19.0f, (float)rect.left + 62.0f, top + 51.0f);
  AddButton(m_prevButton);

  m_bookButton = new GUI_ButtonText("RESTAURANT_BOOKTABLE", BookATable, 0);
  m_bookButton->SetPosition(left + 20.0f, bottom - 44.0f, right - 20.0f, bottom - 20.0f);
  m_bookButton->SetTooltip("RESTAURANT_BOOKTABLE_TOOLTIP", 30);
  AddButton(m_bookButton);

  const std::list<SIM_Restaurant*>& list = m_outing->GetRestaurants();
  m_position = list.begin();
  m_current = list.empty() ? nullptr : list.front();
  if (!m_current) {
    // Nothing serves this evening: say so and offer nothing to book.
    m_prevButton->SetEnabled(false);
    m_nextButton->SetEnabled(false);
    m_bookButton->SetEnabled(false);
  }
  LogShown();
  GWarning("GUI_RestaurantChooser::GUI_RestaurantChooser() ends", __FILE__, __LINE__);
}

GUI_RestaurantChooser::~GUI_RestaurantChooser() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_RestaurantChooser::LogShown() const {
  GetDebug()->DebugOut(
      GFormat("Restaurant chooser: %s", m_current ? m_current->GetGUIName().c_str() : "no restaurant").c_str());
}

void GUI_RestaurantChooser::UpdateScrollButtonStatus() {
  const std::list<SIM_Restaurant*>& list = m_outing->GetRestaurants();
  if (list.empty()) return;
  m_prevButton->SetEnabled(m_position != list.begin());
  m_nextButton->SetEnabled(m_position != list.end() && std::next(m_position) != list.end());
}

void GUI_RestaurantChooser::UpdateBookButton() {
  if (!m_current) return;
  if (m_current->GetMinCost() > SIM_GetFinances()->GetCash()) {
    m_bookButton->SetText(m_insufficientCash);
    m_bookButton->SetEnabled(false);
  } else {
    m_bookButton->SetText(m_bookTable);
    m_bookButton->SetEnabled(true);
  }
}

std::string GUI_RestaurantChooser::GetPriceLine() const {
  if (!m_current) return "";
  char line[256];
  std::snprintf(line, sizeof line, "%s %s%.0f-%.0f", m_menuCost.c_str(), GetGame()->GetCurrency(),
                (double)m_current->GetMinCost(), (double)m_current->GetMaxCost());
  return line;
}

void GUI_RestaurantChooser::Draw() {
  UpdateScrollButtonStatus();
  UpdateBookButton();
  GUI_Dialog::Draw();

  const RECT& client = GetClientArea();
  const float left = (float)client.left;
  const float top = (float)client.top;
  const float bottom = (float)client.bottom;
  const float clientWidth = (float)(client.right - client.left);
  LibTextEngine* text = GetTextEngine();
  if (m_current) {
    text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
    text->AddQueueString(m_current->GetGUIName(), left, top + 32.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
    text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
    text->AddWrappedString(m_current->GetDescription(), left + 40.0f, top + 70.0f, clientWidth - 80.0f, kBlack);
    text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
    text->AddQueueString(GetPriceLine(), left, bottom - 70.0f, kBlack, clientWidth, LibTextEngine::ALIGN_CENTER);
  } else {
    text->SetCurrentFont("calibriblackbold22.dds", 22.0f);
    text->AddWrappedString(m_noRestaurant, left + 40.0f, top + 70.0f, clientWidth - 80.0f, kBlack);
  }
  text->ProcessTextQueue(-1);
}
