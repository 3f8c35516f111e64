#include "GUI_ShoppingScreen.h"

#include <cstdio>

#include "ActivityHooks.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Assets.h"
#include "GUI_Backdrop.h"
#include "GUI_ButtonText.h"
#include "GUI_Cash.h"
#include "GUI_Colours.h"
#include "GUI_GUI.h"
#include "GUI_HintHelp.h"
#include "GUI_IconButton.h"
#include "GUI_MenuBase.h"
#include "GUI_ScreenFader.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"

GUI_ShoppingScreen* GUI_ShoppingScreen::PTheWindow = nullptr;
std::list<GUI_ShoppingItem*> GUI_ShoppingItem::All;

void SIM_HookShopping() { GUI_ShoppingScreen::Create(); }

namespace {

// Where each department's lettering is drawn on the shop's picture.
struct ShopLabelLayout {
  const char* texture;
  float width, height;
  float textureWidth, textureHeight;
  float top;
  std::vector<V2> hotSpots;
};

const ShopLabelLayout& ShopLabel(SHOPPINGTAB tab) {
  static const ShopLabelLayout layouts[] = {
      {"shopping_general.dds", 335, 174, 512, 256, 223,
       {{87, 265}, {115, 279}, {143, 290}, {170, 298}, {191, 307}, {218, 316}, {241, 324}, {276, 337}}},
      {"shopping_pets.dds", 248, 171, 256, 256, 317, {{94, 372}, {115, 387}, {137, 400}, {158, 410}, {182, 426}, {197, 432}}},
      {"shopping_books.dds", 342, 95, 512, 128, 543, {{117, 587}, {148, 587}, {179, 586}, {202, 585}, {232, 584}, {274, 583}}},
      {"shopping_music.dds", 275, 137, 512, 256, 432, {{77, 470}, {122, 486}, {148, 493}, {167, 501}, {223, 513}}},
  };
  return layouts[tab];
}

constexpr float kOfferLeft = 493.0f;
constexpr float kOfferRight = 1010.0f;
constexpr float kOfferTop = 163.0f;
constexpr float kOfferStep = 110.0f;
constexpr float kOfferHeight = 106.0f;
constexpr float kOfferIcon = 90.0f;

}  // namespace

// ---------------------------------------------------------------------------------------------
// The shop

void GUI_ShoppingScreen::Create() {
  Close();
  new GUI_ShoppingScreen();  // the window manager owns it
}

void GUI_ShoppingScreen::Close(int) {
  GUI_ShoppingScreen* shop = PTheWindow;
  PTheWindow = nullptr;
  delete shop;
}

void GUI_ShoppingScreen::ScrollLeft(int) {
  GUI_ShoppingScreen* shop = PTheWindow;
  if (!shop || shop->m_page <= 0) return;
  --shop->m_page;
  shop->PopulateStore();
}

void GUI_ShoppingScreen::ScrollRight(int) {
  GUI_ShoppingScreen* shop = PTheWindow;
  if (!shop || !shop->HasNextPage()) return;
  ++shop->m_page;
  shop->PopulateStore();
}

GUI_ShoppingScreen::GUI_ShoppingScreen() {
  PTheWindow = this;
  MakeFullScreenWindow();
  m_page = 0;
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  GUI_MenuBase::SizeStrip(m_strip);
  m_background.SetTexture("shoppingscreen.dds");
  m_background.SetSize(1024.0f, 720.0f);
  m_background.SetUV(0.0f, 0.0f, 1.0f, 720.0f / 1024.0f);
  m_background.PlaceLocal(512.0f, H - 400.0f);

  m_close = new GUI_IconButton("bigbuttons.dds", Close, 0);
  m_close->SetHighlightTexture("bigbuttons.dds");
  m_close->SetCells(16, 6, 7);
  m_close->SetPosition(W - 78.0f, 701.0f, W - 10.0f, 769.0f);
  m_close->SetTooltip("TOOLTIP_AFTERWORK_CONTINUE", 30);
  m_close->SetFadeFirst();
  AddButton(m_close);

  m_scrollRight = new GUI_IconButton("smallbuttons.dds", ScrollRight, 0);
  m_scrollRight->SetHighlightTexture("smallbuttons.dds");
  m_scrollRight->SetCells(16, 2, 3);
  m_scrollRight->SetPosition(973.0f, 597.0f, 1005.0f, 629.0f);
  AddButton(m_scrollRight);
  m_scrollLeft = new GUI_IconButton("smallbuttons.dds", ScrollLeft, 0);
  m_scrollLeft->SetHighlightTexture("smallbuttons.dds");
  m_scrollLeft->SetCells(16, 0, 1);
  m_scrollLeft->SetPosition(519.0f, 597.0f, 551.0f, 629.0f);
  AddButton(m_scrollLeft);

  for (SHOPPINGTAB tab : {SHOPPINGTAB_GENERAL, SHOPPINGTAB_BOOKS, SHOPPINGTAB_MUSIC, SHOPPINGTAB_PETS}) {
    AddChild(new GUI_ShoppingLabelButton(tab));
  }
  SetCurrentTab(SHOPPINGTAB_GENERAL);

  GUI_HintHelp::Launch("shopping");
  GUI_GetGUI()->SetInputHandler(this);
  GUI_GetFader()->StartFade(GUI_ScreenFader::TYPE_FADEIN, nullptr, 0);
  GetDebug()->DebugOut("Shopping: the shop opens");
}

