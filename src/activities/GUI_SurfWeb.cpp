#include "GUI_SurfWeb.h"

#include <algorithm>

#include "ActivityHooks.h"
#include "D3DEngine.h"
#include "GDebug.h"
#include "GRandom.h"
#include "GUI_Colours.h"
#include "GUI_ControlPanel.h"
#include "GUI_GUI.h"
#include "GUI_MenuBase.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "LibTextEngine.h"
#include "SIM_Website.h"

GUI_SurfWeb* GUI_SurfWeb::PTheWindow = nullptr;
GUI_WebsiteButton* GUI_WebsiteButton::PHighlighted = nullptr;

void SIM_HookSurfWeb() { GUI_SurfWeb::Create(); }

namespace {
constexpr unsigned kWebEscapeKey = 53;
constexpr float kColumnWidth = 330.0f;
constexpr float kColumnGap = 10.0f;
}  // namespace

// ---------------------------------------------------------------------------------------------
// The screen

void GUI_SurfWeb::Create() {
  Close();
  new GUI_SurfWeb();  // the window manager owns it
}

void GUI_SurfWeb::Close() {
  GUI_SurfWeb* screen = PTheWindow;
  PTheWindow = nullptr;
  delete screen;
}

GUI_SurfWeb::GUI_SurfWeb() {
  PTheWindow = this;
  MakeFullScreenWindow();
  const float W = D3DEngine::W;
  const float H = D3DEngine::H;
  GUI_MenuBase::SizeStrip(m_strip);
  SetModal(true);

  SIM_Website::Open();
  int placed = 0;
  for (SIM_Website* website : SIM_Website::All) {
    // Every column after the first shares the second's place: the screen has room for six.
    const int row = placed % kRowsPerColumn;
    const bool firstColumn = placed < kRowsPerColumn;
    const float left = firstColumn ? W / 2.0f - kColumnGap - kColumnWidth : W / 2.0f + kColumnGap;
    const float y = H / 2.0f - 216.0f + kRowHeight * (float)row;
    auto* button = new GUI_WebsiteButton(website);
    button->SetPosition(left, y + 10.0f, left + kColumnWidth, y + 124.0f);
    AddButton(button);
    ++placed;
  }
  GUI_GetControlPanel()->PostponeEndDay(true);
  m_backdrop.SetTexture("internet.jpg");
  // Keys come here while the screen is open: only Escape on an empty screen does anything.
  GUI_GetGUI()->SetInputHandler(this);
  GetDebug()->DebugOut(GFormat("Web: the browser opens on %d websites", placed).c_str());
}

GUI_SurfWeb::~GUI_SurfWeb() {
  if (PTheWindow == this) PTheWindow = nullptr;
  GUI_GUI* gui = GUI_GetGUI();
  if (gui->GetInputHandler() == this) gui->SetInputHandler(nullptr);
  GUI_GetControlPanel()->PostponeEndDay(false);
  gui->EndDayGUI();
}

void GUI_SurfWeb::Draw() {
  // The picture fills the top 768 of its 1024 rows.
  GetD3DEngine()->FillScreen(&m_backdrop, 1.0f, 0.75f);
  for (int i = kFirstDrawnStrip; i < kStrips; ++i) m_strips[(size_t)i].Draw();
  m_strip.Draw();
  DrawButtons();
  GetTextEngine()->ProcessTextQueue(-1);
}

void GUI_SurfWeb::HandleKey(unsigned key) {
  if (key == kWebEscapeKey && buttons.empty()) Close();
}

// ---------------------------------------------------------------------------------------------
// A website

GUI_WebsiteButton::GUI_WebsiteButton(SIM_Website* website) : GUI_ButtonBase(nullptr, 0), m_website(website) {
  GAssert(website != nullptr, __FILE__, __LINE__);
}

GUI_WebsiteButton::~GUI_WebsiteButton() {
  // Only compared, never followed.
  if (PHighlighted == this) PHighlighted = nullptr;
}

void GUI_WebsiteButton::Draw() {
  GUI_ButtonBase::Draw();
  const bool inside = MouseInside();
  GUI_WindowBackground::DrawTiled(rect, GUI_WindowBackground::PRESET_CLIENT, 20.0f, inside ? 1.0f : 0.7f);
  if (inside && PHighlighted != this) {
    GUI_GetSounds()->PlaySound("data/sounds/beep.ogg", false);
    PHighlighted = this;
  }
  if (!m_website) return;
  const float left = (float)rect.left;
  const float top = (float)rect.top;
  LibTextEngine* text = GetTextEngine();
  text->SetCurrentFont("calibriblackbold24.dds", 24.0f);
  text->AddQueueString(m_website->GetGUIName(), left, top + 10.0f, kBlack, (float)width, LibTextEngine::ALIGN_CENTER);
  text->SetCurrentFont("anime14.dds", 14.0f);
  text->AddWrappedString(m_website->GetTooltip(), left + 20.0f, top + 30.0f, (float)width - 40.0f, kBlack);
}

void GUI_WebsiteButton::Click() {
  GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
  if (m_website) {
    GetDebug()->DebugOut(GFormat("Web: an evening on %s", m_website->GetName().c_str()).c_str());
    m_website->ApplyModifiers(1.0f);
  }
  // Closing the screen frees this button: nothing of it is touched afterwards.
  GUI_SurfWeb::Close();
}

// ---------------------------------------------------------------------------------------------
// A strip of digits

GUI_WebBinary::GUI_WebBinary() {
  m_sprite.SetTexture("binary.dds");
  Init();
}

void GUI_WebBinary::Init() {
  GRandomStream& random = GRandom::Scene();
  m_x = random.RandReal(0.0f, D3DEngine::W);
  // Anywhere down the screen, not beyond it.
  m_y = random.RandReal(0.0f, D3DEngine::H);
  m_lifetime = random.RandReal(1000.0f, 2000.0f);
  m_alpha = random.RandReal(0.2f, 0.8f);
  m_timer.StartTimer();
}

void GUI_WebBinary::Draw() {
  m_timer.Update();
  const float elapsed = (float)m_timer.GetElapsed();
  if (elapsed > m_lifetime) {
    Init();
    return;
  }
  const float t = std::clamp(elapsed / kUnrollMs, 0.0f, 1.0f);
  if (t <= 0.0f) return;
  m_sprite.SetSize(64.0f * t, 16.0f);
  m_sprite.SetUV(0.0f, 0.0f, t, 1.0f);
  m_sprite.PlaceLocal(m_x + 32.0f * t, m_y);
  m_sprite.SetVertexColor(255, 255, 255, (int)(255.0f * m_alpha));
  m_sprite.Draw();
}
