#include "GUI_AttributeGraphButton.h"

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_AttributeGraphLine.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"

GUI_AttributeGraphButton::GUI_AttributeGraphButton(GUI_AttributeGraphLine* line) : m_line(line) {
  GAssert(line != nullptr, __FILE__, __LINE__);
  SetRect(&m_swatch, 0, 0, 0, 0);
  SIM_Attribute* attribute = line ? line->GetAttribute() : nullptr;
  if (attribute) {
    SIM_Attribute::GraphColor c = attribute->GetGraphColor();
    m_colour = LibColor(c.r, c.g, c.b, c.a);
    m_name = attribute->GetGUIName();
  }
  m_on = attribute && attribute->GetName() == "happiness";
}

bool GUI_AttributeGraphButton::CheckClick(float x, float y) {
  if (!PtInside(x, y)) return false;
  m_on = !m_on;
  if (m_line) m_line->SetVisible(m_on);
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  return true;
}

void GUI_AttributeGraphButton::Draw() {
  const float opacity = m_on ? 1.0f : 0.5f;
  const uint32_t textAlpha = m_on ? 255u : 64u;
  const GUI_WindowBackground::Preset preset =
      MouseInside() ? GUI_WindowBackground::PRESET_FRAME : GUI_WindowBackground::PRESET_CLIENT;
  GUI_WindowBackground::DrawTiled(rect, preset, 14.0f, opacity);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime16.dds", 16.0f);
  text->AddQueueString(m_name, (float)rect.left + 8.0f, (float)rect.top + 2.0f, textAlpha << 24, 0.0f,
                       LibTextEngine::ALIGN_LEFT);

  const float cy = GetCenterY();
  SetRect(&m_swatch, rect.right - 24, (int)(cy - 8.0f), rect.right - 8, (int)(cy + 8.0f));
  const uint32_t alpha = m_on ? 0xFFu : 0x40u;
  const uint32_t colour = (uint32_t)(m_colour.r & 0xFF) | ((uint32_t)(m_colour.g & 0xFF) << 8) |
                          ((uint32_t)(m_colour.b & 0xFF) << 16) | (alpha << 24);
  D3DEngine* engine = GetD3DEngine();
  engine->FillRect(&m_swatch, colour);
  engine->FrameRect(&m_swatch, alpha << 24);
}
