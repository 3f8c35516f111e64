#include "GUI_NPCIcon.h"

#include <cmath>
#include <vector>

#include "BaseSprite.h"
#include "CInput.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_Avatar.h"
#include "GUI_Cursor.h"
#include "GUI_DragIcon.h"
#include "GUI_HintHelp.h"
#include "GUI_NPC.h"
#include "GUI_NPCIconParts.h"
#include "GUI_SocialActivityChooser.h"
#include "GUI_Sounds.h"
#include "GUI_Tutorial.h"
#include "PlayerActionsLog.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Romance.h"
#include "SIM_Vede.h"
#include "SIM_StandInLog.h"

std::list<GUI_NPCIcon*> GUI_NPCIcon::All;
GUI_SpriteList GUI_NPCIcon::Bases;
GUI_SpriteList GUI_NPCIcon::Portraits;
GUI_BaseElementList GUI_NPCIcon::StatusBars;
GUI_BaseElementList GUI_NPCIcon::Icons;
int GUI_NPCIcon::NumPositionIndexes = 0;
bool GUI_NPCIcon::BBackgroundHintShown = false;

namespace {

// The friend column: x of the friend level with the avatar, and how far from the avatar that is.
constexpr float kColumnX = 538.0f;
constexpr float kAnchorX = 998.0f;
constexpr float kColumnRadius = 460.0f;
constexpr float kFriendSpacing = 70.0f;
// The acquaintance column and the upright connector that joins it to the friend.
constexpr float kSubColumnX = 385.0f;
constexpr float kSubSpacing = 62.0f;
constexpr float kConnectorX = 485.0f;
constexpr float kConnectorThickness = 4.0f;
constexpr float kIconDotSize = 12.0f;
const char* const kClickedAction = "clicked npc icon";

uint32_t ConnectorGrey() { return SpriteColor(192, 192, 192, 255); }

SIM_NPC* AsNPC(SIM_Person* person) { return dynamic_cast<SIM_NPC*>(person); }

}  // namespace

bool RelationshipGreaterThan(SIM_Relationship* a, SIM_Relationship* b) { return a->GetStrength() > b->GetStrength(); }

GUI_NPCIcon* GUI_NPCIcon::Create(SIM_NPC* npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return nullptr;
  return new GUI_NPCIcon(npc);
}

GUI_NPCIcon::GUI_NPCIcon(SIM_NPC* npc) : GUI_ButtonBase(nullptr, 0), m_npc(npc) {
  GAssert(npc != nullptr, __FILE__, __LINE__);
  m_background.SetTexture("npc_icon_background.dds");
  if (npc) m_portrait.SetTexture(npc->GetPortraitTexture());
  m_mystery.SetTexture("mystery.dds");
  m_statusBar = new GUI_NPCStatusBar(npc);
  m_snubIcon = new GUI_NPCSnubIcon;
  m_loveIcon = new GUI_LoveIcon;
  SetVisible(false);
  SetStyle(ICONSTYLE_ACQUAINTANCE);
  m_self = All.insert(All.end(), this);
}

GUI_NPCIcon::~GUI_NPCIcon() {
  All.erase(m_self);
  // A person who leaves the player's world takes their open window along: it would show a
  // stranger, or someone already gone.
  GUI_NPC::CloseFor(m_npc);
  delete m_statusBar;
  delete m_snubIcon;
  delete m_loveIcon;
}

// ---- Layout ------------------------------------------------------------------------------------

