#include "GUI_Skills.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GTranslation.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_IconButton.h"
#include "GUI_Indicator.h"
#include "GUI_NamedObject.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_NamedValue.h"
#include "SIM_Vede.h"

GUI_Skills* GUI_Skills::PTheWindow = nullptr;

namespace {

constexpr float kMinHeight = 78.0f;
constexpr float kTopPad = 36.0f;
constexpr float kColumnStep = GUI_Skills::CHUNKWIDTH + 10.0f;
constexpr int kExpandFrom = 15;  // fewer skills never need a third column

int CountPresentSkills() {
  int n = 0;
  for (SIM_NamedValue* skill : SIM_GetVede()->GetSkills().GetRawList())
    if (skill->GetValue() != 0.0f) ++n;
  return n;
}

}  // namespace

GUI_Skills* GUI_Skills::Create() {
  delete PTheWindow;
  PTheWindow = nullptr;
  return new GUI_Skills;
}

void GUI_Skills::ToggleExpand(int) {
  if (!PTheWindow) return;
  PTheWindow->m_expanded = !PTheWindow->m_expanded;
  PTheWindow->Refresh();
}

GUI_Skills::GUI_Skills() {
  PTheWindow = this;
  SetCloseOnRestart(false);
  m_title = GTranslation::GetString("IDTAB_SKILLS");
  m_noSkills = GTranslation::GetString("NO_SKILLS");
  SetEatMouseMoves(true);
  SetVisible(true);
  m_expanded = false;
  m_expandButton = new GUI_IconButton("smallbuttons.dds", ToggleExpand, 0);
  m_expandButton->SetHighlightTexture("smallbuttons.dds");
  m_expandButton->SetCells(16, 2, 3);
  m_expandButton->SetTooltip("TOOLTIP_SKILLS_EXPAND", 30);
  AddButton(m_expandButton);
  Refresh();
  GUI_NamedObject::Register("Skills", this);
}

GUI_Skills::~GUI_Skills() {
  GUI_NamedObject::UnRegister(this);
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_Skills::ClearIndicators() {
  KillChildren();
  m_indicators.clear();
}

void GUI_Skills::Refresh() {
  const int n = CountPresentSkills();
  m_expandButton->SetVisible(n >= kExpandFrom);

  const int rows = std::min(n, ROWS);
  const float panelHeight = std::max(kMinHeight, kTopPad + (float)rows * CHUNKHEIGHT);
  int columns = 1;
  if (n > 7) columns = 2;
  if (n > 14) columns = 3;
  if (n > 21) columns = 4;
  if (n > 28) columns = 5;
  if (!m_expanded && columns >= 3) columns = 2;
  const float panelWidth = (float)(int)(25.0f + (float)columns * CHUNKWIDTH + 30.0f + (float)(columns * 20 - 20));

  const float H = (float)GetD3DEngine()->GetScreenHeight();
  SetPosition(0.0f, H - panelHeight, panelWidth, H);
  Populate();
}

void GUI_Skills::Populate() {
  ClearIndicators();
  const float top = (float)rect.top + 18.0f;
  float x = (float)rect.left + 20.0f;
  float y = top;
  const int limit = m_expanded ? EXPANDED_ROWS : COLLAPSED_ROWS;
  int placed = 0;
  for (SIM_NamedValue* skill : SIM_GetVede()->GetSkills().GetRawList()) {
    if (placed >= limit) break;
    if (skill->GetValue() == 0.0f) continue;
    AddIndicator(skill, x, y);
    ++placed;
    y += CHUNKHEIGHT;
    if (placed % ROWS == 0) {
      y = top;
      x += kColumnStep;
    }
  }
}

void GUI_Skills::RefreshAsChangedOnly() {
  ClearIndicators();
  std::list<SIM_NamedValue*> changed;
  for (SIM_NamedValue* value : SIM_GetVede()->GetSkills().GetRawList()) {
    GUI_ChangeNotifier* notifier = value->GetNotifier();
    if (notifier && notifier->IsActive()) changed.push_back(value);
  }
  const float panelHeight = std::max(kMinHeight, kTopPad + (float)changed.size() * CHUNKHEIGHT);
  const float H = (float)GetD3DEngine()->GetScreenHeight();
  SetPosition(0.0f, H - panelHeight, 190.0f, H);
  // The post-mortem lists what moved; expanding has nothing to show there.
  m_expandButton->SetVisible(false);
  float y = (float)rect.top + 18.0f;
  for (SIM_NamedValue* value : changed) {
    AddIndicator(value, (float)rect.left + 20.0f, y);
    y += CHUNKHEIGHT;
  }
}

void GUI_Skills::AddIndicator(SIM_NamedValue* skill, float x, float y) {
  GAssert(skill->GetValue() >= 0.0f, __FILE__, __LINE__);
  GUI_Indicator* row = GUI_Indicator::CreateNV(skill);
  if (!row) return;
  row->SetPosition(x, y, x + CHUNKWIDTH, y + CHUNKHEIGHT);
  AddChild(row);
  m_indicators.push_back(row);
}

GUI_Indicator* GUI_Skills::GetIndicator(const std::string& name) {
  for (GUI_Indicator* row : m_indicators)
    if (row->GetOwner() && row->GetOwner()->GetName() == name) return row;
  return nullptr;
}

void GUI_Skills::DrawNotification() {
  for (GUI_Indicator* row : m_indicators) row->DrawNotification();
}

void GUI_Skills::DrawNotificationText() {
  for (GUI_Indicator* row : m_indicators) row->DrawNotificationText();
}

void GUI_Skills::Draw() {
  if (!m_visible || m_children.empty()) return;
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("anime14.dds", 14.0f);
  DrawChildren();
  if (m_expanded) {
    m_expandButton->SetCells(16, 0, 1);
  } else {
    m_expandButton->SetCells(16, 2, 3);
  }
  m_expandButton->SetPosition((float)rect.right - 35.0f, (float)rect.top + 15.0f, (float)rect.right - 15.0f,
                              (float)rect.top + 35.0f);
  DrawButtons();
  text->ProcessTextQueue(-1);
}
