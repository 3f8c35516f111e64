#include "Performance.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "D3DEngine.h"
#include "GDebug.h"
#include "LibTextEngine.h"

void CPerformanceObject::EndFrame() {
  frameTimer.PauseTimer();
  if (++frameCounter > 4) {
    frameCounter = 0;
    std::copy(history + 1, history + kHistory, history);
    history[kHistory - 1] = float(frameTimer.GetElapsed());
  }
}

CPerformance::CPerformance() { std::snprintf(m_currentTag, sizeof m_currentTag, "undefined"); }

CPerformance::~CPerformance() {
  for (CPerformanceObject* o : m_objects) delete o;
  m_objects.clear();
}

CPerformanceObject* CPerformance::Find(const char* name) const {
  if (!name) return nullptr;
  for (CPerformanceObject* o : m_objects) {
    if (std::strcmp(o->name, name) == 0) return o;
  }
  return nullptr;
}

void CPerformance::StartTime(const char* name) {
  if (!name) {
    std::string message = "libsrc/Performance:117: Assertion `fname' failed.";
    GetDebug()->DebugOut(message.c_str());
    std::fprintf(stderr, "%s\n", message.c_str());
    std::abort();
  }
  std::snprintf(m_currentTag, sizeof m_currentTag, "%s", name);
  if (CPerformanceObject* o = Find(m_currentTag)) {
    o->totalTimer.UnPauseTimer();
    o->frameTimer.UnPauseTimer();
    ++o->calls;
    return;
  }
  auto* o = new CPerformanceObject;
  std::snprintf(o->name, sizeof o->name, "%s", name);
  o->totalTimer.StartTimer();
  o->frameTimer.StartTimer();
  o->calls = 1;
  o->colour = m_colours[m_nextColour];
  m_nextColour = (m_nextColour + 1) % 6;
  m_objects.push_back(o);
}

void CPerformance::EndTime(const char* name) {
  std::snprintf(m_currentTag, sizeof m_currentTag, "undefined");
  char key[32];
  std::snprintf(key, sizeof key, "%s", name ? name : "");
  CPerformanceObject* o = Find(key);
  if (!o) {
    GetDebug()->DebugOut("Performance tag mismatch");
    return;
  }
  o->totalTimer.PauseTimer();
  o->frameTimer.PauseTimer();
}

void CPerformance::BeginFrame() {
  for (CPerformanceObject* o : m_objects) {
    o->frameTimer.StartTimer();
    o->frameTimer.PauseTimer();
  }
}

void CPerformance::EndFrame() {
  for (CPerformanceObject* o : m_objects) o->EndFrame();
}

void CPerformance::Render(LibTextEngine* text) {
  if (!text) text = GetTextEngine();
  D3DEngine* engine = GetD3DEngine();
  float y = 432.0f;
  for (CPerformanceObject* o : m_objects) {
    text->AddQueueString(o->name, 544.0f, y, o->colour, 0.0f, LibTextEngine::ALIGN_LEFT);
    float px = 0.0f;
    float py = 0.0f;
    for (int i = 0; i < CPerformanceObject::kHistory; ++i) {
      const float h = std::clamp(10.0f * o->history[i], 0.0f, 400.0f);
      const float x = 32.0f + 16.0f * float(i);
      if (i > 0) engine->RenderLine(px, py, x, 400.0f - h, o->colour);
      px = x;
      py = 400.0f - h;
    }
    engine->RenderLine(px, py, 544.0f, y, o->colour);
    y += 14.0f;
  }
  text->ProcessTextQueue(-1);
}

void CPerformance::Release() {
  GetDebug()->DebugOut("\n\n--PERFORMANCE DATA-- \n======================================\n");
  for (CPerformanceObject* o : m_objects) {
    o->totalTimer.Update();
    const double average = o->calls > 0 ? o->totalTimer.GetElapsed() / o->calls : 0.0;
    GetDebug()->DebugOut(GFormat("%s\t\t%f", o->name, average).c_str());
  }
  GetDebug()->DebugOut("\n\n--END-- \n======================================\n");
}
