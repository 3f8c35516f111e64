#pragma once
// A horizontal slider over a float 0..1 that it does not own: a strip ("slider_strip.dds") and a
// knob ("checkbox_checked.dds", 24 x 24) 20 pixels above the bottom, the label centred on top.
// Dragging the knob writes the value each frame and calls the on-change function.
//
//   m_volume = new GUI_SliderControl(&options.musicVolume, "OPTIONS_MUSIC", Options::VolumeChanged);
//   m_volume->SetPosition(100, 200, 400, 260);
//   ... every frame: m_volume->Draw();  (Draw runs Process first)
#include <string>

#include "CTexturedSprite.h"
#include "GUI_BaseElement.h"

class GUI_SliderControl : public GUI_BaseElement {
 public:
  using ChangeCallback = void (*)();

  // A null target fails an assertion (and the slider then does nothing).
  GUI_SliderControl(float* target, const char* labelKey, ChangeCallback onChange);

  void Draw() override;
  using GUI_BaseElement::SetPosition;
  void SetPosition(float left, float top, float right, float bottom) override;
  void Process();

  bool IsDragging() const { return m_dragging; }
  const std::string& GetLabel() const { return m_label; }
  const CTexturedSprite& GetKnob() const { return m_knob; }
  void PlaceKnob();

 private:
  float* m_target;  // not owned
  CTexturedSprite m_strip;
  CTexturedSprite m_knob;
  bool m_dragging = false;
  ChangeCallback m_onChange;
  std::string m_label;
};
