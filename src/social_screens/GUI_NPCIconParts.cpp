#include "GUI_NPCIconParts.h"

#include <algorithm>

#include "CInput.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_RomanceSummary.h"
#include "GUI_Tooltip.h"
#include "GUI_Tutorial.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"

GUI_SpriteList GUI_NPCStatusBar::BackgroundList;
GUI_SpriteList GUI_NPCStatusBar::FillList;

namespace {

constexpr int kIconTooltipDelay = 40;
constexpr float kMarkerSize = 22.0f;
constexpr float kHoveredHeartSize = 28.0f;

// The tooltip of a small marker: under it, and pinged while the mouse rests on it.
void HoverTooltip(GUI_BaseElement* element, GUI_Tooltip* tooltip) {
  tooltip->SetPosition(element->GetCenterX() - tooltip->GetWidth() / 2.0f, (float)element->rect.bottom);
  CInput* input = GetInput();
  if (!input->IsMouseMovesEaten() && element->PtInside(input->mouseX, input->mouseY)) tooltip->Ping();
}

}  // namespace

// ---- Friendship bar ----------------------------------------------------------------------------

GUI_NPCStatusBar::GUI_NPCStatusBar(SIM_NPC* npc)
    : m_npc(npc), m_tooltip(new GUI_Tooltip(GTranslation::GetString("NPCSTATUSBAR_TOOLTIP"), kIconTooltipDelay)) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  m_background.SetTexture("status_bar.dds");
  m_fill.SetTexture("status_bar_fill.dds");
}

GUI_NPCStatusBar::~GUI_NPCStatusBar() { delete m_tooltip; }

void GUI_NPCStatusBar::Draw() {
  if (!m_npc) return;
  const SIM_Relationship* link = m_npc->GetRelationship(SIM_GetVede());
  GAssert(link != nullptr, __FILE__, __LINE__);
  const float s = link ? std::clamp(link->GetStrength(), 0.0f, 1.0f) : 0.0f;
  const float w = GetWidth();
  const float h = GetHeight();
  m_background.SetSize(w, h);
  m_background.PlaceLocal(GetCenterX(), GetCenterY());
  // The fill shows the lower part of its texture and grows up from the bar's bottom.
  m_fill.SetSize(w, h * s);
  m_fill.SetUV(0.0f, 1.0f - s, 1.0f, 1.0f);
  m_fill.PlaceLocal(GetCenterX(), (float)rect.bottom - h * s / 2.0f);
  BackgroundList.Add(&m_background);
  FillList.Add(&m_fill);
  HoverTooltip(this, m_tooltip);
  m_tooltip->Draw();
}

void GUI_NPCStatusBar::DrawAll() {
  BackgroundList.Draw();
  FillList.Draw();
}

// ---- Snub marker -------------------------------------------------------------------------------

GUI_NPCSnubIcon::GUI_NPCSnubIcon() : m_tooltip(new GUI_Tooltip("", kIconTooltipDelay)) {
  m_sprite.SetTexture("snubbed_icon.dds");
  m_sprite.SetSize(kMarkerSize, kMarkerSize);
}

GUI_NPCSnubIcon::~GUI_NPCSnubIcon() { delete m_tooltip; }

void GUI_NPCSnubIcon::Draw() {
  m_sprite.PlaceLocal(GetCenterX(), GetCenterY());
  m_sprite.Draw();
  m_tooltip->SetPosition(GetCenterX() - m_tooltip->GetWidth() / 2.0f, (float)rect.bottom);
  m_tooltip->Draw();
}

void GUI_NPCSnubIcon::ProcessInput() {
  CInput* input = GetInput();
  if (input->IsMouseMovesEaten() || !PtInside(input->mouseX, input->mouseY)) return;
  m_tooltip->Ping();
  input->EatMouseMoves(nullptr);
}

void GUI_NPCSnubIcon::Refresh(const std::string& name, const std::string& activity) {
  std::string text = GTranslation::GetString("SNUBICON_TOOLTIP");
  for (const auto& [token, value] : {std::pair<std::string, std::string>("<NAME>", name), {"<ACTIVITY>", activity}}) {
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
      text.replace(at, token.size(), value);
  }
  m_tooltip->SetText(text);
}

// ---- Heart -------------------------------------------------------------------------------------

GUI_LoveIcon::GUI_LoveIcon() : GUI_ButtonBase(nullptr, 0) {
  m_sprite.SetTexture("heart.dds");
  m_sprite.SetSize(kMarkerSize, kMarkerSize);
  SetTooltip("ROMANCE_ICON_TOOLTIP", kIconTooltipDelay);
}

void GUI_LoveIcon::Draw() {
  const bool hovered = MouseInside();
  const float size = hovered ? kHoveredHeartSize : kMarkerSize;
  m_sprite.SetSize(size, size);
  m_sprite.PlaceLocal(GetCenterX(), GetCenterY());
  m_sprite.Draw();
  if (m_tooltip) {
    if (hovered && !GetInput()->IsMouseMovesEaten()) m_tooltip->Ping();
    m_tooltip->Draw();
  }
}

void GUI_LoveIcon::Click() {
  GUI_Tutorial::ClickedNotify(this);
  GUI_RomanceSummary::Create();
}
