#include "GUI_LoadingScreen.h"

#include "D3DEngine.h"
#include "GUI_Sounds.h"
#include "GUI_WindowBackground.h"
#include "SIM_StandInLog.h"

GUI_LoadingScreen* GUI_GetLoadingScreen() {
  static GUI_LoadingScreen* screen = new GUI_LoadingScreen;
  return screen;
}

GUI_LoadingScreen::GUI_LoadingScreen() {
  SetSize(D3DEngine::W + 2.0f, D3DEngine::H + 2.0f);
  vertices[0].diffuse = vertices[1].diffuse = 0xFF373125u;
  vertices[2].diffuse = vertices[3].diffuse = 0xFF9F5C23u;
  for (CTexturedSprite* piece : {&m_leftCap, &m_middle, &m_rightCap}) {
    piece->SetTexture("yearend_progress.dds");
    piece->height = 32.0f;
  }
  Reset();
}

void GUI_LoadingScreen::Reset() {
  width = D3DEngine::W + 2.0f;
  SetRect(&m_bar, (int)(D3DEngine::W / 2.0f - BARWIDTH / 2.0f), 710, (int)(D3DEngine::W / 2.0f + BARWIDTH / 2.0f),
          742);
}

void GUI_LoadingScreen::Draw(float progress) {
  D3DEngine* engine = GetD3DEngine();
  engine->BeginRender();
  engine->SetTexture(0, 0);
  PlaceLocal(D3DEngine::W / 2.0f, D3DEngine::H / 2.0f);
  // The quad reaches past every edge of the screen, so it is drawn without the on-screen test.
  DrawNoChecks();
  DrawBar(progress);
  engine->EndRender();
  engine->Flip();
  GUI_GetSounds()->Process();
}

void GUI_LoadingScreen::DrawBar(float progress) {
  SIM_StandInLog::Record("GUI_LoadingScreen::DrawBar");
  GUI_WindowBackground::DrawTiled(m_bar, GUI_WindowBackground::PRESET_CLIENT, 16.0f, 1.0f);

  float left = (float)m_bar.left;
  float top = (float)m_bar.top;
  float length = BARWIDTH * progress;

  float w1 = length < 32.0f ? length : 32.0f;
  m_leftCap.width = w1;
  m_leftCap.SetUV(0.0f, 0.0f, 0.5f * w1 / 32.0f, 1.0f);
  m_leftCap.PlaceLocal(left + w1 / 2.0f, top + 16.0f);
  m_leftCap.Draw();

  float w2 = length - 32.0f;
  if (w2 > BARWIDTH - 64.0f) w2 = length - 64.0f;
  if (w2 <= 0.0f) return;
  m_middle.width = w2;
  m_middle.SetUV(0.25f, 0.0f, 0.5f, 1.0f);
  m_middle.PlaceLocal(m_leftCap.Right() + w2 / 2.0f, top + 16.0f);
  m_middle.Draw();

  float w3 = length - w2 - 32.0f;
  if (w3 <= 0.0f) return;
  m_rightCap.width = w3;
  m_rightCap.SetUV(0.5f, 0.0f, 0.5f + 0.5f * w3 / 32.0f, 1.0f);
  m_rightCap.PlaceLocal(m_middle.Right() + w3 / 2.0f, top + 16.0f);
  m_rightCap.Draw();
}