GUI_ShoppingScreen::~GUI_ShoppingScreen() {
  GetDebug()->DebugOut("Shopping: the shop closes");
  GUI_GetGUI()->SetInputHandler(nullptr);
  if (PTheWindow == this) PTheWindow = nullptr;
  // The offers are children: they go with the window, and leave All as they go.
  KillChildren();
}

void GUI_ShoppingScreen::SetCurrentTab(SHOPPINGTAB tab) {
  m_tab = tab;
  m_page = 0;
  PopulateStore();
}

void GUI_ShoppingScreen::PopulateStore() {
  GUI_ShoppingItem::ClearAll();
  m_offers.clear();
  for (SIM_Asset* asset : SIM_Asset::All) {
    if (asset->AvailableToBuy() && asset->GetMyTab() == m_tab) m_offers.push_back(asset);
  }
  const int first = m_page * kOffersPerPage;
  for (int i = first; i < first + kOffersPerPage && i < (int)m_offers.size(); ++i) {
    GUI_ShoppingItem* item = new GUI_ShoppingItem(m_offers[i], i);
    const float top = kOfferTop + kOfferStep * (float)(i - first);
    item->SetPosition(kOfferLeft, top, kOfferRight, top + kOfferHeight);
    AddChild(item);
  }
  GetDebug()->DebugOut(GFormat("Shopping: department %d page %d, %d offers", (int)m_tab, m_page, (int)m_offers.size()).c_str());
}

