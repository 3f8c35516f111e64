#include "GUI_PostMortemPanels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Colours.h"
#include "GUI_NPCPortrait.h"
#include "GUI_PostMortem.h"
#include "GUI_Tooltip.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_CharacterType.h"
#include "SIM_GlobalVariable.h"
#include "SIM_NPC.h"
#include "SIM_SocialiseEffect.h"

namespace {

constexpr uint32_t kLinkColour = 0xBEFFFFFFu;  // white at alpha 190
constexpr uint32_t kWhiteText = 0xFFFFFFFFu;
constexpr float kPortraitSize = 90.0f;
constexpr float kRowHeight = 30.0f;

SIM_NPC* AsNPC(SIM_Person* person) { return dynamic_cast<SIM_NPC*>(person); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// A guest's face

GUI_PostMortemIcon::GUI_PostMortemIcon(SIM_SocialiseEffect* effect) : GUI_ButtonBase(nullptr, 0), m_effect(effect) {
  GAssert(effect != nullptr, __FILE__, __LINE__);
  SIM_NPC* npc = effect ? AsNPC(effect->GetPerson()) : nullptr;
  if (npc) {
    m_portrait = new GUI_NPCPortrait(npc);
    SetRawTooltip(npc->GetFullName(), 30);
  }
}

GUI_PostMortemIcon::~GUI_PostMortemIcon() { delete m_portrait; }

void GUI_PostMortemIcon::LinkRects(const RECT& icon, RECT out[3]) {
  const int t = 8;
  const int cy = (icon.top + icon.bottom) / 2;
  const int r = icon.right;
  SetRect(&out[0], r - 10, cy - t / 2, r + 20, cy + t / 2);
  const RECT& a = out[0];
  if (a.top >= 500) {
    SetRect(&out[1], a.right, 500, a.right + t, a.bottom);
  } else {
    SetRect(&out[1], a.right, a.top, a.right + t, 500 + t);
  }
  SetRect(&out[2], out[1].right, 500, 146, 500 + t);
}

void GUI_PostMortemIcon::Draw() {
  GUI_ButtonBase::Draw();
  if (GUI_PostMortem::PTheWindow && GUI_PostMortem::PTheWindow->GetSelected() == m_effect) {
    RECT link[3];
    LinkRects(rect, link);
    for (const RECT& r : link) GetD3DEngine()->FillRect(&r, kLinkColour);
  }
  if (m_portrait) {
    m_portrait->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
    m_portrait->Draw();
  }
}

void GUI_PostMortemIcon::Click() {
  if (GUI_PostMortem::PTheWindow) GUI_PostMortem::PTheWindow->Select(m_effect);
}

// ---------------------------------------------------------------------------------------------
// How the friendship moved

float GUI_PostMortemEffectBar::SliderPosition(float change, float scalar) {
  if (scalar == 0.0f) return change > 0.0f ? 1.0f : (change < 0.0f ? 0.0f : 0.5f);
  return std::clamp(0.5f + change / scalar, 0.0f, 1.0f);
}

GUI_PostMortemEffectBar::GUI_PostMortemEffectBar(float change)
    : m_position(SliderPosition(change, SIM_GetGlobalVariables()->Get("GV_SOCIALISE_BOOST_SCALAR"))),
      m_caption(GTranslation::GetString("POSTMORTEM_EFFECTONRELATIONSHIP")),
      m_bad(GTranslation::GetString("POSTMORTEM_BAD")),
      m_good(GTranslation::GetString("POSTMORTEM_GOOD")) {
  m_slider.SetTexture("pmeffect_slider.dds");
  m_slider.SetSize(32.0f, 32.0f);
  m_slotLeft.SetTexture("pmeffect_slotleft.dds");
  m_slotLeft.SetSize(16.0f, 16.0f);
  m_slotRight.SetTexture("pmeffect_slotleft.dds");
  m_slotRight.SetSize(16.0f, 16.0f);
  m_slotRight.MirrorLeftRight();
  m_slotMiddle.SetTexture("pmeffect_slotmiddle.dds");
  m_bgLeft.SetTexture("pmeffect_bg.dds");
  m_bgLeft.SetSize(16.0f, 64.0f);
  m_bgLeft.SetUV(0.0f, 0.0f, 0.25f, 1.0f);
  m_bgRight.SetTexture("pmeffect_bg.dds");
  m_bgRight.SetSize(16.0f, 64.0f);
  m_bgRight.SetUV(0.75f, 0.0f, 1.0f, 1.0f);
  m_bgMiddle.SetTexture("pmeffect_bg.dds");
  m_bgMiddle.SetUV(0.25f, 0.0f, 0.5f, 1.0f);
  for (CTexturedSprite* piece : {&m_bgLeft, &m_bgRight, &m_bgMiddle}) piece->SetVertexColor(200, 200, 200, 255);
  for (CTexturedSprite* piece : {&m_slotLeft, &m_slotRight, &m_slotMiddle}) piece->SetVertexColor(105, 105, 105, 255);
}

void GUI_PostMortemEffectBar::Draw() {
  const float left = (float)rect.left;
  const float right = (float)rect.right;
  const float w = (float)width;
  const float cx = GetCenterX();
  const float yc = (float)rect.bottom - 32.0f;
  const float L = w - 120.0f;

  m_bgMiddle.SetSize(w - 32.0f, 64.0f);
  m_bgMiddle.PlaceLocal(cx, yc);
  m_bgMiddle.Draw();
  m_bgLeft.PlaceLocal(left + 8.0f, yc);
  m_bgLeft.Draw();
  m_bgRight.PlaceLocal(right - 8.0f, yc);
  m_bgRight.Draw();

  m_slotMiddle.SetSize(L - 32.0f, 16.0f);
  m_slotMiddle.PlaceLocal(cx, yc + 14.0f);
  m_slotMiddle.Draw();
  m_slotLeft.PlaceLocal(m_slotMiddle.Left() - 8.0f, yc + 14.0f);
  m_slotLeft.Draw();
  m_slotRight.PlaceLocal(m_slotMiddle.Right() + 8.0f, yc + 14.0f);
  m_slotRight.Draw();

  RECT tick;
  SetRect(&tick, (int)(cx - 1.0f), (int)(m_slotMiddle.Top() + 3.0f), (int)(cx + 1.0f), (int)(m_slotMiddle.Bottom() - 2.0f));
  GetD3DEngine()->FillRect(&tick, kBlack);

  m_slider.PlaceLocal(cx - L / 2.0f + m_position * L, yc + 14.0f);
  m_slider.Draw();

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(m_caption, left, yc - 25.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  text->AddQueueString(m_bad, left + 5.0f, yc - 2.0f, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  text->AddQueueString(m_good, right - 205.0f, yc - 2.0f, kBlack, 200.0f, LibTextEngine::ALIGN_RIGHT);
  text->ProcessTextQueue(-1);
}

// ---------------------------------------------------------------------------------------------
// A trait that rubbed off

GUI_PostMortemPersonality::GUI_PostMortemPersonality(SIM_CharacterType* type, float scale) {
  const std::string target = type->GetTarget();
  SIM_Attribute* attribute = SIM_Attribute::GetAttribute(target);
  if (attribute && attribute->GetOpposite() && attribute->IsHidden()) {
    m_text = attribute->GetOpposite()->GetGUIName();
    m_amount = -type->GetEffect();
  } else {
    // A trait may move something that is not an attribute (renown, say): its own name shows.
    if (!attribute)
      GWarnOnce("pm-target:" + target,
                GFormat("Character type \"%s\" moves \"%s\", which is not an attribute", type->GetName().c_str(),
                        target.c_str())
                    .c_str(),
                __FILE__, __LINE__);
    m_text = type->GetTargetGUIName();
    m_amount = type->GetEffect();
  }
  m_indicator.SetTexture(type->IsPositive() ? "indicator_change_green.dds" : "indicator_change_red.dds");
  m_indicator.SetSize(32.0f, 32.0f);
  const int n = (int)std::fabs(100.0f * m_amount * scale);
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, m_amount > 0.0f ? "+%d" : "-%d", n);
  m_amountText = buffer;
  m_tooltip = new GUI_Tooltip(GTranslation::GetString("POSTMORTEM_PERSONALITY_TOOLTIP"), 40);
}

GUI_PostMortemPersonality::~GUI_PostMortemPersonality() { delete m_tooltip; }

void GUI_PostMortemPersonality::Draw() {
  m_indicator.PlaceLocal((float)rect.left + 26.0f, (float)rect.top + 10.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddQueueString(m_text, m_indicator.Right() + 10.0f, (float)rect.top, kBlack, 0.0f, LibTextEngine::ALIGN_LEFT);
  m_indicator.Draw();
  text->AddQueueString(m_amountText, m_indicator.Left(), m_indicator.GetCenterY() - 12.0f, kWhiteText,
                       m_indicator.Right() - m_indicator.Left(), LibTextEngine::ALIGN_CENTER);
  text->ProcessTextQueue(-1);
  m_tooltip->SetPosition((float)rect.left, (float)rect.top, (float)rect.right, (float)rect.bottom);
  m_tooltip->Draw();
}

void GUI_PostMortemPersonality::ProcessInput() {
  if (MouseInside()) m_tooltip->Ping();
}

// ---------------------------------------------------------------------------------------------
// The selected guest's opinion

GUI_PostMortemOpinion::GUI_PostMortemOpinion() { SetCloseOnRestart(false); }

GUI_PostMortemOpinion::~GUI_PostMortemOpinion() { delete m_portrait; }

void GUI_PostMortemOpinion::SetEffect(SIM_SocialiseEffect* effect) {
  GAssert(effect != nullptr, __FILE__, __LINE__);
  if (!effect) return;
  m_effect = effect;
  delete m_portrait;
  m_portrait = nullptr;
  SIM_NPC* npc = AsNPC(effect->GetPerson());
  if (npc) {
    m_portrait = new GUI_NPCPortrait(npc);
    m_portrait->SetSize(kPortraitSize, kPortraitSize);
  }
  KillChildren();
  m_bar = new GUI_PostMortemEffectBar(effect->GetRelationChangeWithVede());
  AddChild(m_bar);
  m_person = effect->GetPerson();
  m_personalities.clear();
  if (!npc) return;
  for (SIM_CharacterType* type : npc->GetCharacterTypes()) {
    if (!type || !type->HasEffects()) continue;
    GUI_PostMortemPersonality* row = new GUI_PostMortemPersonality(type, effect->GetScalar());
    AddChild(row);
    m_personalities.push_back(row);
  }
}

void GUI_PostMortemOpinion::Draw() {
  GUI_WindowBackground::DrawTiled(rect, "rounded_rectangle.dds", 32.0f, 0.6f);
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  const float w = (float)width;
  float portraitRight = left + 30.0f;
  float portraitBottom = top + 50.0f;
  if (m_portrait) {
    m_portrait->SetPosition(left + 30.0f, top + 50.0f, left + 30.0f + kPortraitSize, top + 50.0f + kPortraitSize);
    m_portrait->Draw();
    portraitRight = (float)m_portrait->rect.right;
    portraitBottom = (float)m_portrait->rect.bottom;
  }
  if (m_bar) m_bar->SetPosition(left + 30.0f, (float)rect.bottom - 75.0f, (float)rect.right - 30.0f, (float)rect.bottom - 15.0f);
  // The rows stand right of the portrait; their width is the panel's less the portrait's right
  // edge as the panel measures it.
  const float rowWidth = w - (portraitRight - left) - 20.0f;
  float y = top + 70.0f;
  for (GUI_PostMortemPersonality* row : m_personalities) {
    row->SetPosition(portraitRight + 10.0f, y, portraitRight + 10.0f + rowWidth, y + kRowHeight);
    y += kRowHeight;
  }
  DrawChildren();

  if (!m_effect) return;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  text->AddQueueString(m_effect->GetEventHappinessString(), left, top + 21.0f, kBlack, w, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("anime14.dds", 14.0f);
  float below = text->AddWrappedString(m_effect->GetPostMortemComment(), left + 20.0f, portraitBottom + 20.0f, w - 40.0f, kBlack);
  text->AddWrappedString(m_effect->GetPostMortemGossip(), left + 20.0f, below, w - 40.0f, kBlack);
  text->ProcessTextQueue(-1);
}
