#include "GUI_MindState.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GUI_Attribute.h"
#include "GUI_AttributeGraph.h"
#include "GUI_ChangeNotifier.h"
#include "GUI_IconButton.h"
#include "GUI_Indicator.h"
#include "GUI_NamedObject.h"
#include "GUI_Skills.h"
#include "GUI_WindowBackground.h"
#include "GUI_WindowManager.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_Vede.h"

namespace {
GUI_MindState* g_mindState = nullptr;

constexpr const char* kFont = "anime14.dds";
constexpr float kFontSize = 14.0f;
constexpr float kRowWidth = 135.0f;
constexpr float kPanelWidth = 200.0f;
// The whole panel stands on the screen, its right frame flush with the screen's right edge, and
// the rows are centred in it between the frames, like the two buttons below them.
constexpr float kRowInset = 32.0f;

float Goodness(SIM_Attribute* a) { return a->IsHighGood() ? a->GetValue() : 1.0f - a->GetValue(); }

// One of the pair already shows: the panel never lists both halves of a pair of opposites.
bool OpposesAny(SIM_Attribute* a, const std::vector<SIM_Attribute*>& shown) {
  for (SIM_Attribute* s : shown) {
    if (s->GetOpposite() == a || a->GetOpposite() == s) return true;
  }
  return false;
}
}  // namespace

GUI_MindState* GUI_GetMindState() {
  if (!g_mindState) g_mindState = new GUI_MindState;
  return g_mindState;
}

GUI_MindState::GUI_MindState() {
  m_textChunks.SetFont(kFont, kFontSize);
  SetCloseOnRestart(false);
  AddToGUI();
  SetEatMouseMoves(false);
  GUI_NamedObject::Register("MindState", this);
}

GUI_MindState::~GUI_MindState() {
  // The rows belong to their attributes: forget them before the window base deletes children.
  ClearIndicators();
  GUI_NamedObject::UnRegister(this);
  // A screen that deleted the panel by mistake must not leave the accessor dangling.
  if (g_mindState == this) g_mindState = nullptr;
}

bool GUI_MindState::HigherAttribute(SIM_Attribute* a, SIM_Attribute* b) { return Goodness(a) > Goodness(b); }

void GUI_MindState::Initialise() {
  const int rows = m_expanded ? ROWS_EXPANDED : ROWS;
  SetSize(kPanelWidth, 60.0f + (float)rows * CHUNKHEIGHT);
  const int screenW = (int)D3DEngine::W;
  const int screenH = (int)D3DEngine::H;
  GUI_BaseElement::SetPosition((float)screenW - kPanelWidth, (float)(screenH / 2 - height / 2 + 10));

  CreateIndicators();

  ClearButtons();
  m_graphButton = nullptr;
  m_expandButton = nullptr;

  GUI_IconButton* graph = new GUI_IconButton("smallbuttons.dds", Graph, 0);
  graph->SetHighlightTexture("smallbuttons.dds");
  graph->SetTooltip("GRAPH_BUTTON_TOOLTIP", 60);
  graph->SetFadeFirst();
  graph->SetCells(16, 12, 13);
  float c = (float)rect.right - 70.0f;
  graph->SetPosition(c - 16.0f, (float)rect.bottom - 32.0f, c + 16.0f, (float)rect.bottom);
  AddButton(graph);
  m_graphButton = graph;

  GUI_IconButton* expand = new GUI_IconButton("smallbuttons.dds", Expand, 0);
  expand->SetHighlightTexture("smallbuttons.dds");
  if (m_expanded) {
    expand->SetCells(16, 10, 11);
    expand->SetTooltip("SHRINK_BUTTON_TOOLTIP", 60);
  } else {
    expand->SetCells(16, 8, 9);
    expand->SetTooltip("EXPAND_BUTTON_TOOLTIP", 60);
  }
  c = (float)rect.right - 130.0f;
  expand->SetPosition(c - 16.0f, (float)rect.bottom - 32.0f, c + 16.0f, (float)rect.bottom);
  AddButton(expand);
  m_expandButton = expand;

  GUI_Attribute::Close();
  GUI_ChangeNotifier::CloseAll();
  GUI_GetWindowManager()->MakeTopmost(this);
}