void GUI_NPCIcon::PositionAll() {
  SIM_StandInLog::Record("GUI_NPCIcon::PositionAll");  // a moment of the day turn's order
  for (GUI_NPCIcon* icon : All) icon->SetVisible(false);
  SIM_Vede* vede = SIM_GetVede();
  const int n = vede->CountFriendships();
  if (n <= 0) return;

  std::list<SIM_Relationship*> friends;
  for (SIM_Relationship* link : vede->GetRelationships()) {
    if (link->IsFriendship()) friends.push_back(link);
  }
  friends.sort(RelationshipGreaterThan);  // stable: equal strengths keep the player's order

  const V2 anchor(kAnchorX, GUI_GetAvatar()->GetCenter().y);
  float y = anchor.y + (kFriendSpacing * (float)n) / -2.0f + 25.0f;
  int index = 0;
  for (SIM_Relationship* link : friends) {
    SIM_NPC* npc = AsNPC(link->GetOther(vede));
    GUI_NPCIcon* icon = npc ? npc->GetIcon() : nullptr;
    GAssert(icon != nullptr, __FILE__, __LINE__);
    if (icon) {
      const float distance = std::hypot(anchor.x - kColumnX, anchor.y - y);
      icon->SetStyle(ICONSTYLE_FRIEND);
      icon->SetCenter(kColumnX + (distance - kColumnRadius), y);
      icon->SetVisible(true);
      icon->SetPositionIndex(index);
    }
    y += kFriendSpacing;
    ++index;
  }
  NumPositionIndexes = index;
}

void GUI_NPCIcon::Highlight() {
  m_highlighted = true;
  PositionSubIcons(m_npc);
}

void GUI_NPCIcon::PositionSubIcons(SIM_NPC* npc) {
  HideAllSubIcons();
  if (!npc) return;
  SIM_Vede* vede = SIM_GetVede();
  std::vector<SIM_NPC*> acquaintances;
  for (SIM_Relationship* link : npc->GetRelationships()) {
    SIM_Person* other = link->GetOther(npc);
    if (!other || other == vede || other->DirectFriendOfVede()) continue;
    if (SIM_NPC* person = AsNPC(other)) acquaintances.push_back(person);
  }
  float y = -31.0f * (float)acquaintances.size() + D3DEngine::H / 2.0f;
  for (SIM_NPC* person : acquaintances) {
    if (GUI_NPCIcon* icon = person->GetIcon()) {
      icon->SetVisible(true);
      icon->SetStyle(ICONSTYLE_ACQUAINTANCE);
      icon->SetCenter(kSubColumnX, y);
    }
    y += kSubSpacing;
  }
}

void GUI_NPCIcon::UnhighlightAll() {
  for (GUI_NPCIcon* icon : All) icon->Unhighlight();
}

void GUI_NPCIcon::HideAllSubIcons() {
  for (GUI_NPCIcon* icon : All) {
    if (icon->m_style == ICONSTYLE_ACQUAINTANCE) icon->SetVisible(false);
  }
}

void GUI_NPCIcon::SetStyle(ICONSTYLE style) {
  m_style = style;
  RefreshTooltip();
  m_size = style == ICONSTYLE_FRIEND ? kFriendSize : kAcquaintanceSize;
  UpdatePosition();
  m_background.SetSize(m_size, m_size);
  m_portrait.SetSize(m_size, m_size);
  m_mystery.SetSize(m_size, m_size);
}

void GUI_NPCIcon::SetCenter(float x, float y) {
  m_x = x;
  m_y = y;
  UpdatePosition();
}

void GUI_NPCIcon::UpdatePosition() {
  const float half = m_size / 2.0f;
  SetPosition(m_x - half, m_y - half, m_x + half, m_y + half);
}

void GUI_NPCIcon::RefreshTooltip() {
  if (m_style == ICONSTYLE_ACQUAINTANCE) {
    SetTooltip("NPCICON_ACQUAINTANCE_TOOLTIP", 60);
  } else if (GetPlayerActionsLog()->HasDone(kClickedAction) && m_npc) {
    SetRawTooltip(m_npc->GetFullName(), 60);
  } else {
    SetTooltip("NPCICON_FRIEND_TOOLTIP", 60);
  }
  UpdatePosition();  // the new tooltip sits under the icon
}

void GUI_NPCIcon::RefreshTooltipAll() {
  for (GUI_NPCIcon* icon : All) icon->RefreshTooltip();
}

// ---- Drawing -----------------------------------------------------------------------------------

