#pragma once
// What the front end's tests share.
#include "CInput.h"
#include "GUI_BaseElement.h"

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

}  // namespace frontendtest
