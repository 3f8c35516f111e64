#include "GUI_ScreenFader.h"

#include "CInput.h"
#include "D3DEngine.h"

GUI_ScreenFader* GUI_GetFader() {
  static GUI_ScreenFader fader;
  return &fader;
}

void GUI_ScreenFader::StartFade(TYPE type, Callback callback, int argument) {
  // The fade being replaced keeps its promise: its callback waits for the new fade's end.
  if (m_type != TYPE_NONE && m_callback) m_queued.emplace_back(m_callback, m_argument);
  m_type = type;
  m_callback = callback;
  m_argument = argument;
  m_timer.StartTimer();
  if (type == TYPE_FADEOUT) GetInput()->SetIgnoreClicks(true);
}

void GUI_ScreenFader::Draw() {
  if (m_type == TYPE_NONE) return;
  m_timer.Update();
  float t = (float)m_timer.GetElapsed() / FADETIME;
  if (t > 1.0f) t = 1.0f;
  float alpha = m_type == TYPE_FADEOUT ? t : 1.0f - t;
  RECT screen;
  SetRect(&screen, 0, 0, (int)D3DEngine::W, (int)D3DEngine::H);
  GetD3DEngine()->FillRect(&screen, (uint32_t)(255.0f * alpha) << 24);
  if (t < 1.0f) return;

  GetInput()->SetIgnoreClicks(false);
  m_type = TYPE_NONE;
  // Taken out before any runs: a callback that starts a new fade starts it clean.
  std::vector<std::pair<Callback, int>> due;
  due.swap(m_queued);
  if (m_callback) due.emplace_back(m_callback, m_argument);
  m_callback = nullptr;
  for (const auto& [callback, argument] : due) callback(argument);
}
