#include "GUI_MenuItemEffect.h"

#include <cstdio>

#include "CInput.h"
#include "GDebug.h"
#include "GUI_RestaurantInstance.h"
#include "GUI_Tooltip.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_Modifier.h"

namespace {

constexpr float kEffectIconSize = 54.0f;

struct FoodIconCell {
  const char* attribute;
  float left, top, right, bottom;
};

// Boredom has only the top half of its cell: the picture there is drawn squashed to fit.
constexpr FoodIconCell kEffectCells[] = {
    {"happiness", 0.0f, 0.5f, 0.25f, 1.0f}, {"health", 0.25f, 0.0f, 0.5f, 0.5f},
    {"boredom", 0.0f, 0.0f, 0.25f, 0.25f},  {"weight", 0.5f, 0.0f, 0.75f, 0.5f},
    {"alcohol", 0.75f, 0.0f, 1.0f, 0.5f},   {"relaxation", 0.25f, 0.5f, 0.5f, 1.0f},
};

}  // namespace

bool GUI_MenuItemEffect::SetIconCell(CTexturedSprite& sprite, const std::string& attribute) {
  for (const FoodIconCell& cell : kEffectCells) {
    if (attribute == cell.attribute) {
      sprite.SetUV(cell.left, cell.top, cell.right, cell.bottom);
      return true;
    }
  }
  return false;
}

GUI_MenuItemEffect::GUI_MenuItemEffect(SIM_Modifier* modifier, const std::string& origin) {
  GAssert(modifier != nullptr, __FILE__, __LINE__);
  m_icon.SetTexture("food_icons.dds");
  m_icon.SetSize(kEffectIconSize, kEffectIconSize);
  m_icon.SetVertexColor(255, 255, 255, 128);
  if (!modifier) return;

  m_amount = modifier->GetValue();
  SIM_Attribute* attribute = nullptr;
  if (modifier->GetName() == "stress") {
    // Stress has no icon of its own: less stress is shown as more relaxation.
    SIM_Attribute* stress = SIM_Attribute::GetAttribute("stress");
    attribute = stress ? stress->GetOpposite() : nullptr;
    m_amount = -m_amount;
  } else {
    attribute = SIM_Attribute::GetAttribute(modifier->GetName());
  }
  GAssert(attribute != nullptr, __FILE__, __LINE__);

  const bool highIsGood = attribute ? attribute->IsHighGood() : true;
  const bool bad = (highIsGood && m_amount < 0.0f) || (!highIsGood && m_amount > 0.0f);
  m_colour = bad ? kBadColour : kGoodColour;

  char text[64];
  std::snprintf(text, sizeof text, m_amount > 0.0f ? "+%.0f" : "%.0f", (double)(100.0f * m_amount));
  m_amountText = text;

  // Listed with the sheet's first cell; said once per dish row and value, not at every menu.
  if (attribute && !SetIconCell(m_icon, attribute->GetName())) {
    const std::string where = origin.empty() ? std::string() : origin + ": ";
    GErrorOnce(origin + ":" + attribute->GetName(),
               GFormat("%sUnknown food effect \"%s\"", where.c_str(), attribute->GetName().c_str()).c_str(), __FILE__,
               __LINE__);
  }
  m_tooltip = new GUI_Tooltip(attribute ? attribute->GetGUIName() : modifier->GetName(), 30);
}

GUI_MenuItemEffect::~GUI_MenuItemEffect() { delete m_tooltip; }

void GUI_MenuItemEffect::ProcessInput() {
  if (m_tooltip && MouseInside()) m_tooltip->Ping();
}

void GUI_MenuItemEffect::Draw() {
  m_icon.PlaceLocal((float)rect.left + 27.0f, GetCenterY());
  GUI_RestaurantInstance::SpriteList.AddSprite(&m_icon);
  // The numbers go into the menu's cached list of names and prices (set by the item).
  GetTextEngine()->AddQueueString(m_amountText, m_icon.Right(), m_icon.GetCenterY() - 10.0f, m_colour, 0.0f,
                                  LibTextEngine::ALIGN_LEFT);
  if (m_tooltip) {
    m_tooltip->SetPosition((float)rect.left, (float)rect.bottom);
    m_tooltip->Draw();
  }
}
