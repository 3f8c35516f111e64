#pragma once
// What the front end's tests share.
#include <string>

#include "CInput.h"
#include "GUI_BaseElement.h"
#include "TestSupport.h"

namespace frontendtest {

// A click as the input layer delivers it to the current mode: the pointer moved there, the button
// down in one frame and up in the next.
inline void Click(float x, float y) {
  GetInput()->OnMouseMove(x, y);
  GetInput()->OnLeftButton(true);
  GetInput()->Process();
  GetInput()->OnLeftButton(false);
  GetInput()->Process();
}
inline void Click(const GUI_BaseElement* element) { Click(element->GetCenterX(), element->GetCenterY()); }

// The debug log so far, and how many of its lines hold a part.
inline std::string LogText() { return testsupport::ReadFile(testsupport::ResourcesRoot() + "/debugdata/debug.txt"); }
inline int LinesWith(const std::string& text, const std::string& part) {
  int n = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (text.substr(start, end - start).find(part) != std::string::npos) ++n;
    start = end + 1;
  }
  return n;
}

}  // namespace frontendtest
