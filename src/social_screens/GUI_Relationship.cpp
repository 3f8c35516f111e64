#include "GUI_Relationship.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_Avatar.h"
#include "GUI_NPCIcon.h"
#include "SIM_NPC.h"
#include "SIM_Relationship.h"
#include "SIM_Vede.h"

std::list<GUI_Relationship*> GUI_Relationship::All;
GUI_SpriteList GUI_Relationship::CircleSprites;

namespace {
constexpr float kThickness = 5.0f;
constexpr float kFanStep = 10.0f;

void DrawUntextured(BaseSprite& sprite, float cx, float cy) {
  sprite.PlaceLocal(cx, cy);
  GetD3DEngine()->SetTexture(0, 0);
  sprite.DrawNoChecks();
}
}  // namespace

GUI_Relationship* GUI_Relationship::Create(SIM_Relationship* link) {
  GAssert(link != nullptr, __FILE__, __LINE__);
  if (!link) return nullptr;
  return new GUI_Relationship(link);
}

GUI_Relationship::GUI_Relationship(SIM_Relationship* link) : m_link(link) {
  m_circle.SetTexture("icon_chooser_circle.dds");
  m_circle.SetSize(16.0f, 16.0f);
  m_lines[0].SetSize(0.0f, kThickness);
  m_lines[1].SetSize(kThickness, 0.0f);
  m_lines[2].SetSize(0.0f, kThickness);
  m_self = All.insert(All.end(), this);
}

GUI_Relationship::~GUI_Relationship() { All.erase(m_self); }

void GUI_Relationship::DrawAll() {
  for (GUI_Relationship* line : All) line->Draw();
  CircleSprites.Draw();
}

void GUI_Relationship::Draw() {
  SIM_Vede* vede = SIM_GetVede();
  if (!m_link || !m_link->IsFriendship() || !m_link->Contains(vede) || !m_link->Alive()) return;
  SIM_NPC* npc = dynamic_cast<SIM_NPC*>(m_link->GetOther(vede));
  GUI_NPCIcon* icon = npc ? npc->GetIcon() : nullptr;
  if (!icon) return;

  const float s = m_link->GetStrength();
  const V2 avatar = GUI_GetAvatar()->GetCenter();
  const float right = (float)icon->rect.right;
  const float iconY = icon->GetY();

  const int count = GUI_NPCIcon::NumPositionIndexes;
  const float fan = count == 1 ? 0.0f : kFanStep * (float)(icon->GetPositionIndex() - count / 2);
  const int alpha = std::clamp((int)(196.0f * s) + 64, 64, 255);
  for (BaseSprite& line : m_lines) line.SetVertexColor(255, 255, 255, alpha);
  m_circle.SetVertexColor(255, 255, 255, alpha);

  // Out of the avatar, level with it but for the fan.
  const float y1 = avatar.y + fan;
  const float length = avatar.x - right - 70.0f - std::fabs(fan);
  m_lines[0].SetSize(length, kThickness);
  DrawUntextured(m_lines[0], avatar.x - length / 2.0f, y1);
  // The step to the friend's row.
  const float stepX = avatar.x - length + 2.5f;
  m_lines[1].SetSize(kThickness, std::max(0.0f, std::fabs(y1 - iconY) - 5.0f));
  DrawUntextured(m_lines[1], stepX, (y1 + iconY) / 2.0f);
  // Into the circle; a stronger line reaches a little less far, as its circle is larger.
  const float start = right + 24.0f;
  const float w = stepX - start + 5.0f - 4.0f * s;
  m_lines[2].SetSize(w, kThickness);
  DrawUntextured(m_lines[2], start + w / 2.0f - 2.5f + 4.0f * s, iconY);

  const float size = 16.0f + 8.0f * s;
  m_circle.SetSize(size, size);
  const float lineLeft = start - 2.5f + 4.0f * s;
  m_circle.PlaceLocal(lineLeft - size / 2.0f, iconY);
  CircleSprites.Add(&m_circle);
}
