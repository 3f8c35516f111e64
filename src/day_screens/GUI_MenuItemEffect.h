#pragma once
// One effect of a dish on its menu line: the attribute's icon and the change in points, green when
// it does the player good. Stress is shown as relaxation, its sign turned, so every number on the
// menu reads "higher is the named thing".
#include <cstdint>
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_Tooltip;
class SIM_Modifier;

class GUI_MenuItemEffect : public GUI_WindowBase {
 public:
  static constexpr uint32_t kGoodColour = 0xFF209820u;  // the text engine's packing
  static constexpr uint32_t kBadColour = 0xFF2020C0u;

  // `origin`: "file:line" of the dish's row, for the report of an effect without an icon.
  explicit GUI_MenuItemEffect(SIM_Modifier* modifier, const std::string& origin = std::string());
  ~GUI_MenuItemEffect() override;
  GUI_MenuItemEffect(const GUI_MenuItemEffect&) = delete;
  GUI_MenuItemEffect& operator=(const GUI_MenuItemEffect&) = delete;

  void ProcessInput() override;
  void Draw() override;

  // Points "food_icons.dds"'s cell of the named attribute into the sprite; false for a name that
  // has no icon there.
  static bool SetIconCell(CTexturedSprite& sprite, const std::string& attribute);

  float GetAmount() const { return m_amount; }
  const std::string& GetAmountText() const { return m_amountText; }
  uint32_t GetColour() const { return m_colour; }
  const CTexturedSprite& GetIcon() const { return m_icon; }

 private:
  float m_amount = 0.0f;
  std::string m_amountText;
  CTexturedSprite m_icon;
  uint32_t m_colour = kBadColour;
  GUI_Tooltip* m_tooltip = nullptr;  // owned
};
