#include "GUI_Insect.h"

#include <algorithm>
#include <cmath>

#include "D3DEngine.h"
#include "ExitCleanup.h"
#include "GUI_GUI.h"
#include "GRandom.h"
#include "SIM_NamedValue.h"
#include "StringUtils.h"

std::list<GUI_Insect*> GUI_Insect::All;

namespace {

// The flies live to the end of the program; at exit they go, so leak checkers see a clean exit.
void FreeInsects() {
  while (!GUI_Insect::All.empty()) delete GUI_Insect::All.front();
}

}  // namespace

GUI_Insect::GUI_Insect() {
  RegisterExitCleanup(FreeInsects);
  All.push_back(this);
  m_sprite.SetTexture("fly.dds");
  m_sprite.SetSize(19.0f, 19.0f);
  m_position = V2(GRandom::Scene().RandReal(0.0f, (float)GetD3DEngine()->GetScreenWidth()),
                  GRandom::Scene().RandReal(0.0f, (float)GetD3DEngine()->GetScreenHeight()));
  m_destination = m_position;
  m_heading = GRandom::Scene().RandReal(0.0f, 359.0f);
  ChooseNewDestination();
  m_cell = GRandom::Scene().Rand() % 4;
  m_cellTimer.StartTimer();
}

GUI_Insect::~GUI_Insect() { All.remove(this); }

int GUI_Insect::WantedFor(float dirtLevel) { return std::min((int)(16.0f * dirtLevel) - 4, MAX_INSECTS); }

void GUI_Insect::DrawAll() {
  SIM_NamedValueList& globals = SIM_NamedValueList::Globals;
  const float level = globals.HasValue("glob_dirt") ? globals.GetValue("glob_dirt") : 0.0f;
  const int wanted = WantedFor(level);
  while ((int)All.size() < wanted) new GUI_Insect;
  if (wanted < 1) return;
  int drawn = 0;
  for (GUI_Insect* insect : All) {
    if (drawn++ >= wanted) break;
    insect->Draw();
  }
}

void GUI_Insect::ChooseNewDestination() {
  const float W = (float)GetD3DEngine()->GetScreenWidth();
  const float H = (float)GetD3DEngine()->GetScreenHeight();
  m_destination.x = std::clamp(m_destination.x + GRandom::Scene().RandReal(-128.0f, 128.0f), 0.0f, W);
  m_destination.y = std::clamp(m_destination.y + GRandom::Scene().RandReal(-128.0f, 128.0f), 0.0f, H);
}

void GUI_Insect::Draw() {
  if (GetDist(m_position.x, m_position.y, m_destination.x, m_destination.y) < 64.0f) ChooseNewDestination();

  const float throttle = GUI_GetGUI()->GetRenderThrottle();
  float clockwise = AngleToObject(double(m_position.x), double(m_position.y), double(m_destination.x),
                                  double(m_destination.y)) -
                    m_heading;
  if (clockwise < 0.0f) clockwise += 360.0f;
  const float turn = std::min(3.0f * throttle, clockwise);
  m_heading += clockwise < 180.0f ? turn : -turn;
  if (m_heading < 0.0f) m_heading += 360.0f;
  if (m_heading > 360.0f) m_heading -= 360.0f;

  const double radians = (double)m_heading * 0.017453277777777776;
  m_position.x += 3.5f * throttle * (float)std::sin(radians);
  m_position.y -= 3.5f * throttle * (float)std::cos(radians);

  m_sprite.rotation = m_heading;
  m_cellTimer.Update();
  if (m_cellTimer.GetElapsed() > 250.0) {
    m_cellTimer.StartTimer();
    m_cell = (m_cell + 1) % 4;
  }
  m_sprite.SetUV(4, m_cell);
  m_sprite.PlaceLocal(m_position.x, m_position.y);
  m_sprite.Draw();
}
