#pragma once
// One row of an asset's effects list: the value's name and a marker with the change.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_AssetEffect : public GUI_WindowBase {
 public:
  GUI_AssetEffect(float amount, bool bad, const std::string& label);

  void Draw() override;

  const std::string& GetLabel() const { return m_label; }
  const std::string& GetAmountText() const { return m_amountText; }
  bool IsBad() const { return m_bad; }

 private:
  CTexturedSprite m_marker;
  std::string m_label;
  std::string m_amountText;
  bool m_bad;
};
