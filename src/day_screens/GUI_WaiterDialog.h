#pragma once
// The waiter's answer to a request for a table: a modal note with one button. With a table free
// the button leads, through a fade, into the restaurant's menu; a full restaurant turns the player
// away and leaves the chooser open to try another.
#include <string>

#include "GUI_Dialog.h"

class GUI_ButtonText;
class SIM_Restaurant;
class SIM_RestaurantInstance;

class GUI_WaiterDialog : public GUI_Dialog {
 public:
  static void Create(SIM_RestaurantInstance* outing, SIM_Restaurant* restaurant);
  static void OK(int);

  GUI_WaiterDialog(SIM_RestaurantInstance* outing, SIM_Restaurant* restaurant);
  ~GUI_WaiterDialog() override;

  void Draw() override;

  GUI_ButtonText* GetOKButton() const { return m_okButton; }
  const std::string& GetComment() const { return m_comment; }

  static GUI_WaiterDialog* PTheWindow;

 private:
  GUI_ButtonText* m_okButton = nullptr;  // in the button list
  std::string m_comment;
  SIM_RestaurantInstance* m_outing = nullptr;  // not owned
  SIM_Restaurant* m_restaurant = nullptr;      // not owned
};
