#pragma once
// The dialog in which the player, hosting a restaurant evening, steps through the restaurants that
// serve it one at a time (name, description, price per head) and asks one for a table. Closing it
// without a table leaves the evening free.
#include <list>
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Restaurant;
class SIM_RestaurantInstance;

class GUI_RestaurantChooser : public GUI_Dialog {
 public:
  static void Create(SIM_RestaurantInstance* outing);
  static void Close();
  static void NextRestaurant(int);
  static void PrevRestaurant(int);
  static void BookATable(int);

  explicit GUI_RestaurantChooser(SIM_RestaurantInstance* outing);
  ~GUI_RestaurantChooser() override;

  void UpdateScrollButtonStatus();
  void Draw() override;

  SIM_Restaurant* GetCurrent() const { return m_current; }
  GUI_IconButton* GetNextButton() const { return m_nextButton; }
  GUI_IconButton* GetPrevButton() const { return m_prevButton; }
  GUI_ButtonText* GetBookButton() const { return m_bookButton; }
  // "<MENU_COST> <currency><min>-<max>", each rounded to a whole number.
  std::string GetPriceLine() const;

  static GUI_RestaurantChooser* PTheWindow;

 private:
  void UpdateBookButton();
  void LogShown() const;  // the restaurant in view, for the debug log

  std::list<SIM_Restaurant*>::const_iterator m_position;
  SIM_Restaurant* m_current = nullptr;
  GUI_IconButton* m_nextButton = nullptr;  // in the button list
  GUI_IconButton* m_prevButton = nullptr;  // in the button list
  GUI_ButtonText* m_bookButton = nullptr;  // in the button list
  SIM_RestaurantInstance* m_outing = nullptr;  // not owned
  std::string m_menuCost;
  std::string m_insufficientCash;
  std::string m_bookTable;
  std::string m_noRestaurant;
};
