#pragma once
// A check box ("checkbox.dds", with "checkbox_checked.dds" over it when ticked) and its label to
// the right. Only a click inside the box counts; the tutorial's gate is not consulted.
#include <string>

#include "BaseSprite.h"
#include "GUI_ButtonBase.h"

class GUI_CheckButton : public GUI_ButtonBase {
 public:
  static constexpr float CHECKBOXSIZE = 36.0f;
  static constexpr size_t kMaxLabel = 63;

  GUI_CheckButton(const char* label, Callback callback, int argument);  // the label as given

  void Draw() override;
  using GUI_ButtonBase::SetPosition;
  void SetPosition(float left, float top, float right, float bottom) override;
  // Inside the box: the tick flips (only while enabled) and Click runs; true. Otherwise false.
  bool CheckClick(float x, float y) override;
  void Process() override { GUI_ButtonBase::Process(); }

  void SetChecked(bool checked) { m_checked = checked; }  // without the callback
  bool IsChecked() const { return m_checked; }
  const std::string& GetLabel() const { return m_label; }
  const BaseSprite& GetBox() const { return m_box; }

 private:
  void PlaceBox();

  std::string m_label;
  BaseSprite m_box;
  BaseSprite m_tick;
  bool m_checked = false;
};