void GUI_ShoppingScreen::Draw() {
  GUI_GetBackdrop()->DrawWeatherBackdrop();
  m_background.Draw();
  m_strip.Draw();
  GUI_GetCash()->Draw();
  DrawChildren();
  m_scrollLeft->SetEnabled(m_page >= 1);
  m_scrollRight->SetEnabled(HasNextPage());
  DrawButtons();
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_ShoppingScreen::HandleKey(unsigned key) {
  switch (key) {
    case 53:  // Escape
      Close();
      return;
    case 123:  // left arrow
      GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
      ScrollLeft(0);
      return;
    case 124:  // right arrow
      GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
      ScrollRight(0);
      return;
    default:
      GUI_WindowBase::HandleKey(key);
  }
}

// ---------------------------------------------------------------------------------------------
// An offer

GUI_ShoppingItem::GUI_ShoppingItem(SIM_Asset* asset, int offer) : m_asset(asset) {
  GAssert(asset != nullptr, __FILE__, __LINE__);
  All.push_back(this);
  m_icon.SetSize(kOfferIcon, kOfferIcon);
  if (asset) m_icon.SetTexture(asset->GetTextureName());
  const char* currency = GetGame()->GetCurrency();
  const float price = asset ? asset->GetPurchaseCost() : 0.0f;
  const float daily = asset ? asset->GetDailyCost() : 0.0f;
  char text[256];
  if (daily > 0.0f) {
    snprintf(text, sizeof text, "%s %.2f + (%s %.2f/%s)", currency, (double)price, currency, (double)daily,
             GTranslation::GetString("DAY"));
  } else {
    snprintf(text, sizeof text, "%s %.2f", currency, (double)price);
  }
  m_priceText = text;
  m_buy = new GUI_ButtonText("HOOK_PURCHASE", Buy, offer);
  std::string label = GTranslation::GetString("HOOK_PURCHASE");
  GTranslation::ReplaceToken(label, "<PRICE>", m_priceText);
  m_buy->SetText(label);
  m_buy->SetTooltip("HOOK_SHOPPING_TOOLTIP", 30);
  AddButton(m_buy);
}

GUI_ShoppingItem::~GUI_ShoppingItem() { All.remove(this); }

void GUI_ShoppingItem::ClearAll() {
  while (!All.empty()) delete All.front();
}

void GUI_ShoppingItem::Buy(int offer) {
  GUI_ShoppingScreen* shop = GUI_ShoppingScreen::PTheWindow;
  if (!shop || offer < 0 || offer >= (int)shop->GetOffers().size()) return;
  // Rebuilding the offers deletes this button and its offer: nothing of either is used after.
  SIM_Asset* asset = shop->GetOffers()[offer];
  asset->Purchase();
  GetDebug()->DebugOut(GFormat("Shopping: bought %s", asset->GetName().c_str()).c_str());
  GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
  GUI_GetAssets()->Refresh();
  shop->PopulateStore();
}

void GUI_ShoppingItem::Draw() {
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  const float right = (float)rect.right;
  const float bottom = (float)rect.bottom;
  m_icon.PlaceLocal(left + kOfferIcon / 2.0f, top + kOfferIcon / 2.0f);
  m_icon.Draw();
  // A free offer can always be taken, even by a player in debt.
  m_buy->SetEnabled(true);
  const float price = m_asset ? m_asset->GetPurchaseCost() : 0.0f;
  if (price > 0.0f && price > SIM_GetFinances()->GetCash()) m_buy->SetEnabled(false);
  m_buy->SetPosition(right - 320.0f, bottom - 34.0f, right, bottom - 10.0f);
  DrawButtons();
  if (!m_asset) return;
  const float textLeft = left + kOfferIcon + 10.0f;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("courier_black_bold_20.dds", 20.0f);
  text->AddQueueString(m_asset->GetGUIName(), textLeft, top + 2.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->SetCurrentFont("courier_black_bold_20.dds", 16.0f);
  text->AddWrappedString(m_asset->GetDescription(), textLeft, top + 24.0f, right - textLeft - 10.0f, kBlack);
}

// ---------------------------------------------------------------------------------------------
// A department's label

GUI_ShoppingLabelButton::GUI_ShoppingLabelButton(SHOPPINGTAB tab) : m_tab(tab) {
  const ShopLabelLayout& layout = ShopLabel(tab);
  m_label.SetTexture(layout.texture);
  m_label.SetSize(layout.width, layout.height);
  m_label.SetUV(0.0f, 0.0f, layout.width / layout.textureWidth, layout.height / layout.textureHeight);
  SetPosition(0.0f, layout.top, layout.width, layout.top + layout.height);
  m_hotSpots = layout.hotSpots;
  SetCatchClicks(false);
  SetBringToTop(false);
}

GUI_ShoppingLabelButton::~GUI_ShoppingLabelButton() = default;

bool GUI_ShoppingLabelButton::IsPointInside(float x, float y) const {
  if (x < (float)rect.left || x >= (float)rect.right || y < (float)rect.top || y >= (float)rect.bottom) return false;
  for (const V2& spot : m_hotSpots) {
    const float dx = x - spot.x;
    const float dy = y - spot.y;
    if (dx * dx + dy * dy < kHotSpotRadius * kHotSpotRadius) return true;
  }
  return false;
}

bool GUI_ShoppingLabelButton::IsMouseInside() {
  CInput* input = GetInput();
  return IsPointInside(input->mouseX, input->mouseY);
}

bool GUI_ShoppingLabelButton::CheckClick(float, float) {
  if (!IsMouseInside()) return false;
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  if (GUI_ShoppingScreen::PTheWindow) GUI_ShoppingScreen::PTheWindow->SetCurrentTab(m_tab);
  return true;
}

void GUI_ShoppingLabelButton::Draw() {
  m_label.PlaceLocal((float)rect.left + m_label.width / 2.0f, (float)rect.top + m_label.height / 2.0f);
  const bool current = GUI_ShoppingScreen::PTheWindow && GUI_ShoppingScreen::PTheWindow->GetCurrentTab() == m_tab;
  if (current || IsMouseInside()) m_label.Draw();
}
