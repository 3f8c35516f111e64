#include "PublisherLogo.h"

#include <chrono>
#include <thread>

#include "D3DEngine.h"
#include "GFileList.h"
#include "IniLoader.h"

PublisherLogo* GetPublisherLogo() {
  static PublisherLogo logo;
  return &logo;
}

float PublisherLogo::AlphaAt(float t) {
  float alpha = 1.0f;
  if (t < FADETIME) {
    alpha = t / FADETIME;
  } else if (t > DURATION - FADETIME) {
    alpha = 1.0f - (t - (DURATION - FADETIME)) / FADETIME;
  }
  if (alpha < 0.0f) alpha = 0.0f;
  if (alpha > 1.0f) alpha = 1.0f;
  return alpha;
}

void PublisherLogo::Run() {
  if (!GFile::FileExists("data/logo.txt")) return;
  IniLoader setup;
  setup.LoadSection("setup", "data/logo.txt");
  SetSize((float)setup.GetValueI("width"), (float)setup.GetValueI("height"));
  const char* image = setup.GetValue("image");
  SetTexture(image ? image : "");
  D3DEngine* engine = GetD3DEngine();
  PlaceLocal((float)engine->GetScreenWidth() / 2.0f, (float)engine->GetScreenHeight() / 2.0f);
  DrawLogo();
}

void PublisherLogo::DrawLogo() {
  D3DEngine* engine = GetD3DEngine();
  m_timer.StartTimer();
  while (m_timer.GetElapsed() < static_cast<double>(DURATION)) {
    m_timer.Update();
    float alpha = AlphaAt((float)m_timer.GetElapsed());
    SetVertexColor(255, 255, 255, (int)(alpha * 255.0f));
    engine->BeginRender();
    engine->ClearScreen();
    Draw();
    engine->EndRender();
    engine->Flip();
    // Nothing paces the loop but time; a frame's rest keeps it from spinning a core.
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }
}
