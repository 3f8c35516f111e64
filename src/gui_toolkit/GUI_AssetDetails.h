#pragma once
// The details of one asset, opened by a click on its icon: picture, description, daily cost (a
// service) or second-hand value (a possession), the effects owning it has on the player, and the
// actions that apply: cancel a service or sell a possession, and use it. Modal; at most one open.
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_AssetEffects;
class GUI_ButtonText;
class SIM_Asset;

class GUI_AssetDetails : public GUI_Dialog {
 public:
  static void Create(SIM_Asset* asset);
  static void Close();
  static void Sell(int);  // the cancel-service / sell button
  static void Use(int);   // the use button: only in the evening

  explicit GUI_AssetDetails(SIM_Asset* asset);
  ~GUI_AssetDetails() override;

  void Draw() override;

  SIM_Asset* GetAsset() const { return m_asset; }
  GUI_ButtonText* GetSellButton() const { return m_sellButton; }
  GUI_ButtonText* GetUseButton() const { return m_useButton; }
  GUI_AssetEffects* GetEffects() const { return m_effects; }
  // The line of money under the description ("" for an asset that is neither).
  std::string GetMoneyLine() const;

  static GUI_AssetDetails* PTheWindow;

 private:
  GUI_ButtonText* m_sellButton = nullptr;  // in the button list, or null
  GUI_ButtonText* m_useButton = nullptr;   // in the button list, or null
  SIM_Asset* m_asset;
  BaseSprite m_picture;
  std::string m_dailyCostLabel;
  std::string m_secondHandLabel;
  bool m_usableToday = false;
  GUI_AssetEffects* m_effects = nullptr;  // a child window
};
