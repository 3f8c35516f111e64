#pragma once
// The shop of an evening out shopping: the possessions and services that can be bought now, in
// four departments picked by their hand-drawn labels, four offers a page. The shop only buys;
// selling is done from a possession's own details window.
#include <list>
#include <string>
#include <vector>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"
#include "V2.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Asset;

enum SHOPPINGTAB { SHOPPINGTAB_GENERAL = 0, SHOPPINGTAB_PETS = 1, SHOPPINGTAB_BOOKS = 2, SHOPPINGTAB_MUSIC = 3 };

class GUI_ShoppingScreen : public GUI_WindowBase {
 public:
  static constexpr int kOffersPerPage = 4;

  static void Create();
  static void Close(int = 0);
  static void ScrollLeft(int);
  static void ScrollRight(int);

  GUI_ShoppingScreen();
  ~GUI_ShoppingScreen() override;

  void Draw() override;
  void HandleKey(unsigned key) override;

  void SetCurrentTab(SHOPPINGTAB tab);
  SHOPPINGTAB GetCurrentTab() const { return m_tab; }
  int GetPage() const { return m_page; }
  void PopulateStore();
  const std::vector<SIM_Asset*>& GetOffers() const { return m_offers; }
  GUI_IconButton* GetScrollLeftButton() const { return m_scrollLeft; }
  GUI_IconButton* GetScrollRightButton() const { return m_scrollRight; }

  static GUI_ShoppingScreen* PTheWindow;

 private:
  bool HasNextPage() const { return (int)m_offers.size() > m_page * kOffersPerPage + kOffersPerPage; }

  GUI_IconButton* m_scrollLeft = nullptr;   // in the button list, which owns it
  GUI_IconButton* m_scrollRight = nullptr;  // in the button list, which owns it
  CTexturedSprite m_strip;
  CTexturedSprite m_background;
  GUI_IconButton* m_close = nullptr;  // in the button list, which owns it
  SHOPPINGTAB m_tab = SHOPPINGTAB_GENERAL;
  int m_page = 0;
  std::vector<SIM_Asset*> m_offers;  // owned by SIM_Asset::All
};

// One offer of the current page: picture, name, description, price and a buy button.
class GUI_ShoppingItem : public GUI_WindowBase {
 public:
  // `offer` is the asset's place in the shop's offer list: the button's int carries it, never
  // the pointer.
  GUI_ShoppingItem(SIM_Asset* asset, int offer);
  ~GUI_ShoppingItem() override;

  static void Buy(int offer);
  static void ClearAll();
  void Draw() override;

  SIM_Asset* GetAsset() const { return m_asset; }
  const std::string& GetPriceText() const { return m_priceText; }
  GUI_ButtonText* GetBuyButton() const { return m_buy; }

  static std::list<GUI_ShoppingItem*> All;

 private:
  SIM_Asset* m_asset;
  CTexturedSprite m_icon;
  std::string m_priceText;
  GUI_ButtonText* m_buy = nullptr;  // in the button list, which owns it
};

// A department's label on the shop's picture: it lights up under the mouse and while chosen, and
// takes a click only near the drawn lettering, not anywhere in its rectangle.
class GUI_ShoppingLabelButton : public GUI_WindowBase {
 public:
  static constexpr float kHotSpotRadius = 34.0f;

  explicit GUI_ShoppingLabelButton(SHOPPINGTAB tab);
  ~GUI_ShoppingLabelButton() override;

  bool IsMouseInside();
  bool IsPointInside(float x, float y) const;
  bool CheckClick(float x, float y) override;
  void Draw() override;
  SHOPPINGTAB GetTab() const { return m_tab; }
  const std::vector<V2>& GetHotSpots() const { return m_hotSpots; }

 private:
  SHOPPINGTAB m_tab;
  CTexturedSprite m_label;
  std::vector<V2> m_hotSpots;
};
