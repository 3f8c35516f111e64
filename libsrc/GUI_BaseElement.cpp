#include "GUI_BaseElement.h"

#include "BaseSprite.h"
#include "D3DEngine.h"

void GUI_BaseElement::SetPosition(float left, float top, float right, float bottom) {
  rect.left = (int32_t)left;
  rect.top = (int32_t)top;
  rect.right = (int32_t)right;
  rect.bottom = (int32_t)bottom;
  width = (int32_t)(right - left);
  height = (int32_t)(bottom - top);
}

void GUI_BaseElement::SetSize(float w, float h) {
  width = (int32_t)w;
  height = (int32_t)h;
}

bool GUI_BaseElement::PtInside(float x, float y) {
  int32_t xi = (int32_t)x;
  int32_t yi = (int32_t)y;
  return rect.left < xi && xi < rect.right && rect.top < yi && yi < rect.bottom;
}

void GUI_BaseElement::SetPosition(float x, float y) {
  rect.left = (int32_t)x;
  rect.top = (int32_t)y;
  rect.right = (int32_t)((float)width + x);
  rect.bottom = (int32_t)((float)height + y);
}

void GUI_BaseElement::PlaceCentral() {
  D3DEngine* engine = GetD3DEngine();
  int32_t x0 = engine->GetScreenWidth() / 2 - width / 2;
  int32_t y0 = engine->GetScreenHeight() / 2 - height / 2;
  rect.left = x0;
  rect.top = y0;
  rect.right = x0 + width;
  rect.bottom = y0 + height;
}

void GUI_BaseElement::ForceOnscreen() {
  // The far edges first, then the near ones, so that an element taller or wider than the screen
  // ends with its top or left edge at 0 (its title and close button stay reachable).
  if ((float)rect.bottom > D3DEngine::H) {
    rect.bottom = (int32_t)D3DEngine::H;
    rect.top = rect.bottom - height;
  }
  if (rect.top < 0) {
    rect.top = 0;
    rect.bottom = height;
  }
  if ((float)rect.right > D3DEngine::W) {
    rect.right = (int32_t)D3DEngine::W;
    rect.left = (int32_t)(D3DEngine::W - (float)width);
  }
  if (rect.left < 0) {
    rect.left = 0;
    rect.right = width;
  }
}

void GUI_BaseElement::FillWithTexture(const char* texture, float alpha, float brightness) {
  BaseSprite sprite;
  sprite.SetSize((float)width, (float)height);
  int grey = (int)(255.0f * brightness);
  sprite.SetVertexColor(grey, grey, grey, (int)(255.0f * alpha));
  sprite.PlaceLocal(GetCenterX(), GetCenterY());
  GetD3DEngine()->SetTexture(texture);
  sprite.DrawNoChecks();
}

void GUI_BaseElementList::Draw() {
  for (GUI_BaseElement* element : m_elements) element->Draw();
  m_elements.clear();
}
