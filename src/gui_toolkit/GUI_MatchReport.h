#pragma once
// The result of a bowling match: a picture, the grade of the result and a few words about it.
// Modal until the player closes it; several may be open at once.
#include <string>

#include "CTexturedSprite.h"
#include "GUI_Dialog.h"

class GUI_MatchReport : public GUI_Dialog {
 public:
  static GUI_MatchReport* Create(float result);  // result 0..1

  explicit GUI_MatchReport(float result);

  void Draw() override;

  float GetResult() const { return m_result; }
  const std::string& GetResultName() const { return m_resultName; }
  const std::string& GetResultText() const { return m_resultText; }

 private:
  CTexturedSprite m_picture;
  float m_result;
  std::string m_resultName;
  std::string m_resultText;
};
