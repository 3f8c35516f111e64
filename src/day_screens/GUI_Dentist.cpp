#include "GUI_Dentist.h"

#include <algorithm>

#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GTranslation.h"
#include "GUI_CloseButton.h"
#include "GUI_Sounds.h"
#include "Game.h"
#include "LibTextEngine.h"
#include "SIM_SoloActivityType.h"

namespace {
constexpr uint32_t kTraceColour = 0xFF2020FFu;  // red
constexpr uint32_t kChartFill = 0xFFE0E0E0u;
constexpr uint32_t kChartFrame = 0xFF000000u;
constexpr uint32_t kGridColour = 0x80808080u;
constexpr float kGridStep = 10.0f;
}  // namespace

GUI_Dentist* GUI_Dentist::PTheWindow = nullptr;

void GUI_Dentist::Create() {
  Close();
  new GUI_Dentist();  // the window manager owns it
}

void GUI_Dentist::Close() {
  delete PTheWindow;
  PTheWindow = nullptr;
}

int GUI_Dentist::PointsShown(double elapsedMs) {
  const double elapsed = std::clamp(elapsedMs, 0.0, kChartMs);
  return (int)(kPoints * elapsed / kChartMs);
}

GUI_Dentist::GUI_Dentist() : GUI_Dialog(true) {
  PTheWindow = this;
  SetSize(400.0f, 300.0f);
  PlaceCentral();
  SetModal(true);
  UpdateClientArea();
  const RECT& c = GetClientArea();
  m_chart = {c.left + 20, c.top + 20, c.right - 20, c.bottom - 20};
  SetDrawClientArea(false);
  m_timer.StartTimer();
  if (m_closeButton) m_closeButton->SetEnabled(false);
  SetTitle(GTranslation::GetString("DENTIST_PAIN"));
  GUI_GetSounds()->PlaySound("data/sounds/dentist.ogg", false);

  // A random walk from the middle of the chart, kept inside it.
  const float top = (float)m_chart.top;
  const float bottom = (float)m_chart.bottom;
  const float step = (float)(m_chart.right - m_chart.left) / kPoints;
  float y = (top + bottom) / 2.0f;
  for (int i = 0; i < kPoints; ++i) {
    const float x = (float)m_chart.left + step * (float)i;
    y = std::clamp(y + GRandom::RandReal(-30.0f, 30.0f), top, bottom);
    m_trace[i] = _D3DTLVERTEX(x, y, 0.0f, 1.0f, kTraceColour, 0, 0.0f, 0.0f);
    m_traceBelow[i] = _D3DTLVERTEX(x, y + 1.0f, 0.0f, 1.0f, kTraceColour, 0, 0.0f, 0.0f);
  }

  SIM_SoloActivityType* visit = SIM_SoloActivityType::GetByName("dentist");
  GAssert(visit != nullptr, __FILE__, __LINE__);
  const float cost = visit ? visit->GetCost() : 0.0f;
  m_name = GTranslation::GetString("DENTIST_NAME");
  GTranslation::ReplaceToken(m_name, "<TOWNNAME>", GetGame()->GetTownName());
  m_message = GTranslation::GetString("DENTIST_MESSAGE");
  GTranslation::ReplaceToken(m_message, "<TOWNNAME>", GetGame()->GetTownName());
  GTranslation::ReplaceToken(m_message, "<COST>", GFormat("%s %.2f", GetGame()->GetCurrency(), (double)cost));
  GetDebug()->DebugOut("Dentist: the chart");
}

GUI_Dentist::~GUI_Dentist() {
  if (PTheWindow == this) PTheWindow = nullptr;
}

void GUI_Dentist::Draw() {
  GUI_Dialog::Draw();
  if (!m_finished) {
    m_timer.Update();
    if (m_timer.GetElapsed() > kChartMs) {
      if (m_closeButton) m_closeButton->SetEnabled(true);
      m_timer.PauseTimer();
      m_finished = true;
      SetTitle(m_name);
      GetDebug()->DebugOut("Dentist: the bill");
    }
  }
  const RECT& c = GetClientArea();
  if (m_finished) {
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("anime14.dds", 14.0f);
    text->AddWrappedString(m_message, (float)c.left + 20.0f, (float)c.top + 20.0f, (float)(c.right - c.left) - 40.0f,
                           VBColor(0, 0, 0));
    text->ProcessTextQueue(-1);
    return;
  }
  DrawGraph();
  DrawLine();
}

void GUI_Dentist::DrawGraph() {
  D3DEngine* engine = GetD3DEngine();
  engine->FillRect(&m_chart, kChartFill);
  engine->FrameRect(&m_chart, kChartFrame);
  const float left = (float)m_chart.left;
  const float right = (float)m_chart.right;
  for (float y = (float)m_chart.bottom - kGridStep; y > (float)m_chart.top; y -= kGridStep)
    engine->RenderLine(left, y, right, y, kGridColour);
  for (float x = left + kGridStep; x < right; x += kGridStep)
    engine->RenderLine(x, (float)m_chart.top, x, (float)m_chart.bottom, kGridColour);
}

void GUI_Dentist::DrawLine() {
  const int shown = PointsShown(m_timer.GetElapsed());
  D3DEngine* engine = GetD3DEngine();
  for (const _D3DTLVERTEX* trace : {m_trace, m_traceBelow}) {
    for (int i = 1; i < shown; ++i)
      engine->RenderLine(trace[i - 1].x, trace[i - 1].y, trace[i].x, trace[i].y, trace[i].diffuse);
  }
}