void GUI_MindState::CreateIndicators() {
  ClearIndicators();
  const float x = (float)rect.left + kRowInset;
  float y = (float)rect.top + 32.0f;
  int count = 0;
  std::vector<SIM_Attribute*> shown;
  std::vector<SIM_Attribute*> candidates;

  auto add = [&](SIM_Attribute* a) {
    AddIndicator(a, x, y);
    shown.push_back(a);
    y += CHUNKHEIGHT;
    ++count;
  };

  // First what must be seen, in the player's list order; the first pass stops at 13 rows even
  // when the panel is expanded, and it does not look at opposites.
  for (SIM_NamedValue* value : SIM_GetVede()->GetAttributes().GetRawList()) {
    SIM_Attribute* a = dynamic_cast<SIM_Attribute*>(value);
    if (!a || a->IsHidden()) continue;
    if ((a->IsAlwaysShown() || a->WasRecentlyChanged()) && count < ROWS) {
      add(a);
    } else if (!a->IsSubcomponent()) {
      candidates.push_back(a);
    }
  }

  // Then the best-faring of the rest.
  std::stable_sort(candidates.begin(), candidates.end(), HigherAttribute);
  const int limit = m_expanded ? ROWS_EXPANDED : ROWS;
  for (SIM_Attribute* a : candidates) {
    if (count >= limit) break;
    if (OpposesAny(a, shown)) continue;
    add(a);
  }
}

bool GUI_MindState::AddIndicator(SIM_Attribute* attribute, float x, float y) {
  GUI_Indicator* row = GUI_Indicator::Get(attribute);
  if (!row) return true;
  row->SetPosition(x, y, x + kRowWidth, y + CHUNKHEIGHT);
  m_rows.push_back(row);
  AddChild(row);
  return true;
}

void GUI_MindState::ClearIndicators() {
  while (!m_children.empty()) RemoveChild(m_children.front());
  m_rows.clear();
  m_textChunks.ClearChunks();
}

void GUI_MindState::Forget(GUI_Indicator* row) {
  if (!g_mindState || !row) return;
  std::vector<GUI_Indicator*>& rows = g_mindState->m_rows;
  auto it = std::find(rows.begin(), rows.end(), row);
  if (it == rows.end()) return;
  rows.erase(it);
  g_mindState->RemoveChild(row);
  g_mindState->m_textChunks.ClearChunks();
}

GUI_Indicator* GUI_MindState::GetIndicator(const std::string& name) {
  for (GUI_Indicator* row : m_rows) {
    if (row->GetOwner()->GetName() == name) return row;
  }
  GWarning("Failed to find indicator", __FILE__, __LINE__);
  return nullptr;
}

int GUI_MindState::CountIndicators() {
  int count = 0;
  for (SIM_Attribute* a : SIM_Attribute::All) {
    if (a->IsAlwaysShown()) ++count;
  }
  return count;
}

void GUI_MindState::Graph(int) { GUI_AttributeGraph::Create(0); }

void GUI_MindState::Expand(int) {
  GUI_MindState* panel = GUI_GetMindState();
  panel->m_expanded = !panel->m_expanded;
  panel->Initialise();
}

void GUI_MindState::Draw() {
  if (m_graphButton) {
    SIM_Attribute* happiness = SIM_Attribute::GetAttribute("happiness");
    m_graphButton->SetEnabled(happiness && happiness->GetHistory().size() > 3);
  }

  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 48.0f, 1.0f);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentChunkList(&m_textChunks);
  for (GUI_Indicator* row : m_rows) {
    if (row->MouseInside()) {
      row->Highlight();
    } else {
      row->Unhighlight();
    }
  }
  text->SetCurrentFont(kFont, kFontSize);
  DrawChildren();
  DrawButtons();
  text->SetCurrentChunkList(nullptr);
  m_textChunks.Draw();

  GUI_Skills* skills = GUI_Skills::PTheWindow;
  for (GUI_Indicator* row : m_rows) row->DrawNotification();
  if (skills) skills->DrawNotification();

  text->SetCurrentFont(kFont, kFontSize);
  for (GUI_Indicator* row : m_rows) row->DrawNotificationText();
  if (skills) skills->DrawNotificationText();

  // The numbers go on top of their sprites.
  GUI_ChangeNotifier::FinishDrawAll();
  text->ProcessTextQueue(-1);
}
