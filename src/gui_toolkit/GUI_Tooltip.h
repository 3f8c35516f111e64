#pragma once
// The hover text of a button or a tab. The owner pings it every frame the mouse is over it; once
// the mouse has stood still for longer than the delay (in frames) it shows at full strength, and
// it stays one more frame after the pings stop. Owners queue it with Draw; the in-game mode draws
// the frame's one tooltip with DrawAll after every window: the first queued one that is visible.
#include <string>
#include <vector>

#include "GUI_BaseElement.h"

class GUI_Tooltip : public GUI_BaseElement {
 public:
  // Other modes than the normal one are numbers (the calendar days use 1): any int is a mode.
  enum TOOLTIPMODE : int { TOOLTIPMODE_NORMAL = 0 };
  static constexpr float FADE = 0.5f;
  static constexpr size_t kMaxText = 2047;

  GUI_Tooltip(const std::string& text, int delay);
  ~GUI_Tooltip() override;  // also leaves this frame's queue
  GUI_Tooltip(const GUI_Tooltip&) = delete;
  GUI_Tooltip& operator=(const GUI_Tooltip&) = delete;

  void Draw() override;  // queues the tooltip for this frame
  using GUI_BaseElement::SetPosition;
  void SetPosition(float x, float y);  // the anchor

  void SetText(const std::string& text);  // at most 2047 characters; measured again
  void SetMode(TOOLTIPMODE mode) { m_mode = mode; }
  void Ping();  // the owner is hovered this frame

  void Calculate();     // size from the text, anchor kept on screen
  void AutoPosition();  // beside the mouse, on screen
  bool ReallyDraw();    // true when it drew

  static void DrawAll();  // the frame's tooltip; empties the queue

  const std::string& GetText() const { return m_text; }
  float GetTargetAlpha() const { return m_targetAlpha; }
  float GetDrawnAlpha() const { return m_drawnAlpha; }
  int GetDelay() const { return m_delay; }
  bool IsCalculated() const { return m_calculated; }
  float GetAnchorX() const { return m_x; }
  float GetAnchorY() const { return m_y; }

  static std::vector<GUI_Tooltip*> DrawList;

 private:
  std::string m_text;
  float m_drawnAlpha = 0.0f;
  int m_delay = 0;
  float m_targetAlpha = 0.0f;
  TOOLTIPMODE m_mode = TOOLTIPMODE_NORMAL;
  float m_x = 0.0f;
  float m_y = 0.0f;
  bool m_calculated = false;
};
