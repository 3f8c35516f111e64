#include "GUI_NPCTabs.h"

#include <algorithm>

#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_NPCPortrait.h"
#include "GUI_ValueBar.h"
#include "LibTextEngine.h"
#include "SIM_CharacterType.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"

namespace {
const char* const kTabFont = "anime14.dds";
constexpr float kTabFontSize = 14.0f;
constexpr float kBarWidth = 95.0f;
constexpr size_t kMaxTypeLine = 255;
}  // namespace

// ---- Summary -----------------------------------------------------------------------------------

GUI_NPCSummaryTab::GUI_NPCSummaryTab(SIM_NPC* npc)
    : m_npc(npc),
      m_strengthLabel(GTranslation::GetString("RELATIONSHIP_STRENGTH")),
      m_attractionLabel(GTranslation::GetString("ATTRACTIVENESS_STRENGTH")) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (npc) {
    // The first type is described in full; the others add their shorter second sentence.
    for (const SIM_CharacterType* type : npc->GetCharacterTypes()) {
      if (!type || type->GetName() == "neutral") continue;
      const std::string description = m_descriptions.empty() ? type->GetDescription() : type->GetDescription2();
      m_descriptions.push_back(npc->PersonaliseText(description));
      if (!m_typeLine.empty()) m_typeLine += ", ";
      m_typeLine += type->GetGUIName();
    }
    if (m_typeLine.size() > kMaxTypeLine) m_typeLine.resize(kMaxTypeLine);
    m_portrait = new GUI_NPCPortrait(npc);
  }
  m_friendshipBar = new GUI_ValueBar;
  m_compatibilityBar = new GUI_ValueBar;
  AddChild(m_friendshipBar);
  AddChild(m_compatibilityBar);
}

GUI_NPCSummaryTab::~GUI_NPCSummaryTab() { delete m_portrait; }

void GUI_NPCSummaryTab::SetPosition(float left, float top, float right, float bottom) {
  GUI_WindowTab::SetPosition(left, top, right, bottom);
  const float x = (float)rect.left + 120.0f;
  m_friendshipBar->SetPosition(x, (float)rect.top + 35.0f, x + kBarWidth, (float)rect.top + 43.0f);
  m_compatibilityBar->SetPosition(x, (float)rect.top + 64.0f, x + kBarWidth, (float)rect.top + 72.0f);
  if (m_portrait)
    m_portrait->SetPosition((float)rect.left + 20.0f, (float)rect.top + 20.0f, (float)rect.left + 105.0f,
                            (float)rect.top + 105.0f);
}

void GUI_NPCSummaryTab::Draw() {
  if (!IsVisible()) return;
  GUI_WindowTab::Draw();
  if (!m_npc) return;
  if (m_portrait) m_portrait->Draw();
  DrawInformation();
  DrawRelationship();
  DrawChildren();
}

void GUI_NPCSummaryTab::DrawInformation() {
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kTabFont, kTabFontSize);
  const uint32_t black = VBColor(0, 0, 0);
  const float portraitRight = m_portrait ? (float)m_portrait->rect.right : (float)rect.left + 105.0f;
  const float portraitBottom = m_portrait ? (float)m_portrait->rect.bottom : (float)rect.top + 105.0f;
  const float boxX = portraitRight + 10.0f;
  text->AddQueueString(m_typeLine, boxX, (float)rect.top + 84.0f, black, (float)rect.right - boxX - 20.0f,
                       LibTextEngine::ALIGN_CENTER);
  float y = portraitBottom;
  for (const std::string& description : m_descriptions)
    y = text->AddWrappedString(description, (float)rect.left + 20.0f, y, GetWidth() - 30.0f, black);
  text->ProcessTextQueue(-1);
}

void GUI_NPCSummaryTab::DrawRelationship() {
  const SIM_Relationship* link = m_npc->GetRelationship(SIM_GetVede());
  const float strength = link ? link->GetStrength() : 0.0f;
  m_friendshipBar->SetValue(std::clamp(strength, 0.0f, 1.0f), 1.0f, false);
  m_compatibilityBar->SetValue(std::clamp(m_npc->GetRomanticCompatibility(), 0.0f, 1.0f), 1.0f, false);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kTabFont, kTabFontSize);
  const float x = (float)rect.left + 120.0f;
  text->AddQueueString(m_strengthLabel, x, (float)rect.top + 14.0f, VBColor(0, 0, 0), 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_attractionLabel, x, (float)rect.top + 43.0f, VBColor(0, 0, 0), 0.0f,
                       LibTextEngine::ALIGN_LEFT);
  text->ProcessTextQueue(-1);
}

// ---- Interests ---------------------------------------------------------------------------------

GUI_NPCInterestTab::GUI_NPCInterestTab(SIM_NPC* npc)
    : m_npc(npc), m_unknown(GTranslation::GetString("INTEREST_UNKNOWN")) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  SetTooltip("NPC_INTERESTS_TOOLTIP", 60);
}

void GUI_NPCInterestTab::Draw() {
  if (!IsVisible()) return;
  GUI_WindowTab::Draw();
  if (!m_npc) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont(kTabFont, kTabFontSize);
  const float top = (float)rect.top + 24.0f;
  float x = (float)rect.left + 21.0f;
  float y = top;
  int row = 0;
  for (const SIM_Interest* interest : m_npc->GetInterests().GetInterests()) {
    const bool known = interest->IsVisible() && interest->GetType();
    text->AddQueueString(known ? interest->GetType()->GetGUIName() : m_unknown, x, y, VBColor(0, 0, 0), 0.0f,
                         LibTextEngine::ALIGN_LEFT);
    y += 18.0f;
    // After the fifth row the list goes on in a second column; later rows continue down it.
    if (++row == 5) {
      x += 157.0f;
      y = top;
    }
  }
  text->ProcessTextQueue(-1);
}
