#include "GUI_RestaurantKey.h"

#include "D3DEngine.h"
#include "GUI_MenuItemEffect.h"
#include "GUI_RestaurantInstance.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"

namespace {
constexpr const char* kKeyAttributes[GUI_RestaurantKey::kEntries] = {"happiness", "alcohol", "weight", "health"};
constexpr float kKeyIconSize = 64.0f;
constexpr float kKeyLabelWidth = 200.0f;
constexpr uint32_t kKeyLabelColour = 0xC8000000u;
}  // namespace

GUI_RestaurantKey::GUI_RestaurantKey() {
  for (int i = 0; i < kEntries; ++i) {
    CTexturedSprite& icon = m_icons[(size_t)i];
    icon.SetTexture("food_icons.dds");
    icon.SetSize(kKeyIconSize, kKeyIconSize);
    icon.SetVertexColor(255, 255, 255, 128);
    GUI_MenuItemEffect::SetIconCell(icon, kKeyAttributes[i]);
    SIM_Attribute* attribute = SIM_Attribute::GetAttribute(kKeyAttributes[i]);
    m_labels[(size_t)i] = attribute ? attribute->GetGUIName() : kKeyAttributes[i];
  }
  SetEatMouseMoves(false);
  SetCatchClicks(false);
  SetBringToTop(false);
}

GUI_RestaurantKey::~GUI_RestaurantKey() = default;

void GUI_RestaurantKey::Initialise() {
  for (int i = 0; i < kEntries; ++i) m_icons[(size_t)i].PlaceLocal(76.0f * (float)(i + 1), D3DEngine::H - 40.0f);
}

void GUI_RestaurantKey::Draw() {
  for (CTexturedSprite& icon : m_icons) GUI_RestaurantInstance::SpriteList.AddSprite(&icon);
}

void GUI_RestaurantKey::DrawLabels() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold16.dds", 16.0f);
  const float y = m_icons[0].Bottom() - 15.0f;
  for (int i = 0; i < kEntries; ++i) {
    text->AddQueueString(m_labels[(size_t)i], m_icons[(size_t)i].GetCenterX() - kKeyLabelWidth / 2.0f, y,
                         kKeyLabelColour, kKeyLabelWidth, LibTextEngine::ALIGN_CENTER);
  }
}
