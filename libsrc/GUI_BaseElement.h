#pragma once
// The root of every rectangular thing of the user interface: an integer screen rectangle with
// its width and height beside it. Buttons, windows, dialogs, tabs, tooltips, icons and panels
// derive from it, and some are deleted through a pointer to it, so the destructor is virtual.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Win32Types.h"

class GUI_BaseElement {
 public:
  GUI_BaseElement() = default;
  virtual ~GUI_BaseElement() = default;

  virtual void Draw() {}
  // The rectangle from four values truncated toward zero; width and height recomputed.
  virtual void SetPosition(float left, float top, float right, float bottom);
  // Width and height alone; the rectangle follows at the next two-value SetPosition,
  // PlaceCentral or ForceOnscreen.
  virtual void SetSize(float width, float height);
  // Strictly inside on all four sides, after truncating the point.
  virtual bool PtInside(float x, float y);

  // Top-left corner; the size is kept.
  void SetPosition(float x, float y);
  void PlaceCentral();   // centred on the screen
  void ForceOnscreen();  // moved back onto the screen without resizing

  float GetCenterX() const { return (float)(rect.left + rect.right) / 2.0f; }
  float GetCenterY() const { return (float)(rect.top + rect.bottom) / 2.0f; }
  float GetWidth() const { return (float)width; }
  float GetHeight() const { return (float)height; }
  const RECT* GetRect() const { return &rect; }

  // The named texture stretched over the element, grey = brightness, alpha 0..1.
  void FillWithTexture(const char* texture, float alpha, float brightness);

  RECT rect;  // left, top, right, bottom in screen pixels
  int32_t width = 0;
  int32_t height = 0;
};

// A per-frame draw queue of elements, not owned.
class GUI_BaseElementList {
 public:
  void Add(GUI_BaseElement* element) { m_elements.push_back(element); }
  void Draw();  // each element's Draw in the order added, then empties the list
  size_t Count() const { return m_elements.size(); }

 private:
  std::vector<GUI_BaseElement*> m_elements;
};