void GUI_NPCIcon::SetHighlightColors() {
  SIM_SocialiseType* type = GUI_SocialActivityChooser::IsOpen() ? GUI_SocialActivityChooser::GetSelectedType() : nullptr;
  if (!type || !m_npc->IsIntroduced()) {
    m_background.SetVertexColor(255, 255, 255, 255);
    return;
  }
  const bool invited = GUI_SocialActivityChooser::IsOpen() && GUI_SocialActivityChooser::NPCAlreadyInvited(m_npc);
  const bool interested = !m_npc->GetInterests().AreSomeHidden() && m_npc->IsInterested(type);
  if (interested) {
    if (!BBackgroundHintShown) {
      BBackgroundHintShown = true;
      GUI_HintHelp::Launch("icon_backgrounds");
    }
    if (invited) {
      m_background.SetVertexColor(255, 255, 255, 128);
    } else {
      m_background.SetVertexColor(177, 255, 177, 255);
    }
  } else {
    m_background.SetVertexColor(255, 255, 255, invited ? 128 : 255);
  }
}

void GUI_NPCIcon::Draw() {
  if (!IsVisible() || !m_npc) return;
  UpdatePosition();
  SetHighlightColors();
  if (!m_npc->IsIntroduced()) {
    m_mystery.SetVertexColor(255, 255, 255, 128);
    m_mystery.PlaceLocal(m_x, m_y);
    Bases.Add(&m_mystery);
  } else {
    m_background.PlaceLocal(m_x, m_y);
    Bases.Add(&m_background);
    const bool listed = GUI_SocialActivityChooser::IsOpen() && GUI_SocialActivityChooser::NPCAlreadyInvited(m_npc);
    m_portrait.SetTexture(m_npc->GetPortraitTexture());
    m_portrait.SetVertexColor(255, 255, 255, listed ? 128 : 255);
    m_portrait.PlaceLocal(m_x, m_y);
    Portraits.Add(&m_portrait);
  }
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  if (m_npc->DirectFriendOfVede()) {
    m_statusBar->SetPosition(left - 11.0f, top + 12.0f, left + 5.0f, (float)rect.bottom - 11.0f);
    StatusBars.Add(m_statusBar);
  }
  // The markers hang on the portrait's corners, which are the icon's own.
  const float half = m_size / 2.0f;
  const float pLeft = m_x - half;
  const float pTop = m_y - half;
  const float pRight = m_x + half;
  if (m_npc->IsSnubbed()) {
    m_snubIcon->SetPosition(pRight - 16.0f, pTop - 6.0f, pRight + 6.0f, pTop + 16.0f);
    Icons.Add(m_snubIcon);
  }
  if (SIM_GetRomance()->IsCurrentPartner(m_npc)) {
    m_loveIcon->SetVisible(true);
    m_loveIcon->SetPosition(pLeft - 6.0f, pTop - 6.0f, pLeft + 16.0f, pTop + 16.0f);
    Icons.Add(m_loveIcon);
  } else {
    m_loveIcon->SetVisible(false);
  }
  GUI_ButtonBase::Draw();
}

void GUI_NPCIcon::DrawAll() {
  DrawConnectors();
  for (GUI_NPCIcon* icon : All) icon->Draw();
  Bases.Draw();
  Portraits.Draw();
  StatusBars.Draw();
  GUI_NPCStatusBar::DrawAll();
  Icons.Draw();
}

void GUI_NPCIcon::DrawConnect(float x1, float y1, float x2, float y2) {
  BaseSprite line;
  if (y1 == y2) {
    line.SetSize(std::fabs(x2 - x1), kConnectorThickness);
  } else {
    line.SetSize(kConnectorThickness, std::fabs(y2 - y1));
  }
  line.PlaceLocal((x1 + x2) / 2.0f, (y1 + y2) / 2.0f);
  line.SetVertexColor(ConnectorGrey());
  GetD3DEngine()->SetTexture(0, 0);
  line.DrawNoChecks();
}

