#include "GUI_AttributeGraph.h"

#include "D3DEngine.h"
#include "GUI_Avatar.h"
#include "GUI_AttributeGraphButton.h"
#include "GUI_AttributeGraphLine.h"
#include "GUI_Colours.h"
#include "GUI_IconButton.h"
#include "GUI_ScreenFader.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Attribute.h"
#include "SIM_Vede.h"
#include "V2.h"

GUI_AttributeGraph* GUI_AttributeGraph::PTheWindow = nullptr;

namespace {
constexpr uint32_t kPlotFill = 0xFFEAEAEAu;
constexpr uint32_t kPlotFrame = 0xFF404040u;
}  // namespace

void GUI_AttributeGraph::Create(int) {
  Close();
  new GUI_AttributeGraph;
}

void GUI_AttributeGraph::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

void GUI_AttributeGraph::Continue(int) { Close(); }

GUI_AttributeGraph::GUI_AttributeGraph() {
  PTheWindow = this;
  MakeFullScreenWindow();
  const float w = D3DEngine::W;
  const float h = D3DEngine::H;

  m_strip.SetTexture("menu_strip.dds");
  m_strip.SetSize(w, 128.0f);
  m_strip.PlaceLocal(w / 2.0f, h - 64.0f);

  GUI_IconButton* button = new GUI_IconButton("bigbuttons.dds", Continue, 0);
  button->SetHighlightTexture("bigbuttons.dds");
  button->SetTooltip("TOOLTIP_AFTERWORK_CONTINUE", 30);
  button->SetFadeFirst();
  button->SetCells(16, 6, 7);
  button->SetPosition(w - 78.0f, 701.0f, w - 10.0f, 769.0f);
  AddButton(button);
  m_continueButton = button;

  m_background.SetTexture("skyline_sunset.jpg");

  SetRect(&m_panel, 150, 64, (int)(w - 180.0f), 662);
  SetRect(&m_plot, m_panel.left + 60, m_panel.top + 60, m_panel.right - 30, m_panel.bottom - 60);
  m_plotWidth = (float)(m_plot.right - m_plot.left);

  PopulateLines();
  GUI_GetFader()->FadeIn();
}

GUI_AttributeGraph::~GUI_AttributeGraph() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GetFader()->FadeIn();
}

void GUI_AttributeGraph::PopulateLines() {
  float y = (float)m_panel.top - 20.0f;
  for (SIM_Attribute* attribute : SIM_Attribute::All) {
    if (attribute->IsHidden() || attribute->IsSubcomponent()) continue;
    GUI_AttributeGraphLine* line = new GUI_AttributeGraphLine(attribute);
    GUI_AttributeGraphButton* toggle = new GUI_AttributeGraphButton(line);
    AddChild(line);
    AddChild(toggle);
    // The toggles overlap by 4 pixels.
    toggle->SetPosition((float)m_panel.right + 10.0f, y, D3DEngine::W - 10.0f, y + 32.0f);
    y += 28.0f;
    line->InitialiseSprites(m_plot);
  }
}

void GUI_AttributeGraph::DrawGraphLines() {
  const int step = (m_plot.bottom - m_plot.top) / 6;
  if (step <= 0) return;
  D3DEngine* engine = GetD3DEngine();
  engine->SetTexture("graph_line.dds");
  BaseSprite guide;
  guide.SetSize(3.0f, m_plotWidth);
  guide.Rotate(90.0f);
  guide.SetVertexColor(128, 128, 128, 96);
  const float cx = (float)(m_plot.left + m_plot.right) / 2.0f;
  for (int y = m_plot.top + step / 2; y < m_plot.bottom; y += step) {
    guide.PlaceLocal(cx, (float)y);
    guide.DrawNoChecks();
  }
}

void GUI_AttributeGraph::Draw() {
  D3DEngine* engine = GetD3DEngine();
  engine->FillScreen(&m_background, 1.0f, 0.75f);
  GUI_WindowBackground::DrawTiled(m_panel, GUI_WindowBackground::PRESET_CLIENT, 32.0f, 1.0f);

  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold28.dds", 28.0f);
  text->AddQueueString(SIM_GetVede()->GetFullName(), 0.0f, (float)m_panel.top + 15.0f, kBlack, D3DEngine::W,
                       LibTextEngine::ALIGN_CENTER);

  engine->FillRect(&m_plot, kPlotFill);
  engine->FrameRect(&m_plot, kPlotFrame);
  DrawGraphLines();

  GUI_GetAvatar()->DrawAt(V2(115.0f, D3DEngine::H / 2.0f));
  m_strip.Draw();
  DrawChildren();
  DrawButtons();
  text->ProcessTextQueue(-1);
}
