#include "GUI_AssetEffect.h"

#include <cstdio>

#include "GUI_AssetEffects.h"
#include "GUI_ChangeNotifier.h"
#include "LibTextEngine.h"

GUI_AssetEffect::GUI_AssetEffect(float amount, bool bad, const std::string& label) : m_label(label), m_bad(bad) {
  m_marker.SetTexture(bad ? "indicator_change_red.dds" : "indicator_change_green.dds");
  const float side = GUI_AssetEffects::EFFECTICONHEIGHT + 4.0f;
  m_marker.SetSize(side, side);
  char text[256];
  const int points = GUI_ChangeNotifier::WholePoints(100.0f * amount);
  if (amount > 0.0f) {
    std::snprintf(text, sizeof text, "+%d", points);
  } else {
    std::snprintf(text, sizeof text, "%d", points);
  }
  m_amountText = text;
}

void GUI_AssetEffect::Draw() {
  const float cx = (float)rect.right - 16.0f;
  const float cy = GetCenterY();
  m_marker.PlaceLocal(cx, cy);
  m_marker.Draw();
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(m_label, (float)rect.left, cy - 10.0f, 0xFF000000u, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_amountText, cx - 32.0f, cy - 11.0f, 0xFFFFFFFFu, 64.0f, LibTextEngine::ALIGN_CENTER);
}
