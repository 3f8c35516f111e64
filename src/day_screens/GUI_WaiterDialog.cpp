#include "GUI_WaiterDialog.h"

#include "GDebug.h"
#include "GUI_ButtonText.h"
#include "GUI_Colours.h"
#include "GUI_RestaurantChooser.h"
#include "LibTextEngine.h"
#include "SIM_Restaurant.h"
#include "SIM_RestaurantInstance.h"
#include "SIM_Script.h"

GUI_WaiterDialog* GUI_WaiterDialog::PTheWindow = nullptr;

void GUI_WaiterDialog::Create(SIM_RestaurantInstance* outing, SIM_Restaurant* restaurant) {
  GAssert(outing != nullptr, __FILE__, __LINE__);
  if (!outing || !restaurant) {
    GAssert(restaurant != nullptr, __FILE__, __LINE__);
    return;
  }
  GUI_WaiterDialog* old = PTheWindow;
  PTheWindow = nullptr;
  delete old;
  new GUI_WaiterDialog(outing, restaurant);
}

void GUI_WaiterDialog::OK(int) {
  GUI_WaiterDialog* waiter = PTheWindow;
  if (!waiter) return;
  SIM_RestaurantInstance* outing = waiter->m_outing;
  SIM_Restaurant* restaurant = waiter->m_restaurant;
  if (restaurant->HasFreeTable()) {
    GetDebug()->DebugOut(GFormat("Waiter: a table at %s", restaurant->GetGUIName().c_str()).c_str());
    GUI_RestaurantChooser::Close();
    // Opening the menu closes every dialog, this one among them.
    outing->AcceptTable(restaurant);
  } else {
    GetDebug()->DebugOut(GFormat("Waiter: no table at %s", restaurant->GetGUIName().c_str()).c_str());
    SIM_GetScript()->RunScript("restaurant_turned_away.txt", 1.0f);
  }
  waiter = PTheWindow;
  PTheWindow = nullptr;
  delete waiter;
}

GUI_WaiterDialog::GUI_WaiterDialog(SIM_RestaurantInstance* outing, SIM_Restaurant* restaurant) : GUI_Dialog(false) {
  GetDebug()->DebugOut("GUI_WaiterDialog::GUI_WaiterDialog() begins");
  PTheWindow = this;
  GAssert(outing != nullptr, __FILE__, __LINE__);
  GAssert(restaurant != nullptr, __FILE__, __LINE__);
  m_outing = outing;
  m_restaurant = restaurant;

  SetSize(400.0f, 250.0f);
  PlaceCentral();
  UpdateClientArea();
  SetModal(true);
  SetTitle(restaurant->GetGUIName());

  const RECT& client = GetClientArea();
  m_okButton = new GUI_ButtonText("RESTAURANT_WAITER_OK", OK, 0);
  m_okButton->SetPosition((float)client.left + 20.0f, (float)client.bottom - 44.0f, (float)client.right - 20.0f,
                          (float)client.bottom - 20.0f);
  if (restaurant->HasFreeTable()) m_okButton->SetFadeFirst();
  AddButton(m_okButton);

  m_comment = restaurant->GetWaitersComment();
  GetDebug()->DebugOut("GUI_WaiterDialog::GUI_WaiterDialog() ends");
}

GUI_WaiterDialog::~GUI_WaiterDialog() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_WaiterDialog::Draw() {
  GUI_Dialog::Draw();
  const RECT& client = GetClientArea();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_comment, (float)client.left + 20.0f, (float)client.top + 20.0f,
                         (float)(client.right - client.left) - 40.0f, kBlack);
  text->ProcessTextQueue(-1);
}