void GUI_NPCIcon::DrawConnectors() {
  std::vector<V2> dots;
  float topY = 2048.0f;
  float bottomY = 0.0f;
  float highlightedLeft = 0.0f;
  float highlightedY = 0.0f;
  for (GUI_NPCIcon* icon : All) {
    if (icon->m_style == ICONSTYLE_FRIEND && icon->m_highlighted) {
      highlightedLeft = (float)icon->rect.left;
      highlightedY = icon->m_y;
      topY = std::fmin(topY, icon->m_y);
      bottomY = std::fmax(bottomY, icon->m_y);
    }
    if (icon->m_style != ICONSTYLE_ACQUAINTANCE || !icon->IsVisible()) continue;
    const float start = (float)icon->rect.right + 16.0f;
    DrawConnect(start, icon->m_y, kConnectorX, icon->m_y);
    dots.emplace_back(start, icon->m_y);
    topY = std::fmin(topY, icon->m_y);
    bottomY = std::fmax(bottomY, icon->m_y);
  }
  if (dots.empty()) return;
  DrawConnect(kConnectorX, topY - 2.0f, kConnectorX, bottomY + 2.0f);
  DrawConnect(kConnectorX, highlightedY, highlightedLeft, highlightedY);
  CTexturedSprite dot;
  dot.SetTexture("icon_chooser_circle.dds");
  dot.SetSize(kIconDotSize, kIconDotSize);
  dot.SetVertexColor(ConnectorGrey());
  for (const V2& at : dots) {
    dot.PlaceLocal(at.x, at.y);
    dot.Draw();
  }
}

// ---- Input -------------------------------------------------------------------------------------

bool GUI_NPCIcon::Reacts() {
  return IsVisible() && m_npc && !GetInput()->IsMouseMovesEaten() && GUI_Tutorial::IsClickable(this) &&
         m_npc->IsIntroduced();
}

bool GUI_NPCIcon::MouseOverPortrait() {
  CInput* input = GetInput();
  const float half = m_size / 2.0f;
  return input->mouseX > m_x - half && input->mouseX < m_x + half && input->mouseY > m_y - half &&
         input->mouseY < m_y + half;
}

void GUI_NPCIcon::CheckClick() {
  if (!Reacts()) return;
  CInput* input = GetInput();
  if (m_npc->DirectFriendOfVede() && MouseOverPortrait()) {
    UnhighlightAll();
    Highlight();
  }
  if (m_loveIcon->IsVisible() && m_loveIcon->CheckClick(input->mouseX, input->mouseY)) return;
  if (!MouseOverPortrait()) return;
  PlayClickSound();
  if (input->IsDoubleClick()) {
    GUI_NPC::Create(m_npc);
    GetPlayerActionsLog()->Log(kClickedAction);
    RefreshTooltipAll();
    return;
  }
  if (!GUI_GetCursor()->IsDragging() && GUI_SocialActivityChooser::IsOpen() &&
      !GUI_SocialActivityChooser::NPCAlreadyInvited(m_npc)) {
    GUI_DragIcon::Create(m_npc);
  }
}

void GUI_NPCIcon::CheckRightClick() {
  if (!Reacts() || !MouseOverPortrait()) return;
  PlayClickSound();
  GUI_NPC::Create(m_npc);
  GetPlayerActionsLog()->Log(kClickedAction);
  RefreshTooltipAll();
}

void GUI_NPCIcon::Process() {
  if (!Reacts()) return;
  if (m_npc->IsSnubbed()) m_snubIcon->ProcessInput();
  GUI_ButtonBase::Process();
}

// Each pass walks a copy: a click may open a window whose person leaves, or close one.
void GUI_NPCIcon::CheckClickAll() {
  const std::vector<GUI_NPCIcon*> icons(All.begin(), All.end());
  for (GUI_NPCIcon* icon : icons) icon->CheckClick();
}

void GUI_NPCIcon::CheckRightClickAll() {
  const std::vector<GUI_NPCIcon*> icons(All.begin(), All.end());
  for (GUI_NPCIcon* icon : icons) icon->CheckRightClick();
}

void GUI_NPCIcon::ProcessInputAll() {
  for (GUI_NPCIcon* icon : All) icon->Process();
}
