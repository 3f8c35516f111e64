#pragma once
// The tutorial's spotlight: darkens the whole screen but one rectangle and frames that rectangle,
// so the player sees at once which part of the screen a tutorial step talks about. Scripts aim it
// with "Highlight(name)" (the element registered under the name) or "HighlightRect(l,t,r,b)";
// every tutorial step starts with it switched off. The in-game mode draws it after the windows and
// post-it notes and before the tutorial window.
//
// One object (GUI_GetTutHighlighter); the operations are static and work on it.
#include <string>

#include "Win32Types.h"

class GUI_TutHighlighter {
 public:
  static constexpr uint32_t kShadeColour = 0xC0000000u;   // black at alpha 0xC0, sprite packing
  static constexpr uint32_t kBorderColour = 0xDCE6B0A0u;  // pale blue-grey at alpha 0xDC
  static constexpr int kBorder = 4;                       // pixels

  enum { SHADE_LEFT = 0, SHADE_RIGHT = 1, SHADE_ABOVE = 2, SHADE_BELOW = 3 };
  enum { BORDER_LEFT = 0, BORDER_RIGHT = 1, BORDER_TOP = 2, BORDER_BOTTOM = 3 };

  GUI_TutHighlighter();

  // Lights the rectangle (screen pixels) and switches the spotlight on.
  static void SetHighlight(const RECT& target);
  // Lights the element registered under the name; nothing changes when no element bears it.
  static void SetHighlight(const char* name);
  static void SetHighlight(const std::string& name) { SetHighlight(name.c_str()); }
  static void Disable();
  static void Draw();  // nothing while disabled

  static bool IsEnabled();
  static const RECT& GetHighlightRect();  // the lit rectangle
  static const RECT& GetShade(int which);
  static const RECT& GetBorder(int which);

 private:
  static GUI_TutHighlighter* Self();

  bool m_enabled = false;
  RECT m_target;
  RECT m_shade[4];
  RECT m_border[4];
  uint32_t m_shadeColour = kShadeColour;
  uint32_t m_borderColour = kBorderColour;
};

GUI_TutHighlighter* GUI_GetTutHighlighter();
