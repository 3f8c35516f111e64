#pragma once
// One row of the yearly review's statistics: the label on the left and the number 220 pixels to
// its right, in the font the review has set when it draws its children.
#include <string>

#include "GUI_WindowBase.h"

class GUI_YearReviewStat : public GUI_WindowBase {
 public:
  GUI_YearReviewStat(const char* labelKey, int value);
  ~GUI_YearReviewStat() override = default;

  void Draw() override;

  const std::string& GetLabel() const { return m_label; }
  const std::string& GetValue() const { return m_value; }

  static constexpr float VALUE_X = 220.0f;

 private:
  std::string m_label;
  std::string m_value;
};
