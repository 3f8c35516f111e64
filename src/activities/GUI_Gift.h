#pragma once
// A gift the player holds: given to the partner, or sold again. Without a partner it can only be
// sold. Modal.
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_ButtonText;
class GUI_NPCPortrait;
class SIM_Asset;

class GUI_Gift : public GUI_Dialog {
 public:
  static void Create(SIM_Asset* gift);
  static void Close();
  static void Sell(int);
  static void Give(int);

  explicit GUI_Gift(SIM_Asset* gift);
  ~GUI_Gift() override;

  void Draw() override;

  SIM_Asset* GetGift() const { return m_gift; }
  const std::string& GetText() const { return m_text; }
  GUI_ButtonText* GetGiveButton() const { return m_giveButton; }
  GUI_ButtonText* GetSellButton() const { return m_sellButton; }
  GUI_NPCPortrait* GetPortrait() const { return m_portrait; }

  static GUI_Gift* PTheWindow;

 private:
  SIM_Asset* m_gift;
  BaseSprite m_picture;
  BaseSprite m_mystery;
  GUI_NPCPortrait* m_portrait = nullptr;  // a child window, or null without a partner
  std::string m_text;
  GUI_ButtonText* m_sellButton = nullptr;  // in the button list
  GUI_ButtonText* m_giveButton = nullptr;
};
