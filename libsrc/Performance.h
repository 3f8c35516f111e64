#pragma once
// Developer stopwatches: named timers with a rolling graph of per-frame times drawn on screen and
// a summary in the debug log. Nothing in the game calls them; wrap a piece of work in
// StartTime("name") / EndTime("name"), bracket each frame with BeginFrame / EndFrame, and call
// Render to see the graph and Release to log the averages.
#include <vector>

#include "GTimer.h"

class LibTextEngine;

class CPerformanceObject {
 public:
  static constexpr int kHistory = 32;

  // The frame timer's elapsed time becomes the newest history entry every fifth frame.
  void EndFrame();

  char name[32] = {0};
  GTimer totalTimer;
  int calls = 0;
  GTimer frameTimer;
  float history[kHistory] = {};  // oldest first
  int frameCounter = 0;
  uint32_t colour = 0;
};

class CPerformance {
 public:
  CPerformance();
  ~CPerformance();
  CPerformance(const CPerformance&) = delete;
  CPerformance& operator=(const CPerformance&) = delete;

  void StartTime(const char* name);
  void EndTime(const char* name);
  void BeginFrame();
  void EndFrame();
  void Render(LibTextEngine* text);  // null: the game's text engine
  void Release();                    // writes the averages to the debug log

  const std::vector<CPerformanceObject*>& GetObjects() const { return m_objects; }
  const char* GetCurrentTag() const { return m_currentTag; }
  CPerformanceObject* Find(const char* name) const;

 private:
  std::vector<CPerformanceObject*> m_objects;
  char m_currentTag[32];
  uint32_t m_colours[6] = {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFF00FFFFu, 0xFFFFFF00u, 0xFFFF00FFu};
  int m_nextColour = 0;
};
